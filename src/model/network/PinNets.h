// The run's map from pin reference to the net that listed the pin first, as the component and
// wiring translations look pins up to connect them.
#pragma once

#include <string_view>

class TSpecctraNet;
class TSpecctraObject;

// The net of the pin, or nil when no net of the run lists it.
TSpecctraNet* PinNetOf(std::string_view pin);
// The pin's role in the net: 2 when the source list holds it, else 0 for the load list, 1 for
// the terminator list, 0 otherwise.
int PinRole(const TSpecctraNet& net, std::string_view pin);

// Files the pin under the net unless another net has it; answers whether the net got it.
bool ClaimPinForNet(std::string_view pin, TSpecctraNet& net);
// Removes the pin's entry when it belongs to the net.
void ReleasePinOfNet(std::string_view pin, const TSpecctraNet& net);
// Removes the entries of every net the network owns, in one pass: a network going away
// spares its nets a lookup per pin.
void ReleasePinsOfNetwork(const TSpecctraObject& network);
