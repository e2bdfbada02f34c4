#include "model/network/HostClass.h"

#include "rtl/PcbClass.h"
#include "rtl/PcbObjectCalls.h"

PcbHandle CreateHostClass(PcbHandle board, THostClassKind kind, std::string_view name,
                          const std::vector<std::string>& members) {
  const bool nets = kind == eHostClass_Nets;
  const PcbHandle handle = CreatePcbClassObject(nets ? kPcbClassOfNets : kPcbClassOfFromTos);
  if (!handle) return 0;
  TPCBObjectClass hostClass(handle);
  hostClass.Update(kPcbMessageRead);
  hostClass.SetClassKind(nets ? kPcbClassKindNet : kPcbClassKindFromTo);
  hostClass.SetName(name);
  for (const std::string& member : members) hostClass.AddMember(member);
  hostClass.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(board, handle) != kPcbOk) {
    DestroyPcbObject(handle);
    return 0;
  }
  return handle;
}
