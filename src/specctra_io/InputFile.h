// A Specctra input file held whole in memory; the lexer reads it forward from there.
// Nothing is ever written back to the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TInputFile {
public:
  // Loads the file; raises std::runtime_error naming the file when it cannot be read.
  explicit TInputFile(std::string fileName);
  // Input that is already in memory; the name is used only in captions and messages.
  TInputFile(std::string fileName, std::string bytes);

  const std::string& FileName() const { return FFileName; }
  std::string_view Bytes() const { return FBytes; }
  std::size_t Size() const { return FBytes.size(); }
  // Frees the bytes once they are read (the name stays).
  void ReleaseBytes() { std::string().swap(FBytes); }

private:
  std::string FFileName;
  std::string FBytes;
};
