// The fields of board document records, written and read by one field list per record.
//
// Each record has one template that names its fields in document order, e.g.
//   template <class V, class R> void TrackFields(V& v, R& r) { v("x1", r.x1); ... }
// TFieldWriter writes the fields as a JSON object straight into the document's text, leaving
// out every field at its zero value (0, false, empty text, all-zero bytes, empty list or
// object); TFieldReader fills them from an object read back, reads a field that is not there
// as that zero value, and refuses a value that does not fit. Tags (AsLayer, AsFlag, AsHex, ...)
// give a field its document form where the plain value is not enough.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/PcbApi.h"
#include "common/DocumentText.h"
#include "common/JsonTree.h"
#include "common/JsonWriter.h"
#include "server/TableRow.h"

namespace standin {

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
bool BytesOfHex(std::string_view hex, uint8_t* bytes, std::size_t size);

// Writes fields as the members of a JSON object, or, in row mode, as the cells of one row of
// a table (see TableRow.h): there every field off zero gives a cell, and the fields of a group
// are named "group.field". A field at zero is left out in both.
class TFieldWriter {
public:
  explicit TFieldWriter(TJsonWriter& json, TTableRow* row = nullptr) : FJson(json), FRow(row) {}

  template <class T>
    requires std::is_arithmetic_v<T>
  void operator()(const char* name, const T& value) {
    ++FOrdinal;
    if (IsZero(value)) return;
    if (!Start(name)) return;
    Number(value);
  }
  // A number written even when it is zero (fields every reader looks for); in a row as any.
  template <class T>
    requires std::is_arithmetic_v<T>
  void Always(const char* name, const T& value) {
    if (FRow) return (*this)(name, value);
    if (!Start(name)) return;
    Number(value);
  }
  template <THostString S>
  void operator()(const char* name, const S& text) {
    const std::size_t length = std::min<std::size_t>(text.length, sizeof(text.text));
    BytesField(name, std::string_view(text.text, length));
  }
  template <class T>
  void operator()(const char* name, TTextField<T> field) {
    BytesField(name, field.Text);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, const std::array<T, N>& values) {
    NumberList(name, values.data(), N);
  }
  template <class T, std::size_t N>
  void operator()(const char* name, const T (&values)[N]) {
    NumberList(name, values, N);
  }
  void operator()(const char* name, const std::vector<std::string>& texts);
  template <class T>
  void operator()(const char* name, TLayerField<T> field) {
    (*this)(name, field.Value);
  }
  template <class T>
  void operator()(const char* name, TFlagField<T> field) {
    (*this)(name, (field.Flags & field.Mask) != 0);
  }
  template <class T>
  void operator()(const char* name, TOtherFlagsField<T> field) {
    (*this)(name, static_cast<uint16_t>(field.Flags & ~field.Named));
  }
  template <class T>
  void operator()(const char* name, TSwitchField<T> field) {
    (*this)(name, field.Value != 0);
  }
  template <class T>
  void operator()(const char* name, THexField<T> field) {
    ++FOrdinal;
    const std::string hex = HexOfBytes(std::data(field.Bytes), std::size(field.Bytes));
    if (hex.empty()) return;
    if (!Start(name)) return;
    FJson.Text(hex);
  }

  // A nested object: fields(writer) names its fields. Left out when they all are.
  template <class Fields>
  void Group(const char* name, Fields&& fields) {
    if (FRow) return RowGroup(name, fields);
    const TJsonWriter::TMark mark = FJson.Mark();
    FJson.Key(name);
    FJson.StartObject();
    fields(*this);
    if (FJson.ContainerEmpty())
      FJson.Rewind(mark);
    else
      FJson.EndObject();
  }
  // A list of nested objects: fields(writer, item) names each item's fields.
  template <class T, class Fields>
  void List(const char* name, const std::vector<T>& items, Fields&& fields) {
    Entries(name, items.size(), [&](TFieldWriter& writer, std::size_t i) { fields(writer, items[i]); });
  }
  // A list of count nested objects: fields(writer, i) names the fields of the i-th.
  template <class Fields>
  void Entries(const char* name, std::size_t count, Fields&& fields) {
    ++FOrdinal;
    if (count == 0) return;
    if (!Start(name)) return;
    // The entries are objects of their own, whole in one cell of a row.
    TFieldWriter entry(FJson);
    FJson.StartList();
    for (std::size_t i = 0; i < count; ++i) {
      FJson.StartObject();
      fields(entry, i);
      FJson.EndObject();
    }
    FJson.EndList();
  }
  // A list of count [x, y] pairs: pair(i) gives the i-th as a std::pair.
  template <class Pair>
  void PairList(const char* name, std::size_t count, Pair&& pair) {
    ++FOrdinal;
    if (count == 0) return;
    if (!Start(name)) return;
    FJson.StartList();
    for (std::size_t i = 0; i < count; ++i) {
      const auto [x, y] = pair(i);
      FJson.StartList();
      Number(x);
      Number(y);
      FJson.EndList();
    }
    FJson.EndList();
  }

private:
  template <class T>
  static bool IsZero(const T& value) {
    if constexpr (std::is_floating_point_v<T>)
      return value == 0 || !std::isfinite(value);
    else
      return value == T{};
  }
  template <class T>
  void Number(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
      FJson.Boolean(value);
    else if constexpr (std::is_floating_point_v<T>)
      FJson.Real(static_cast<double>(value));
    else if constexpr (std::is_signed_v<T>)
      FJson.Signed(static_cast<int64_t>(value));
    else
      FJson.Unsigned(static_cast<uint64_t>(value));
  }
  template <class T>
  void NumberList(const char* name, const T* values, std::size_t count) {
    ++FOrdinal;
    if (std::all_of(values, values + count, [](const T& value) { return IsZero(value); }))
      return;
    if (!Start(name)) return;
    FJson.StartList();
    for (std::size_t i = 0; i < count; ++i) Number(values[i]);
    FJson.EndList();
  }
  template <class Fields>
  void RowGroup(const char* name, Fields& fields) {
    const std::size_t length = FPrefix.size();
    FPrefix.append(name).append(1, '.');
    fields(*this);
    FPrefix.resize(length);
  }
  void BytesField(const char* name, std::string_view bytes);
  // Starts a field's value: its key in an object, its cell in a row. False when the row needs
  // no text of it: the value is then not written.
  bool Start(const char* name) {
    if (FRow) return FRow->Value(FPrefix, name, FJson.BufferSize(), FOrdinal);
    FJson.Key(name);
    return true;
  }

  TJsonWriter& FJson;
  TTableRow* FRow = nullptr;
  std::string FPrefix;  // of the group being written in row mode: "group."
  std::size_t FOrdinal = 0;  // fields named so far, at zero or not: a field's place in a row
};

class TFieldReader {
public:
  // where: the object's place in the document, for error texts ("objects[3] (track)").
  TFieldReader(TJsonValue object, std::string where);
  // The same with the place made only when an error text needs it.
  TFieldReader(TJsonValue object, std::function<std::string()> where);
  // A nested object: the field of the parent it is, and its position when it is a list entry.
  TFieldReader(TJsonValue object, const TFieldReader& parent, const char* field,
               std::size_t position = kNoPosition);

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
    const TJsonValue value = Value(name);
    if (!value.Exists()) {
      std::fill(std::begin(field.Bytes), std::end(field.Bytes), 0);
      return;
    }
    if (!value.IsText() ||
        !BytesOfHex(value.Text(), std::data(field.Bytes), std::size(field.Bytes)))
      Fail(name, "is not hexadecimal text of at most " + std::to_string(std::size(field.Bytes)) +
                     " bytes");
  }

  // A nested object; when it is not there, its fields all read as absent.
  template <class Fields>
  void Group(const char* name, Fields&& fields) {
    const TJsonValue group = Value(name);
    if (group.Exists() && !group.IsObject()) Fail(name, "is not an object");
    TFieldReader reader(group, *this, name);
    fields(reader);
  }
  template <class T, class Fields>
  void List(const char* name, std::vector<T>& items, Fields&& fields) {
    items.clear();
    items.reserve(ListSize(name));
    Entries(name, [&](TFieldReader& reader, std::size_t) { fields(reader, items.emplace_back()); });
  }
  // Each entry of a list of objects (none when the list is not there): fields(reader, i).
  template <class Fields>
  void Entries(const char* name, Fields&& fields) {
    const TJsonValue list = Value(name);
    if (list.Exists() && !list.IsList()) ListFail(name, list);
    std::size_t position = 0;
    for (const TJsonValue entry : list) {
      if (!entry.IsObject()) Fail(name, "has an entry that is not an object");
      TFieldReader reader(entry, *this, name, position);
      fields(reader, position++);
    }
  }
  // Each [x, y] pair of a list (none when the list is not there): pair(i, x, y), whole numbers
  // from least to most.
  template <class Pair>
  void PairList(const char* name, int64_t least, int64_t most, Pair&& pair) {
    const TJsonValue list = Value(name);
    if (list.Exists() && !list.IsList()) ListFail(name, list);
    std::size_t position = 0;
    for (const TJsonValue entry : list) {
      if (!entry.IsList() || entry.Size() != 2) Fail(name, "has a point that is not [x, y]");
      pair(position++, IntegerOf(entry.At(0), name, least, most),
           IntegerOf(entry.At(1), name, least, most));
    }
  }

  // The field, which must be there.
  TJsonValue Field(const char* name) const;
  // The field, or no value when it is not there.
  TJsonValue Value(const char* name) const;
  // The number of entries of a list field; 0 when it is not there.
  std::size_t ListSize(const char* name) const;
  // A list field that must be there.
  TJsonValue ListField(const char* name) const;
  // A whole number from least to most; an absent field reads as 0, and is refused as missing
  // when 0 is out of the range.
  int64_t Integer(const char* name, int64_t least, int64_t most) const;
  int64_t IntegerOf(TJsonValue value, const char* name, int64_t least, int64_t most) const;
  bool Boolean(const char* name) const;
  double Real(const char* name) const;
  double RealOf(TJsonValue value, const char* name) const;
  // A byte string of at most capacity bytes; empty when absent.
  std::string Text(const char* name, std::size_t capacity) const;
  std::string TextOf(TJsonValue value, const char* name, std::size_t capacity) const;

  [[noreturn]] void Fail(const char* field, const std::string& problem) const;
  [[noreturn]] void Fail(const std::string& problem) const;
  // The object's place in the document, and that of one of its fields.
  std::string Where() const;
  std::string Where(const char* field) const;

  static constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

private:
  [[noreturn]] void ListFail(const char* name, TJsonValue value) const;

  template <class T>
  void ReadNumbers(const char* name, T* values, std::size_t count) {
    const TJsonValue list = Value(name);
    if (!list.Exists()) {
      std::fill(values, values + count, T{});
      return;
    }
    if (!list.IsList()) ListFail(name, list);
    if (list.Size() != count) Fail(name, "must have " + std::to_string(count) + " entries");
    std::size_t i = 0;
    for (const TJsonValue entry : list) {
      if constexpr (std::is_floating_point_v<T>)
        values[i++] = static_cast<T>(RealOf(entry, name));
      else
        values[i++] = static_cast<T>(IntegerOf(entry, name, std::numeric_limits<T>::min(),
                                               static_cast<int64_t>(std::numeric_limits<T>::max())));
    }
  }

  TJsonValue FObject;
  mutable uint32_t FCursor = 0;
  std::string FWhere;
  std::function<std::string()> FWhereOf;
  const TFieldReader* FParent = nullptr;
  const char* FField = nullptr;
  std::size_t FPosition = kNoPosition;
};

}  // namespace standin
