#include "app/board_view/DocumentFields.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/DocumentText.h"

namespace pcbhost {
namespace {

constexpr double kLowestCoordinate = std::numeric_limits<int32_t>::min();
constexpr double kHighestCoordinate = std::numeric_limits<int32_t>::max();

const TDocumentJson& NullJson() {
  static const TDocumentJson null;
  return null;
}

double ClampedCoordinate(const TDocumentJson& value) {
  if (!value.is_number()) return 0;
  const double number = value.get<double>();
  if (!std::isfinite(number)) return 0;
  return std::clamp(number, kLowestCoordinate, kHighestCoordinate);
}

}  // namespace

const TDocumentJson& FieldOf(const TDocumentJson& object, const char* key) {
  if (!object.is_object()) return NullJson();
  const auto found = object.find(key);
  return found == object.end() ? NullJson() : *found;
}

double CoordinateField(const TDocumentJson& object, const char* key) {
  return ClampedCoordinate(FieldOf(object, key));
}

double SizeField(const TDocumentJson& object, const char* key) {
  return std::max(0.0, CoordinateField(object, key));
}

double AngleField(const TDocumentJson& object, const char* key) {
  const TDocumentJson& value = FieldOf(object, key);
  if (!value.is_number()) return 0;
  const double angle = value.get<double>();
  return std::isfinite(angle) ? std::fmod(angle, 360.0) : 0;
}

uint32_t WholeField(const TDocumentJson& object, const char* key, uint32_t limit) {
  const TDocumentJson& value = FieldOf(object, key);
  if (value.is_number_unsigned()) {
    const auto number = value.get<uint64_t>();
    return number <= limit ? static_cast<uint32_t>(number) : 0;
  }
  return 0;
}

bool FlagField(const TDocumentJson& object, const char* key) {
  const TDocumentJson& value = FieldOf(object, key);
  if (value.is_boolean()) return value.get<bool>();
  return value.is_number() && value.get<double>() != 0;
}

std::string TextField(const TDocumentJson& object, const char* key) {
  const TDocumentJson& value = FieldOf(object, key);
  return value.is_string() ? DocumentTextToBytes(value.get_ref<const std::string&>()) : "";
}

std::vector<std::string> TextListField(const TDocumentJson& object, const char* key) {
  const TDocumentJson& list = FieldOf(object, key);
  std::vector<std::string> texts;
  if (!list.is_array()) return texts;
  for (const TDocumentJson& entry : list) {
    if (entry.is_string())
      texts.push_back(DocumentTextToBytes(entry.get_ref<const std::string&>()));
  }
  return texts;
}

std::vector<TBoardPoint> PointListField(const TDocumentJson& object, const char* key) {
  const TDocumentJson& list = FieldOf(object, key);
  std::vector<TBoardPoint> points;
  if (!list.is_array()) return points;
  for (const TDocumentJson& entry : list) {
    if (entry.is_array() && entry.size() >= 2)
      points.push_back({ClampedCoordinate(entry[0]), ClampedCoordinate(entry[1])});
    else if (entry.is_object())
      points.push_back({CoordinateField(entry, "x"), CoordinateField(entry, "y")});
  }
  return points;
}

}  // namespace pcbhost
