#include "support/DesignCensus.h"

#include "support/SExpression.h"

TDesignCensus CensusOfDesign(const std::string& text) {
  TDesignCensus census;
  const auto root = ParseSExpression(text);
  const TSExpression* design = root->Items.empty() ? nullptr : root->Items.front().get();
  if (!design || !design->IsList) return census;
  if (const TSExpression* network = design->Child("network"))
    for (const auto& net : network->Items)
      if (net->Head() == "net" && !net->AtomAt(1).empty()) census.NetNames.insert(net->AtomAt(1));
  if (const TSExpression* placement = design->Child("placement"))
    for (const auto& component : placement->Items)
      if (component->Head() == "component")
        for (const auto& place : component->Items)
          if (place->Head() == "place" && !place->AtomAt(1).empty())
            census.Designators.insert(place->AtomAt(1));
  return census;
}
