#include "app/board_view/DocumentFields.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/DocumentText.h"

namespace pcbhost {
namespace {

constexpr double kLowestCoordinate = std::numeric_limits<int32_t>::min();
constexpr double kHighestCoordinate = std::numeric_limits<int32_t>::max();

double ClampedCoordinate(TJsonValue value) {
  if (!value.IsNumber()) return 0;
  const double number = value.Real();
  if (!std::isfinite(number)) return 0;
  return std::clamp(number, kLowestCoordinate, kHighestCoordinate);
}

}  // namespace

TJsonValue FieldOf(TJsonValue object, const char* key) { return object.Find(key); }

double CoordinateField(TJsonValue object, const char* key) {
  return ClampedCoordinate(FieldOf(object, key));
}

double SizeField(TJsonValue object, const char* key) {
  return std::max(0.0, CoordinateField(object, key));
}

double AngleField(TJsonValue object, const char* key) {
  const TJsonValue value = FieldOf(object, key);
  if (!value.IsNumber()) return 0;
  const double angle = value.Real();
  return std::isfinite(angle) ? std::fmod(angle, 360.0) : 0;
}

uint32_t WholeField(TJsonValue object, const char* key, uint32_t limit) {
  const TJsonValue value = FieldOf(object, key);
  if (!value.IsUnsigned()) return 0;
  const uint64_t number = value.Unsigned();
  return number <= limit ? static_cast<uint32_t>(number) : 0;
}

bool FlagField(TJsonValue object, const char* key) {
  const TJsonValue value = FieldOf(object, key);
  if (value.IsBoolean()) return value.Boolean();
  return value.IsNumber() && value.Real() != 0;
}

std::string TextField(TJsonValue object, const char* key) {
  const TJsonValue value = FieldOf(object, key);
  return value.IsText() ? DocumentTextToBytes(value.Text()) : "";
}

std::vector<std::string> TextListField(TJsonValue object, const char* key) {
  const TJsonValue list = FieldOf(object, key);
  std::vector<std::string> texts;
  for (const TJsonValue entry : list)
    if (entry.IsText()) texts.push_back(DocumentTextToBytes(entry.Text()));
  return texts;
}

std::vector<TBoardPoint> PointListField(TJsonValue object, const char* key) {
  const TJsonValue list = FieldOf(object, key);
  std::vector<TBoardPoint> points;
  if (!list.IsList()) return points;
  points.reserve(list.Size());
  for (const TJsonValue entry : list) {
    if (entry.IsList() && entry.Size() >= 2)
      points.push_back({ClampedCoordinate(entry.At(0)), ClampedCoordinate(entry.At(1))});
    else if (entry.IsObject())
      points.push_back({CoordinateField(entry, "x"), CoordinateField(entry, "y")});
  }
  return points;
}

}  // namespace pcbhost
