#include "model/rules/ClearanceTypes.h"

#include <array>

#include "specctra_io/SpecctraTokens.h"

namespace {

constexpr std::string_view kPad = "IsPad";
constexpr std::string_view kSmd = "IsSMTPin";
constexpr std::string_view kVia = "IsVia";
constexpr std::string_view kWire = "(IsTrack Or IsArc)";
constexpr std::string_view kArea = "(IsKeepout Or IsFill Or InPolygon)";
constexpr std::string_view kTestPoint = "(TestPointTop Or TestPointBottom)";
constexpr std::string_view kKeepout = "IsKeepout";
constexpr std::string_view kDrilled = "((IsPad Or IsVia) And (HoleSize>0))";

// clang-format off
constexpr std::array<TClearanceType, 27> kClearanceTypes = {{
    {0, KeywordId("Pin_Pin"), 0, kPad, kPad},
    {1, KeywordId("Pin_Smd"), KeywordId("Smd_Pin"), kPad, kSmd},
    {2, KeywordId("Pin_Via"), KeywordId("Via_Pin"), kPad, kVia},
    {3, KeywordId("Pin_Wire"), KeywordId("Wire_Pin"), kPad, kWire},
    {4, KeywordId("Pin_Area"), KeywordId("Area_Pin"), kPad, kArea},
    {5, KeywordId("Pin_TestPoint"), KeywordId("Testpoint_Pin"), kPad, kTestPoint},
    {6, KeywordId("Smd_Smd"), 0, kSmd, kSmd},
    {7, KeywordId("Smd_Via"), KeywordId("Via_Smd"), kSmd, kVia},
    {8, KeywordId("Smd_Wire"), KeywordId("Wire_Smd"), kSmd, kWire},
    {9, KeywordId("Smd_Area"), KeywordId("Area_Smd"), kSmd, kKeepout},
    {10, KeywordId("Smd_TestPoint"), KeywordId("TestPoint_Smd"), kSmd, kTestPoint},
    {11, KeywordId("Via_Via"), 0, kVia, kVia},
    {12, KeywordId("Via_Wire"), KeywordId("Wire_Via"), kVia, kWire},
    {13, KeywordId("Via_Area"), KeywordId("Area_Via"), kVia, kArea},
    {14, KeywordId("Via_TestPoint"), KeywordId("TestPoint_Via"), kVia, kTestPoint},
    {15, KeywordId("Wire_Wire"), 0, kWire, kWire},
    {16, KeywordId("Wire_Area"), KeywordId("Area_Wire"), kWire, kArea},
    {17, KeywordId("Wire_TestPoint"), KeywordId("TestPoint_Wire"), kWire, kTestPoint},
    {18, KeywordId("Area_Area"), 0, kArea, kArea},
    {19, KeywordId("Area_TestPoint"), KeywordId("TestPoint_Area"), kTestPoint, kTestPoint},
    {20, KeywordId("TestPoint_TestPoint"), 0, kTestPoint, kTestPoint},
    {21, KeywordId("smd_via_same_net"), 0, kSmd, kVia},
    {22, KeywordId("via_via_same_net"), 0, kVia, kVia},
    {23, KeywordId("buried_via_gap"), 0, "", ""},
    {24, KeywordId("antipad_gap"), 0, "", ""},
    {25, KeywordId("pad_to_turn_gap"), KeywordId("smd_to_turn_gap"), "", ""},
    {27, KeywordId("drill_gap"), 0, kDrilled, kDrilled},
}};
// clang-format on

}  // namespace

std::optional<TClearanceType> ClearanceTypeOf(int32_t keywordId) {
  for (const TClearanceType& type : kClearanceTypes)
    if (keywordId != 0 && (type.Keyword == keywordId || type.OtherKeyword == keywordId))
      return type;
  return std::nullopt;
}

std::optional<TClearanceType> ClearanceTypeAt(int index) {
  for (const TClearanceType& type : kClearanceTypes)
    if (type.Index == index) return type;
  return std::nullopt;
}

bool ClearanceTypeSelects(int index) { return index < 23 || index > 26; }
