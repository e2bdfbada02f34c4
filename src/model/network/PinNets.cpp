#include "model/network/PinNets.h"

#include "model/network/SpecctraNet.h"
#include "rtl/TranslationState.h"

TSpecctraNet* PinNetOf(std::string_view pin) {
  const auto& pinNets = TranslationState().PinNets;
  const auto found = pinNets.find(pin);
  return found == pinNets.end() ? nullptr : static_cast<TSpecctraNet*>(found->second);
}

int PinRole(const TSpecctraNet& net, std::string_view pin) {
  if (net.ListHolds(TNetPinList::Source, pin)) return 2;
  if (net.ListHolds(TNetPinList::Load, pin)) return 0;
  if (net.ListHolds(TNetPinList::Terminator, pin)) return 1;
  return 0;
}

bool ClaimPinForNet(std::string_view pin, TSpecctraNet& net) {
  return TranslationState().PinNets.try_emplace(std::string(pin), &net).second;
}

void ReleasePinOfNet(std::string_view pin, const TSpecctraNet& net) {
  auto& pinNets = TranslationState().PinNets;
  const auto found = pinNets.find(pin);
  if (found != pinNets.end() && found->second == &net) pinNets.erase(found);
}
