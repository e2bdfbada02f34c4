#include "model/geometry/ShapeParameters.h"

#include <charconv>

#include "model/base/SpecctraText.h"
#include "rtl/Parameters.h"

void SetHexParameter(std::string& params, std::string_view key, int32_t value) {
  SetParameterValue(params, key, HandleToHex(static_cast<uint32_t>(value)));
}

std::optional<int32_t> HexParameter(const std::string& params, std::string_view key) {
  std::string text;
  if (!GetParameterValue(params, key, text) || text.empty() || text.size() > 8) return {};
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return {};
  return static_cast<int32_t>(value);
}

std::optional<int32_t> CountParameter(const std::string& params, std::string_view key,
                                      int32_t limit) {
  std::string text;
  if (!GetParameterValue(params, key, text)) return {};
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit)
    return {};
  return value;
}
