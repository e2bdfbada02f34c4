#include "server/ConnectivityObjects.h"

#include "server/DocumentFields.h"

namespace standin {
namespace {

template <class V, class R>
void NetFields(V& v, R& r) {
  v("name", r.name);
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
}

template <class V, class R>
void FromToFields(V& v, R& r) {
  v("x1", r.x1);
  v("y1", r.y1);
  v("x2", r.x2);
  v("y2", r.y2);
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
}

template <class V, class R>
void ManualFromToFields(V& v, R& r) {
  v("text1", r.text1);
  v("text2", r.text2);
  v("text3", r.text3);
  v("reserved1", r.reserved1);
}

}  // namespace

void TNetObject::WriteFields(TFieldWriter& writer) const { NetFields(writer, FRecord); }
void TNetObject::ReadFields(TFieldReader& reader) { NetFields(reader, FRecord); }

void TFromToObject::WriteFields(TFieldWriter& writer) const { FromToFields(writer, FRecord); }
void TFromToObject::ReadFields(TFieldReader& reader) { FromToFields(reader, FRecord); }

void TManualFromToObject::WriteFields(TFieldWriter& writer) const {
  ManualFromToFields(writer, FRecord);
}
void TManualFromToObject::ReadFields(TFieldReader& reader) { ManualFromToFields(reader, FRecord); }

}  // namespace standin
