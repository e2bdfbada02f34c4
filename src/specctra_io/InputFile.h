// A Specctra input file held whole in memory. The lexer reads it forward byte by byte and
// may step back; nothing is ever written back to the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TInputFile {
public:
  // Loads the file; raises std::runtime_error naming the file when it cannot be read.
  explicit TInputFile(std::string fileName);
  // Input that is already in memory; the name is used only for messages and captions.
  TInputFile(std::string fileName, std::string bytes);

  const std::string& FileName() const { return FFileName; }
  std::string_view Bytes() const { return FBytes; }
  std::size_t Size() const { return FBytes.size(); }

  // Offset of the next byte to read.
  std::size_t Position() const { return FPosition; }
  // Moves the read offset; offsets past the end stop at the end.
  void Seek(std::size_t position) { FPosition = position < FBytes.size() ? position : FBytes.size(); }
  bool AtEnd() const { return FPosition >= FBytes.size(); }

private:
  std::string FFileName;
  std::string FBytes;
  std::size_t FPosition = 0;
};
