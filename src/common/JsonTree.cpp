#include "common/JsonTree.h"

#include <limits>

// Values -----------------------------------------------------------------------------------

const char* TJsonValue::TypeName() const {
  if (!Exists()) return "missing";
  switch (Type()) {
    case TJsonType::Null: return "null";
    case TJsonType::Boolean: return "boolean";
    case TJsonType::Signed:
    case TJsonType::Unsigned:
    case TJsonType::Real: return "number";
    case TJsonType::Text: return "string";
    case TJsonType::List: return "array";
    case TJsonType::Object: return "object";
  }
  return "value";
}

bool TJsonValue::Boolean() const { return IsBoolean() && FTree->Node(FIndex).Flag; }

int64_t TJsonValue::Signed() const {
  if (!IsInteger()) return 0;
  const TJsonTree::TNode& node = FTree->Node(FIndex);
  if (node.Type == TJsonType::Signed) return node.Number.Signed;
  constexpr auto kMost = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  return static_cast<int64_t>(node.Number.Unsigned > kMost ? kMost : node.Number.Unsigned);
}

uint64_t TJsonValue::Unsigned() const {
  return IsUnsigned() ? FTree->Node(FIndex).Number.Unsigned : 0;
}

double TJsonValue::Real() const {
  if (!Exists()) return 0;
  const TJsonTree::TNode& node = FTree->Node(FIndex);
  switch (node.Type) {
    case TJsonType::Signed: return static_cast<double>(node.Number.Signed);
    case TJsonType::Unsigned: return static_cast<double>(node.Number.Unsigned);
    case TJsonType::Real: return node.Number.Real;
    default: return 0;
  }
}

std::string_view TJsonValue::Text() const {
  if (!IsText()) return {};
  const TJsonTree::TNode& node = FTree->Node(FIndex);
  return FTree->TextAt(node.TextStart, node.TextLength);
}

std::string_view TJsonValue::Key() const {
  if (!Exists()) return {};
  const TJsonTree::TNode& node = FTree->Node(FIndex);
  return FTree->TextAt(node.KeyStart, node.KeyLength);
}

TJsonValue TJsonValue::Find(std::string_view key, uint32_t* cursor) const {
  if (Size() == 0 || !IsObject()) return {};
  if ((FTree->Node(FIndex).Number.KeyBits & TJsonTree::KeyBit(key)) == 0) return {};
  const uint32_t first = FIndex + 1;
  const uint32_t end = FTree->Node(FIndex).End;
  uint32_t index = cursor && *cursor > FIndex && *cursor < end ? *cursor : first;
  // Walk from the cursor to the last member, then from the first one round to the cursor.
  for (uint32_t seen = Size(); seen > 0; --seen) {
    const TJsonTree::TNode& node = FTree->Node(index);
    const uint32_t next = node.End == end ? first : node.End;
    if (node.KeyLength == key.size() && FTree->TextAt(node.KeyStart, node.KeyLength) == key) {
      if (cursor) *cursor = next;
      return {FTree, index};
    }
    index = next;
  }
  return {};
}

TJsonValue TJsonValue::At(uint32_t position) const {
  if (position >= Size()) return {};
  uint32_t index = FIndex + 1;
  for (uint32_t skipped = 0; skipped < position; ++skipped) index = FTree->Node(index).End;
  return {FTree, index};
}

TJsonValue::TIterator& TJsonValue::TIterator::operator++() {
  FIndex = FTree->Node(FIndex).End;
  return *this;
}

TJsonValue::TIterator TJsonValue::begin() const {
  if (Size() == 0) return end();
  return {FTree, FIndex + 1};
}

TJsonValue::TIterator TJsonValue::end() const {
  if (!Exists()) return {nullptr, 0};
  return {FTree, FTree->Node(FIndex).End};
}

// Building ---------------------------------------------------------------------------------

void TJsonTree::Clear() {
  FNodes.clear();
  FOpen.clear();
  FTexts.clear();
  FKeyStart = FKeyLength = 0;
}

void TJsonTree::Key(std::string_view key) {
  FKeyStart = static_cast<uint32_t>(FTexts.size());
  FKeyLength = static_cast<uint32_t>(key.size());
  FTexts.append(key);
}

TJsonTree::TNode& TJsonTree::Add(TJsonType type) {
  if (!FOpen.empty()) {
    TNode& container = FNodes[FOpen.back()];
    ++container.Count;
    if (container.Type == TJsonType::Object)
      container.Number.KeyBits |= KeyBit(TextAt(FKeyStart, FKeyLength));
  }
  TNode& node = FNodes.emplace_back();
  node.Type = type;
  node.End = static_cast<uint32_t>(FNodes.size());
  node.KeyStart = FKeyStart;
  node.KeyLength = FKeyLength;
  FKeyStart = FKeyLength = 0;
  return node;
}

void TJsonTree::Open(TJsonType type) {
  Add(type);
  FOpen.push_back(static_cast<uint32_t>(FNodes.size() - 1));
}

void TJsonTree::EndContainer() {
  if (FOpen.empty()) return;
  FNodes[FOpen.back()].End = static_cast<uint32_t>(FNodes.size());
  FOpen.pop_back();
}

void TJsonTree::Null() { Add(TJsonType::Null); }

void TJsonTree::Boolean(bool value) { Add(TJsonType::Boolean).Flag = value; }

void TJsonTree::Signed(int64_t value) { Add(TJsonType::Signed).Number.Signed = value; }

void TJsonTree::Unsigned(uint64_t value) { Add(TJsonType::Unsigned).Number.Unsigned = value; }

void TJsonTree::Real(double value) { Add(TJsonType::Real).Number.Real = value; }

void TJsonTree::Text(std::string_view text) {
  const auto start = static_cast<uint32_t>(FTexts.size());
  FTexts.append(text);
  TNode& node = Add(TJsonType::Text);
  node.TextStart = start;
  node.TextLength = static_cast<uint32_t>(text.size());
}

void TJsonTree::Copy(TJsonValue value) {
  switch (value.Type()) {
    case TJsonType::Null: Null(); return;
    case TJsonType::Boolean: Boolean(value.Boolean()); return;
    case TJsonType::Signed: Signed(value.Signed()); return;
    case TJsonType::Unsigned: Unsigned(value.Unsigned()); return;
    case TJsonType::Real: Real(value.Real()); return;
    case TJsonType::Text: Text(value.Text()); return;
    case TJsonType::List:
    case TJsonType::Object: {
      const bool object = value.Type() == TJsonType::Object;
      Open(object ? TJsonType::Object : TJsonType::List);
      for (const TJsonValue entry : value) {
        if (object) Key(entry.Key());
        Copy(entry);
      }
      EndContainer();
      return;
    }
  }
}
