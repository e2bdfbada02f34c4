#include "support/DesignCensus.h"

#include <cctype>
#include <memory>
#include <vector>

namespace {

// A list of atoms and sub-lists; quoted atoms lose their quotes.
struct TNode {
  std::string Atom;
  std::vector<std::unique_ptr<TNode>> Items;
  bool IsList = false;

  std::string Head() const {
    if (!IsList || Items.empty() || Items.front()->IsList) return {};
    std::string head = Items.front()->Atom;
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head;
  }
  const TNode* Child(const std::string& head) const {
    for (const auto& item : Items)
      if (item->Head() == head) return item.get();
    return nullptr;
  }
  // The atom at a position of the list, or empty text.
  std::string AtomAt(std::size_t index) const {
    return index < Items.size() && !Items[index]->IsList ? Items[index]->Atom : std::string();
  }
};

std::unique_ptr<TNode> Parse(const std::string& text) {
  auto root = std::make_unique<TNode>();
  root->IsList = true;
  std::vector<TNode*> open = {root.get()};
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
    } else if (c == '(') {
      auto list = std::make_unique<TNode>();
      list->IsList = true;
      TNode* raw = list.get();
      open.back()->Items.push_back(std::move(list));
      open.push_back(raw);
      ++at;
    } else if (c == ')') {
      if (open.size() > 1) open.pop_back();
      ++at;
    } else {
      auto atom = std::make_unique<TNode>();
      if (c == '"') {
        const std::size_t end = std::min(text.find('"', at + 1), text.size());
        atom->Atom = text.substr(at + 1, end - at - 1);
        at = end + 1;
      } else {
        const std::size_t end = std::min(text.find_first_of(" \t\r\n()", at), text.size());
        atom->Atom = text.substr(at, end - at);
        at = end;
      }
      open.back()->Items.push_back(std::move(atom));
    }
  }
  return root;
}

}  // namespace

TDesignCensus CensusOfDesign(const std::string& text) {
  TDesignCensus census;
  const auto root = Parse(text);
  const TNode* design = root->Items.empty() ? nullptr : root->Items.front().get();
  if (!design || !design->IsList) return census;
  if (const TNode* network = design->Child("network"))
    for (const auto& net : network->Items)
      if (net->Head() == "net" && !net->AtomAt(1).empty()) census.NetNames.insert(net->AtomAt(1));
  if (const TNode* placement = design->Child("placement"))
    for (const auto& component : placement->Items)
      if (component->Head() == "component")
        for (const auto& place : component->Items)
          if (place->Head() == "place" && !place->AtomAt(1).empty())
            census.Designators.insert(place->AtomAt(1));
  return census;
}
