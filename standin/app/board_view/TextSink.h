// Text made piece by piece and handed on in large chunks, so that a picture of many megabytes
// never has to be held whole in memory.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pcbhost {

class TTextSink {
public:
  // Receives each chunk in order; answers false when it cannot take it.
  using TDrain = std::function<bool(std::string_view)>;

  explicit TTextSink(TDrain drain, std::size_t chunkSize = std::size_t{1} << 20);

  // The text to append to; hand it on with Flush (or by Append) once it has grown.
  std::string& Text() { return FText; }
  void Append(std::string_view text);
  // Hands the text on when it has reached the chunk size.
  void FlushWhenFull();
  // Hands on whatever is held; answers false once any drain has failed.
  bool Flush();

private:
  TDrain FDrain;
  std::string FText;
  std::size_t FChunkSize;
  bool FFailed = false;
};

}  // namespace pcbhost
