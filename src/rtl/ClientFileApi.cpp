#include "rtl/ClientFileApi.h"

#include <vector>

#include "host/Client.h"
#include "rtl/PcbApiBinding.h"

namespace {

// Calls a helper that writes its text into a buffer, growing the buffer when it was too small.
template <class Call>
std::string TextFromBuffer(Call&& call) {
  std::vector<char> buffer(host::kPathBufferSize);
  for (;;) {
    const uint32_t length = call(buffer.data(), static_cast<uint32_t>(buffer.size()));
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(static_cast<std::size_t>(length) * 2 + 2);
  }
}

}  // namespace

bool ClientFileExists(const std::string& path) {
  CLIENT_ENTRY_POINT(exists, ClientAPI_ExistSpecific);
  auto* f = exists.Get();
  return f && f(path.c_str());
}

std::string ClientExtractFileName(const std::string& path) {
  CLIENT_ENTRY_POINT(extract, ClientAPI_ExtractFileNameFromPath);
  auto* f = extract.Get();
  if (!f) return {};
  return TextFromBuffer([&](char* buffer, uint32_t size) { return f(path.c_str(), buffer, size); });
}

std::string ClientExtractWholeFileName(const std::string& path) {
  CLIENT_ENTRY_POINT(extract, ClientAPI_ExtractWholeFileNameFromPath);
  auto* f = extract.Get();
  if (!f) return {};
  return TextFromBuffer([&](char* buffer, uint32_t size) { return f(path.c_str(), buffer, size); });
}

std::string ClientForceExtension(const std::string& path, const std::string& extension) {
  CLIENT_ENTRY_POINT(force, ClientAPI_ForceFileNameExtension);
  auto* f = force.Get();
  if (!f) return {};
  return TextFromBuffer(
      [&](char* buffer, uint32_t size) { return f(path.c_str(), extension.c_str(), buffer, size); });
}
