#include "app/board_view/TextSink.h"

#include <utility>

namespace pcbhost {

TTextSink::TTextSink(TDrain drain, std::size_t chunkSize)
    : FDrain(std::move(drain)), FChunkSize(chunkSize) {
  FText.reserve(chunkSize + chunkSize / 4);
}

void TTextSink::Append(std::string_view text) {
  FText += text;
  FlushWhenFull();
}

void TTextSink::FlushWhenFull() {
  if (FText.size() >= FChunkSize) Flush();
}

bool TTextSink::Flush() {
  if (!FText.empty() && !FFailed) FFailed = !FDrain(FText);
  FText.clear();
  return !FFailed;
}

}  // namespace pcbhost
