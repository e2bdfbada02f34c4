#include "support/SExpression.h"

#include <algorithm>
#include <cctype>

std::string TSExpression::Head() const {
  if (!IsList || Items.empty() || Items.front()->IsList) return {};
  std::string head = Items.front()->Atom;
  for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return head;
}

const TSExpression* TSExpression::Child(const std::string& head) const {
  for (const auto& item : Items)
    if (item->Head() == head) return item.get();
  return nullptr;
}

std::string TSExpression::AtomAt(std::size_t index) const {
  return index < Items.size() && !Items[index]->IsList ? Items[index]->Atom : std::string();
}

std::vector<std::string> TSExpression::AtomsFrom(std::size_t index) const {
  std::vector<std::string> atoms;
  for (; index < Items.size() && !Items[index]->IsList; ++index)
    atoms.push_back(Items[index]->Atom);
  return atoms;
}

std::unique_ptr<TSExpression> ParseSExpression(const std::string& text, char quote) {
  auto root = std::make_unique<TSExpression>();
  root->IsList = true;
  std::vector<TSExpression*> open = {root.get()};
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
    } else if (c == '(') {
      auto list = std::make_unique<TSExpression>();
      list->IsList = true;
      TSExpression* raw = list.get();
      open.back()->Items.push_back(std::move(list));
      open.push_back(raw);
      ++at;
    } else if (c == ')') {
      if (open.size() > 1) open.pop_back();
      ++at;
    } else {
      auto atom = std::make_unique<TSExpression>();
      const TSExpression& list = *open.back();
      if (list.Items.size() == 1 && list.Head() == "string_quote") {
        // The quote character declared, one character on its own.
        atom->Atom = std::string(1, c);
        ++at;
      } else if (c == quote) {
        const std::size_t end = std::min(text.find(quote, at + 1), text.size());
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
