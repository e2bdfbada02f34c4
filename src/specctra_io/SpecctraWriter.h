// Writes the text of one Specctra output file, with the indentation of nested blocks. The
// text is handed in large chunks to a temporary file beside the target as it grows, so a large
// file never sits whole in memory; Save then puts the finished file in place. The target is
// replaced whole or not at all: a writer freed or a process ended before Save leaves it as it
// was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TReplacingFile;

class TSpecctraWriter {
public:
  explicit TSpecctraWriter(std::string fileName);
  ~TSpecctraWriter();
  TSpecctraWriter(const TSpecctraWriter&) = delete;
  TSpecctraWriter& operator=(const TSpecctraWriter&) = delete;

  void IndentIn(int32_t levels) { FIndent += levels * FIndentStep; }
  void IndentOut(int32_t levels) { FIndent -= levels * FIndentStep; }

  // Appends the text (after the indentation when indented); "~SP~" becomes the byte 0x1F.
  void Write(std::string_view text, bool indented);
  // Write with CR LF after the text.
  void WriteLine(std::string_view text, bool indented);

  // Puts the file in place unless another holder locks it (then the locked-file notice is
  // given, the written text dropped and false returned). Raises when the file cannot be
  // written. Called once, after the last write.
  bool Save();

  // The text not yet handed to the file: all of it while it is shorter than one chunk.
  const std::string& Buffer() const { return FBuffer; }
  // Bytes written so far, handed to the file or not.
  uint64_t WrittenSize() const { return FHandedOver + FBuffer.size(); }
  const std::string& FileName() const { return FFileName; }

private:
  // Hands the buffer to the temporary file (made at the first chunk) and empties it.
  void HandOverChunk();

  std::string FBuffer;
  int32_t FIndent = 0;
  const int32_t FIndentStep = 2;
  std::string FFileName;
  std::unique_ptr<TReplacingFile> FFile;
  uint64_t FHandedOver = 0;
};
