// Collects the text of one Specctra output file in memory, with the indentation of nested
// blocks, and writes it to the file in one piece.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TSpecctraWriter {
public:
  explicit TSpecctraWriter(std::string fileName) : FFileName(std::move(fileName)) {}

  void IndentIn(int32_t levels) { FIndent += levels * FIndentStep; }
  void IndentOut(int32_t levels) { FIndent -= levels * FIndentStep; }

  // Appends the text (after the indentation when indented); "~SP~" becomes the byte 0x1F.
  void Write(std::string_view text, bool indented);
  // Write with CR LF after the text.
  void WriteLine(std::string_view text, bool indented);

  // Writes the buffer to the file unless another holder locks it (then the locked-file notice
  // is given and false returned). Raises when the write fails.
  bool Save();

  const std::string& Buffer() const { return FBuffer; }
  const std::string& FileName() const { return FFileName; }

private:
  std::string FBuffer;
  int32_t FIndent = 0;
  const int32_t FIndentStep = 2;
  std::string FFileName;
};
