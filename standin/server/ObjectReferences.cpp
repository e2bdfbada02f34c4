#include "server/ObjectReferences.h"

#include <algorithm>

#include "server/ComponentObject.h"
#include "server/PcbModel.h"
#include "server/Primitives.h"

namespace standin {

TObjectReferences::TObjectReferences(const TPcbModel& model, const TBoard& board,
                                     const std::vector<const TBoardObject*>& nets,
                                     const std::vector<const TBoardObject*>& components) {
  std::vector<PcbHandle> own;
  for (const TBoardObject* net : nets)
    if (net->Board() == &board && net->ComponentHandle() == 0) own.push_back(net->Handle());
  if (!own.empty()) {
    const auto [lowest, highest] = std::minmax_element(own.begin(), own.end());
    FLowestNet = *lowest;
    FNets.assign((std::size_t{*highest} - FLowestNet) / 64 + 1, 0);
    for (const PcbHandle net : own) {
      const std::size_t bit = net - FLowestNet;
      FNets[bit / 64] |= uint64_t{1} << (bit % 64);
    }
  }
  FDesignators.reserve(components.size());
  for (const TBoardObject* object : components) {
    const auto& component = static_cast<const TComponentObject&>(*object);
    const TTextObject* text = model.FindAs<TTextObject>(component.Record().designatorText);
    FDesignators.emplace_back(object->Handle(), text ? text->Text() : std::string_view());
  }
  std::sort(FDesignators.begin(), FDesignators.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool TObjectReferences::IsNetOnBoard(PcbHandle net) const {
  if (net < FLowestNet) return false;
  const std::size_t bit = net - FLowestNet;
  return bit / 64 < FNets.size() && (FNets[bit / 64] >> (bit % 64) & 1) != 0;
}

std::string_view TObjectReferences::DesignatorOf(const TBoardObject& component) const {
  const auto found = std::lower_bound(
      FDesignators.begin(), FDesignators.end(), component.Handle(),
      [](const auto& entry, PcbHandle handle) { return entry.first < handle; });
  return found != FDesignators.end() && found->first == component.Handle() ? found->second
                                                                           : std::string_view();
}

}  // namespace standin
