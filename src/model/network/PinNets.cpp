#include "model/network/PinNets.h"

#include "model/network/SpecctraNet.h"
#include "rtl/TranslationState.h"

TSpecctraNet* PinNetOf(std::string_view pin) {
  TSpecctraObject* const* net = TranslationState().PinNets.Find(pin);
  return net ? static_cast<TSpecctraNet*>(*net) : nullptr;
}

int PinRole(const TSpecctraNet& net, std::string_view pin) {
  if (net.ListHolds(TNetPinList::Source, pin)) return 2;
  if (net.ListHolds(TNetPinList::Load, pin)) return 0;
  if (net.ListHolds(TNetPinList::Terminator, pin)) return 1;
  return 0;
}

bool ClaimPinForNet(std::string_view pin, TSpecctraNet& net) {
  return TranslationState().PinNets.TryEmplace(pin, &net);
}

void ReleasePinOfNet(std::string_view pin, const TSpecctraNet& net) {
  TranslationState().PinNets.EraseIfValue(pin, const_cast<TSpecctraNet*>(&net));
}

void ReleasePinsOfNetwork(const TSpecctraObject& network) {
  TranslationState().PinNets.EraseValuesIf(
      [&](const TSpecctraObject* net) { return net->Owner() == &network; });
}
