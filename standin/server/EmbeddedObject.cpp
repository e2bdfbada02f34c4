#include "server/EmbeddedObject.h"

#include <algorithm>
#include <cstring>

#include "server/DocumentFields.h"

namespace standin {
namespace {

constexpr std::size_t kMaxData = kPcbEmbeddedDataSize - 1;

template <class V, class N, class D>
void EmbeddedFields(V& v, N& name, D& data) {
  v("name", name);
  v("data", AsText(data, kMaxData));
}

}  // namespace

void TEmbeddedObject::Give(PcbEmbeddedRecord& record) const {
  record.name = FName;
  std::memcpy(record.data, FData.data(), FData.size());
  std::memset(record.data + FData.size(), 0, sizeof(record.data) - FData.size());
}

void TEmbeddedObject::Take(const PcbEmbeddedRecord& record) {
  FName = record.name;
  FData.assign(record.data, ::strnlen(record.data, kMaxData));
}

void TEmbeddedObject::WriteFields(TFieldWriter& writer) const {
  EmbeddedFields(writer, FName, FData);
}

void TEmbeddedObject::ReadFields(TFieldReader& reader) {
  EmbeddedFields(reader, FName, FData);
  // A zero byte would end the text early on its next read.
  FData.resize(::strnlen(FData.c_str(), FData.size()));
}

}  // namespace standin
