#include "model/network/SpecctraFromToSuperClass.h"

#include "model/files/SpecctraFile.h"
#include "model/network/DsnNetworkDescriptor.h"
#include "model/network/HostClass.h"
#include "model/network/SpecctraFromToClass.h"

bool TSpecctraFromToSuperClass::ExportToPcb() {
  const auto* file = dynamic_cast<const TSpecctraFile*>(TopObject());
  auto* network =
      file ? dynamic_cast<TSpecctraDsnNetworkDescriptor*>(file->NetworkSection()) : nullptr;
  if (!network) {
    ReportError("Invalid network reference in from-to super class:" + Name());
    return true;
  }
  std::vector<std::string> members;
  for (const std::string& groupName : MemberNames()) {
    const TSpecctraFromToClass* group = network->FindFromToClass(groupName);
    if (!group) {
      ReportWarning("Invalid from-to class reference <" + groupName +
                    "> in from-to supper class <" + Name() + ">");
      continue;
    }
    for (std::string& member : group->FromToMemberNames()) members.push_back(std::move(member));
  }
  SetHostHandle(CreateHostClass(GetBoardHandle(), eHostClass_FromTos, Name(), members));
  return true;
}
