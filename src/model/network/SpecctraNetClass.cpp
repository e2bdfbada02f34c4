#include "model/network/SpecctraNetClass.h"

#include "model/network/HostClass.h"
#include "specctra_io/SpecctraParser.h"

bool TSpecctraNetClass::LoadStatement(int32_t id, bool& result) {
  if (id != KeywordId("topology")) return TSpecctraMemberNameGroup::LoadStatement(id, result);
  if (!FTopology) FTopology = std::make_unique<TSpecctraTopologyDescriptor>(this);
  FTopology->LoadFromFile();
  DecreaseDepth();
  return true;
}

bool TSpecctraNetClass::ExportToPcb() {
  SetHostHandle(CreateHostClass(GetBoardHandle(), eHostClass_Nets, Name(), MemberNames()));
  return true;
}
