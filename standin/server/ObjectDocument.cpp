#include "server/ObjectDocument.h"

#include "server/ObjectFactory.h"
#include "server/ObjectKinds.h"
#include "server/RuleObject.h"

namespace standin {
namespace {

template <class V, class C>
void CommonObjectFields(V& v, C& c) {
  v("layer", AsLayer(c.Layer));
  v("net", c.Net);
  v("routed", AsSwitch(c.RoutedState));
  v("keepout", AsFlag(c.Flags, kPcbFlagKeepout));
  v("testPointTop", AsFlag(c.Flags, kPcbFlagTestPointTop));
  v("testPointBottom", AsFlag(c.Flags, kPcbFlagTestPointBottom));
  v("flags", AsOtherFlags(c.Flags, kNamedFlagBits));
  v("aux16", c.Aux16);
  v("aux32", c.Aux32);
  v("bitField2", c.BitField2);
  v("bitField3", c.BitField3);
}

std::unique_ptr<TBoardObject> NewObjectOfEntry(TFieldReader& reader, uint8_t kind) {
  if (kind != kPcbObjectRule) return NewBoardObject(kind);
  const auto ruleKind = static_cast<uint8_t>(reader.Integer("ruleKind", 0, kRuleKindCount - 1));
  return std::make_unique<TRuleObject>(ruleKind);
}

}  // namespace

void WriteObjectFields(TFieldWriter& writer, const TObjectReferences& references,
                       const TBoardObject& object) {
  writer.Always("container", object.ComponentHandle());
  if (object.Kind() == kPcbObjectComponent) {
    const std::string_view designator = references.DesignatorOf(object);
    writer("designator", AsText(designator, 0));
  }
  TCommonFields common = object.Common();
  if (common.Net != 0 && !references.IsNetOnBoard(common.Net)) common.Net = 0;
  CommonObjectFields(writer, common);
  object.WriteFields(writer);
}

std::string TLoadedObject::Where() const {
  std::string where = Table == kNotInATable ? "objects[" + std::to_string(Index) + "]"
                                            : "tables[" + std::to_string(Table) + "].rows[" +
                                                  std::to_string(Index) + "]";
  if (Object) where += " (" + std::string(ObjectKindName(Object->Kind())) + ")";
  return where;
}

TLoadedObject ReadObjectEntry(TJsonValue entry, std::size_t index, std::size_t table) {
  TLoadedObject loaded;
  loaded.Index = index;
  loaded.Table = table;
  if (!entry.IsObject()) throw EBoardDocument(loaded.Where() + ": is not an object");
  // The entry's place is only spelled out for an error: most entries never need it.
  TFieldReader head(entry, [&loaded] { return loaded.Where(); });
  head.Field("kind");
  const auto kind = static_cast<uint8_t>(head.Integer("kind", 0, 255));
  const std::string_view kindName = ObjectKindName(kind);
  if (kindName.empty()) head.Fail("kind", "is not a kind of object (" + std::to_string(kind) + ")");
  if (head.TextOf(head.Field("kindName"), "kindName", 64) != kindName)
    head.Fail("kindName", "does not name kind " + std::to_string(kind) + " (" +
                              std::string(kindName) + ")");
  const struct {
    const TLoadedObject& Loaded;
    std::string_view KindName;
  } place{loaded, kindName};
  TFieldReader reader(entry, [&place] {
    if (place.Loaded.Object) return place.Loaded.Where();  // names the kind itself
    return place.Loaded.Where() + " (" + std::string(place.KindName) + ")";
  });
  loaded.Handle = static_cast<PcbHandle>(reader.Integer("handle", 1, UINT32_MAX));
  loaded.Container = static_cast<PcbHandle>(reader.Integer("container", 0, UINT32_MAX));
  if (kind == kPcbObjectComponent) reader.Text("designator", kPcbEmbeddedDataSize);
  loaded.Object = NewObjectOfEntry(reader, kind);
  CommonObjectFields(reader, loaded.Object->Common());
  loaded.Object->ReadFields(reader);
  return loaded;
}

}  // namespace standin
