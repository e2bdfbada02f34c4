// The fields of board document records, written and read by one field list per record.
//
// Each record has one template that names its fields in document order, e.g.
//   template <class V, class R> void TrackFields(V& v, R& r) { v("x1", r.x1); ... }
// TFieldWriter turns the fields into a JSON object, TFieldReader fills them from one and
// refuses a missing field or a value that does not fit. Tags (AsLayer, AsFlag, AsHex, ...)
// give a field its document form where the plain value is not enough.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/PcbApi.h"
#include "common/DocumentText.h"

namespace standin {

using TJson = nlohmann::ordered_json;

// A board document that cannot be loaded; the text says what and where.
class EBoardDocument : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A layer number 0..82.
template <class T>
struct TLayerField {
  T& Value;
};
// One bit of a flag word, as true or false.
template <class T>
struct TFlagField {
  T& Flags;
  uint16_t Mask;
};
// The flag word without the bits that have fields of their own.
template <class T>
struct TOtherFlagsField {
  T& Flags;
  uint16_t Named;
};
// A byte that is a flag (0 or 1), as false or true.
template <class T>
struct TSwitchField {
  T& Value;
};
// A block of bytes kept whole, as hexadecimal text without its trailing zero bytes.
template <class T>
struct THexField {
  T& Bytes;
};
// A byte string of at most Capacity bytes.
template <class T>
struct TTextField {
  T& Text;
  std::size_t Capacity;
};

template <class T>
TLayerField<T> AsLayer(T& value) {
  return {value};
}
template <class T>
TFlagField<T> AsFlag(T& flags, uint16_t mask) {
  return {flags, mask};
}
template <class T>
TOtherFlagsField<T> AsOtherFlags(T& flags, uint16_t named) {
  return {flags, named};
}
template <class T>
TSwitchField<T> AsSwitch(T& value) {
  return {value};
}
template <class T>
THexField<T> AsHex(T& bytes) {
  return {bytes};
}
template <class T>
TTextField<T> AsText(T& text, std::size_t capacity) {
  return {text, capacity};
}

// The host's length-prefixed strings (PcbShortString, PcbString20, PcbString254).
template <class S>
concept THostString = requires(S s) {
  s.length;
  s.text;
};

std::string HexOfBytes(const uint8_t* bytes, std::size_t size);
// False when the text is not hexadecimal or holds more than size bytes; the rest is zero.
bool BytesOfHex(const std::string& hex, uint8_t* bytes, std::size_t size);

class TFieldWriter {
public:
  explicit TFieldWriter(TJson& object) : FObject(object) {}

  template <class T>
    requires std::is_arithmetic_v<T>
  void operator()(const char* name, const T& value) {
    if constexpr (std::is_floating_point_v<T>)
      FObject[name] = std::isfinite(value) ? value : 0.0;
    else
      FObject[name] = value;
  }
  template <THostString S>
  void operator()(const char* name, const S& text) {
    const std::size_t length = std::min<std::size_t>(text.length, sizeof(text.text));
    FObject[name] = BytesToDocumentText(std::string_view(text.text, length));
  }
  template <class T>
  void operator()(const char* name, TTextField<T> field) {
    FObject[name] = BytesToDocumentText(field.Text);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, const std::array<T, N>& values) {
    FObject[name] = values;
  }
  template <class T, std::size_t N>
  void operator()(const char* name, const T (&values)[N]) {
    TJson list = TJson::array();
    for (const T& value : values) list.push_back(value);
    FObject[name] = std::move(list);
  }
  void operator()(const char* name, const std::vector<std::string>& texts);
  template <class T>
  void operator()(const char* name, TLayerField<T> field) {
    FObject[name] = field.Value;
  }
  template <class T>
  void operator()(const char* name, TFlagField<T> field) {
    FObject[name] = (field.Flags & field.Mask) != 0;
  }
  template <class T>
  void operator()(const char* name, TOtherFlagsField<T> field) {
    FObject[name] = static_cast<uint16_t>(field.Flags & ~field.Named);
  }
  template <class T>
  void operator()(const char* name, TSwitchField<T> field) {
    FObject[name] = field.Value != 0;
  }
  template <class T>
  void operator()(const char* name, THexField<T> field) {
    FObject[name] = HexOfBytes(std::data(field.Bytes), std::size(field.Bytes));
  }

  // A nested object: fields(writer) names its fields.
  template <class Fields>
  void Group(const char* name, Fields&& fields) {
    TJson group = TJson::object();
    TFieldWriter writer(group);
    fields(writer);
    FObject[name] = std::move(group);
  }
  // A list of nested objects: fields(writer, item) names each item's fields.
  template <class T, class Fields>
  void List(const char* name, const std::vector<T>& items, Fields&& fields) {
    TJson list = TJson::array();
    for (const T& item : items) {
      TJson element = TJson::object();
      TFieldWriter writer(element);
      fields(writer, item);
      list.push_back(std::move(element));
    }
    FObject[name] = std::move(list);
  }

  TJson& Object() { return FObject; }

private:
  TJson& FObject;
};

class TFieldReader {
public:
  // where: the object's place in the document, for error texts ("objects[3] (track)").
  TFieldReader(const TJson& object, std::string where);

  template <class T>
    requires std::is_integral_v<T> && (!std::is_same_v<T, bool>)
  void operator()(const char* name, T& value) {
    value = static_cast<T>(Integer(name, std::numeric_limits<T>::min(),
                                   static_cast<int64_t>(std::numeric_limits<T>::max())));
  }
  void operator()(const char* name, bool& value) { value = Boolean(name); }
  void operator()(const char* name, double& value) { value = Real(name); }
  template <THostString S>
  void operator()(const char* name, S& text) {
    const std::string bytes = Text(name, sizeof(text.text));
    text = {};
    text.length = static_cast<uint8_t>(bytes.size());
    bytes.copy(text.text, bytes.size());
  }
  template <class T>
  void operator()(const char* name, TTextField<T> field) {
    field.Text = Text(name, field.Capacity);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, std::array<T, N>& values) {
    ReadNumbers(name, values.data(), N);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, T (&values)[N]) {
    ReadNumbers(name, values, N);
  }
  void operator()(const char* name, std::vector<std::string>& texts);
  template <class T>
  void operator()(const char* name, TLayerField<T> field) {
    field.Value = static_cast<T>(Integer(name, 0, kLayerCount - 1));
  }
  template <class T>
  void operator()(const char* name, TFlagField<T> field) {
    const bool on = Boolean(name);
    field.Flags = static_cast<T>(on ? field.Flags | field.Mask : field.Flags & ~field.Mask);
  }
  template <class T>
  void operator()(const char* name, TOtherFlagsField<T> field) {
    const auto other = static_cast<T>(Integer(name, 0, std::numeric_limits<T>::max()));
    field.Flags = static_cast<T>((other & ~field.Named) | (field.Flags & field.Named));
  }
  template <class T>
  void operator()(const char* name, TSwitchField<T> field) {
    field.Value = Boolean(name) ? 1 : 0;
  }
  template <class T>
  void operator()(const char* name, THexField<T> field) {
    const TJson& value = Field(name);
    if (!value.is_string() ||
        !BytesOfHex(value.get_ref<const std::string&>(), std::data(field.Bytes),
                    std::size(field.Bytes)))
      Fail(name, "is not hexadecimal text of at most " + std::to_string(std::size(field.Bytes)) +
                     " bytes");
  }

  template <class Fields>
  void Group(const char* name, Fields&& fields) {
    const TJson& group = Field(name);
    if (!group.is_object()) Fail(name, "is not an object");
    TFieldReader reader(group, Where(name));
    fields(reader);
  }
  template <class T, class Fields>
  void List(const char* name, std::vector<T>& items, Fields&& fields) {
    const TJson& list = ListField(name);
    items.clear();
    items.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (!list[i].is_object()) Fail(name, "has an entry that is not an object");
      TFieldReader reader(list[i], Where(name) + "[" + std::to_string(i) + "]");
      fields(reader, items.emplace_back());
    }
  }

  // The field, which must be there.
  const TJson& Field(const char* name) const;
  // The field as a list.
  const TJson& ListField(const char* name) const;
  int64_t Integer(const char* name, int64_t least, int64_t most) const;
  int64_t IntegerOf(const TJson& value, const char* name, int64_t least, int64_t most) const;
  bool Boolean(const char* name) const;
  double Real(const char* name) const;
  double RealOf(const TJson& value, const char* name) const;
  // A byte string of at most capacity bytes.
  std::string Text(const char* name, std::size_t capacity) const;
  std::string TextOf(const TJson& value, const char* name, std::size_t capacity) const;

  [[noreturn]] void Fail(const char* field, const std::string& problem) const;
  [[noreturn]] void Fail(const std::string& problem) const;
  std::string Where(const char* field) const;

private:
  template <class T>
  void ReadNumbers(const char* name, T* values, std::size_t count) {
    const TJson& list = ListField(name);
    if (list.size() != count) Fail(name, "must have " + std::to_string(count) + " entries");
    for (std::size_t i = 0; i < count; ++i) {
      if constexpr (std::is_floating_point_v<T>)
        values[i] = RealOf(list[i], name);
      else
        values[i] = static_cast<T>(IntegerOf(list[i], name, std::numeric_limits<T>::min(),
                                             static_cast<int64_t>(std::numeric_limits<T>::max())));
    }
  }

  const TJson& FObject;
  std::string FWhere;
};

}  // namespace standin
