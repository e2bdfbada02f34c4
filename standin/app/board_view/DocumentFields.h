// Tolerant reading of a board document's fields: an absent field, or one of the wrong type,
// reads as its default (0, false, empty), and numbers are kept within the host's ranges, so
// that nothing a document holds can upset the arithmetic that draws it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/board_view/BoardPrimitives.h"
#include "common/JsonTree.h"

namespace pcbhost {

// A coordinate or length, clamped to the host's 32-bit range.
double CoordinateField(TJsonValue object, const char* key);
// A size (width, diameter, radius): as a coordinate, and never negative.
double SizeField(TJsonValue object, const char* key);
// An angle in degrees, turned into -360..360.
double AngleField(TJsonValue object, const char* key);
// A whole number 0..limit; anything else reads as 0.
uint32_t WholeField(TJsonValue object, const char* key, uint32_t limit);
// true, or a number other than 0.
bool FlagField(TJsonValue object, const char* key);
// A byte string, stored as characters U+0000..U+00FF.
std::string TextField(TJsonValue object, const char* key);
// The texts of a list field; entries that are not texts are left out.
std::vector<std::string> TextListField(TJsonValue object, const char* key);
// A list of [x, y] points ({"x", "y"} objects also serve); other entries are left out.
std::vector<TBoardPoint> PointListField(TJsonValue object, const char* key);

// The field, or no value when the value is not an object or has no such key.
TJsonValue FieldOf(TJsonValue object, const char* key);

}  // namespace pcbhost
