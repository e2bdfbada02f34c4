#include "app/WidePath.h"

namespace pcbhost {

std::wstring WidePath(std::string_view path) {
  std::wstring wide;
  wide.reserve(path.size());
  for (const char c : path) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

}  // namespace pcbhost
