// One JSON value held as a flat tree: the nodes in document order, each knowing where its
// subtree ends, and the texts (keys and strings, unescaped) in one buffer. A reader fills it
// with one record at a time and clears it for the next, so that its memory is reused and a
// document of any length never needs more than its largest record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TJsonType : uint8_t { Null, Boolean, Signed, Unsigned, Real, Text, List, Object };

class TJsonTree;

// A value in a tree, or no value (a field that is not there). Valid while the tree is unchanged.
class TJsonValue {
public:
  TJsonValue() = default;
  TJsonValue(const TJsonTree* tree, uint32_t index) : FTree(tree), FIndex(index) {}

  bool Exists() const { return FTree != nullptr; }
  TJsonType Type() const;
  bool IsNull() const { return Exists() && Type() == TJsonType::Null; }
  bool IsBoolean() const { return Exists() && Type() == TJsonType::Boolean; }
  bool IsText() const { return Exists() && Type() == TJsonType::Text; }
  bool IsList() const { return Exists() && Type() == TJsonType::List; }
  bool IsObject() const { return Exists() && Type() == TJsonType::Object; }
  // A whole number that is not negative.
  bool IsUnsigned() const { return Exists() && Type() == TJsonType::Unsigned; }
  // A whole number, negative or not.
  bool IsInteger() const { return IsUnsigned() || (Exists() && Type() == TJsonType::Signed); }
  bool IsNumber() const { return IsInteger() || (Exists() && Type() == TJsonType::Real); }
  // "null", "boolean", "number", "string", "array" or "object", for error texts.
  const char* TypeName() const;

  bool Boolean() const;
  // Of an integer: its value (an unsigned one above INT64_MAX reads as INT64_MAX).
  int64_t Signed() const;
  // Of an unsigned integer: its value.
  uint64_t Unsigned() const;
  // Of any number: its value as a double.
  double Real() const;
  std::string_view Text() const;
  // The key of an object's member.
  std::string_view Key() const;

  // The number of entries of a list or members of an object.
  uint32_t Size() const;
  // The member of an object with the key; no value when there is none. Looking members up in
  // the order they were written finds each at once: the search starts at *cursor (kept by the
  // caller, 0 at first; left after the member found) and goes round.
  TJsonValue Find(std::string_view key, uint32_t* cursor = nullptr) const;
  // The entry or member at the position (counting from 0); no value past the end.
  TJsonValue At(uint32_t position) const;

  class TIterator {
  public:
    TIterator(const TJsonTree* tree, uint32_t index) : FTree(tree), FIndex(index) {}
    TJsonValue operator*() const { return {FTree, FIndex}; }
    TIterator& operator++();
    bool operator!=(const TIterator& other) const { return FIndex != other.FIndex; }

  private:
    const TJsonTree* FTree;
    uint32_t FIndex;
  };
  // The entries of a list or members of an object; nothing for other values.
  TIterator begin() const;
  TIterator end() const;

private:
  const TJsonTree* FTree = nullptr;
  uint32_t FIndex = 0;
};

class TJsonTree {
public:
  struct TNode {
    TJsonType Type = TJsonType::Null;
    bool Flag = false;
    uint32_t End = 0;    // index after the last node of the subtree
    uint32_t Count = 0;  // entries or members of a container
    uint32_t KeyStart = 0, KeyLength = 0;
    uint32_t TextStart = 0, TextLength = 0;
    union {
      int64_t Signed;
      uint64_t Unsigned;
      double Real;
      // Of an object: one bit set for each member's key (KeyBit), so that a lookup of a key
      // that is not there mostly ends without visiting the members.
      uint64_t KeyBits;
    } Number{};
  };

  // The bit a key sets in its object's KeyBits: from its length and its first, middle and
  // last letters, which tell the keys of a record apart well enough, at the cost of a few
  // instructions.
  static uint64_t KeyBit(std::string_view key) {
    if (key.empty()) return 1;
    const auto letter = [&](std::size_t at) { return static_cast<uint32_t>(key[at] & 0xFF); };
    const uint32_t hash = static_cast<uint32_t>(key.size()) * 0x9E3779B1u + letter(0) * 961u +
                          letter(key.size() / 2) * 31u + letter(key.size() - 1);
    return uint64_t{1} << ((hash ^ (hash >> 6) ^ (hash >> 12)) & 63);
  }

  void Clear();
  bool Empty() const { return FNodes.empty(); }
  // The root value (the first one added); no value when the tree is empty.
  TJsonValue Root() const { return Empty() ? TJsonValue() : TJsonValue(this, 0); }

  // Building, in document order: a value inside an object follows its Key.
  void Key(std::string_view key);
  void Null();
  void Boolean(bool value);
  void Signed(int64_t value);
  void Unsigned(uint64_t value);
  void Real(double value);
  void Text(std::string_view text);
  void StartList() { Open(TJsonType::List); }
  void StartObject() { Open(TJsonType::Object); }
  void EndContainer();
  // How many containers are open.
  std::size_t Depth() const { return FOpen.size(); }
  // The number of values added so far: the index the next one gets.
  uint32_t NodeCount() const { return static_cast<uint32_t>(FNodes.size()); }
  // Adds a copy of a value of any tree (not this one).
  void Copy(TJsonValue value);

  const TNode& Node(uint32_t index) const { return FNodes[index]; }
  std::string_view TextAt(uint32_t start, uint32_t length) const {
    return std::string_view(FTexts).substr(start, length);
  }

private:
  TNode& Add(TJsonType type);
  void Open(TJsonType type);

  std::vector<TNode> FNodes;
  std::vector<uint32_t> FOpen;
  std::string FTexts;
  uint32_t FKeyStart = 0, FKeyLength = 0;
};

// The accessors every field read goes through, inline where the readers are.
inline TJsonType TJsonValue::Type() const { return FTree->Node(FIndex).Type; }

inline uint32_t TJsonValue::Size() const {
  if (!Exists()) return 0;
  const TJsonTree::TNode& node = FTree->Node(FIndex);
  return node.Type == TJsonType::List || node.Type == TJsonType::Object ? node.Count : 0;
}
