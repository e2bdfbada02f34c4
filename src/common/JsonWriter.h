// Compact JSON text made as it is written: values go straight into a buffer (numbers through
// std::to_chars), separators are put in by the writer, and the owner drains the buffer to its
// file whenever it likes between values. A container that stays empty can be taken back.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TJsonWriter {
public:
  // A point to come back to, to take back what was written after it.
  struct TMark {
    std::size_t Size = 0;
    std::size_t Depth = 0;
    bool First = true;
    bool BreakPending = false;
  };

  void Key(std::string_view key);
  void Null();
  void Boolean(bool value);
  void Signed(int64_t value) {
    Separate();
    AppendNumber(value);
  }
  void Unsigned(uint64_t value) {
    Separate();
    AppendNumber(value);
  }
  // Finite values only; a whole number keeps a ".0" so that it reads back as a real number.
  void Real(double value);
  // UTF-8 text, escaped as JSON needs.
  void Text(std::string_view text);
  // A byte string as characters U+0000..U+00FF (see DocumentText.h).
  void Bytes(std::string_view bytes);
  // Text already in JSON form (a number, a literal), written as it is.
  void Literal(std::string_view json);
  // Entries of the open list made elsewhere, each after a comma (and whatever line break it
  // wants): ",1,\n2". Its owner writes them straight after this writer's buffer, as the text
  // returned: without the first comma when the list is still empty.
  std::string_view EntriesBeside(std::string_view json);
  void StartObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void StartList() { Open('['); }
  void EndList() { Close(']'); }
  // A line break before the next value (after its comma) or closing bracket, for documents
  // read line by line; at once outside any container.
  void NewLine();

  TMark Mark() const;
  // Takes back everything written since the mark.
  void Rewind(const TMark& mark);
  // Whether the innermost open container has had nothing written into it.
  bool ContainerEmpty() const { return FFirst.empty() || FFirst.back(); }

  const std::string& Buffer() const { return FText; }
  std::size_t BufferSize() const { return FText.size(); }
  // Empties the buffer (after its text has been saved elsewhere).
  void Drained() { FText.clear(); }

private:
  // The comma (and line break) before a value; nothing after a key or before the first value.
  void Separate() {
    if (FAfterKey) {
      FAfterKey = false;
      return;
    }
    if (FFirst.empty()) return;
    SeparateInContainer();
  }
  void SeparateInContainer();
  void BreakLine();
  void Open(char bracket);
  void Close(char bracket);
  void AppendEscaped(char c);
  void AppendText(std::string_view text);
  template <class T>
  void AppendNumber(T value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof(digits), value);
    FText.append(digits, static_cast<std::size_t>(result.ptr - digits));
  }

  std::string FText;
  std::vector<bool> FFirst;  // per open container: nothing in it yet
  bool FAfterKey = false;
  bool FBreakPending = false;
};
