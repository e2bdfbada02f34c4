// The placement section read from text: component blocks and their place entries, the
// statements of a place entry, flip style; and the session's placement lines.
#include <gtest/gtest.h>

#include <string>

#include "model/library/ComponentTestSupport.h"
#include "model/library/OutComponentPlacementDescriptor.h"
#include "model/library/PlacementDescriptor.h"
#include "model/library/SpecctraComponentInstance.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

TSpecctraComponentInstance& InstanceAt(TSpecctraPlacementDescriptor& placement, int32_t index) {
  return *static_cast<TSpecctraComponentInstance*>(placement.Instances().ObjectAt(index));
}

TEST(SpecctraPlacementDescriptor, ComponentBlocksMakeOneInstancePerPlace) {
  TComponentsFromText library(
      "(placement (flip_style rotate_first) (component DIP14 (place U1 100 200 front 90)"
      " (place U2 -5 0 back 270)) (component \"R(1)\" (place R1)))");
  EXPECT_TRUE(library.loaded);
  auto& placement = *library.design.Placement();
  ASSERT_EQ(placement.Instances().Count(), 3);
  EXPECT_EQ(placement.FlipStyle(), 1);
  for (int32_t i = 0; i < 2; ++i) EXPECT_EQ(InstanceAt(placement, i).ImageName(), "DIP14");
  EXPECT_EQ(InstanceAt(placement, 2).ImageName(), "R(1)");
  EXPECT_TRUE(InstanceAt(placement, 2).Unplaced());
  EXPECT_FALSE(InstanceAt(placement, 1).Unplaced());
}

TEST(SpecctraComponentInstance, PlaceStatements) {
  struct TCase {
    const char* Place;
    bool Loaded;
    TVertex Position;
    uint8_t Side;
    double Rotation;
    uint8_t Mirror;
    uint8_t Status;
    uint8_t Lock;
    const char* Part;
    const char* Logical;
  };
  const TCase cases[] = {
      {"U1 10.5 -20 back 45", true, {10.5, -20}, 1, 45, 0, 0, 0, "", ""},
      {"U1 1 2 front 0 (mirror xy) (status substituted) (lock_type subgate) (pn 74HC00)"
       " (logical_part NAND)",
       true, {1, 2}, 0, 0, 3, 3, 3, "74HC00", "NAND"},
      {"U1 (mirror y) (status added) (lock_type pin) (rule (width 5)) (region (rect signal 0 0 1 1))"
       " (place_rule (spacing 5)) (property (x 1))",
       true, {0, 0}, 0, 0, 2, 1, 4, "", ""},
      {"U1 1 2 sideways 0", false, {1, 2}, 0, 0, 0, 0, 0, "", ""},
      {"U1 1 2 front 0 (mirror z)", false, {1, 2}, 0, 0, 0, 0, 0, "", ""},
      // Unknown words and statements are passed over; the entry keeps its place.
      {"U1 1 2 front 0 3 (pin 16 (clearance_class x)) (pn P)", true, {1, 2}, 0, 0, 0, 0, 0, "P",
       ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Place);
    TComponentsFromText library(std::string("(placement (component X (place ") + c.Place +
                             ") (place LAST)))");
    auto& placement = *library.design.Placement();
    const int32_t expectedCount = c.Loaded ? 2 : 1;
    ASSERT_EQ(placement.Instances().Count(), expectedCount);
    // A failed place entry costs only itself: the next one is read.
    EXPECT_EQ(InstanceAt(placement, expectedCount - 1).Name(), "LAST");
    if (!c.Loaded) continue;
    const TSpecctraComponentInstance& instance = InstanceAt(placement, 0);
    EXPECT_EQ(instance.Name(), "U1");
    EXPECT_DOUBLE_EQ(instance.Position().X, c.Position.X);
    EXPECT_DOUBLE_EQ(instance.Position().Y, c.Position.Y);
    EXPECT_EQ(instance.Side(), c.Side);
    EXPECT_DOUBLE_EQ(instance.Rotation(), c.Rotation);
    EXPECT_EQ(instance.Mirror(), c.Mirror);
    EXPECT_EQ(instance.Status(), c.Status);
    EXPECT_EQ(instance.LockType(), c.Lock);
    EXPECT_EQ(instance.PartNumber(), c.Part);
    EXPECT_EQ(instance.LogicalPart(), c.Logical);
  }
}

TEST(SpecctraPlacementDescriptor, FlipStyles) {
  struct TCase {
    const char* Statements;
    uint8_t FlipStyle;
    bool Loaded;
  };
  const TCase cases[] = {
      {"(flip_style rotate_first)", 1, true},
      {"(flip_style rotate_first) (flip_style mirror_first)", 0, true},
      {"(flip_style rotate_first) (place_control)", 0, true},
      {"(place_control (flip_style rotate_first))", 1, true},
      {"(flip_style rotate_first) (flip_style sideways)", 1, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Statements);
    TComponentsFromText library(std::string("(placement ") + c.Statements +
                             " (component X (place U1)))");
    auto& placement = *library.design.Placement();
    EXPECT_EQ(placement.FlipStyle(), c.FlipStyle);
    EXPECT_EQ(placement.Instances().Count(), 1);
    EXPECT_EQ(library.HasLineContaining("<SIDEWAYS>"), !c.Loaded);
  }
}

// Owns a writer, as a session file would, for the placement lines.
class TWritingOwner : public TSpecctraObject {
public:
  explicit TWritingOwner(TSpecctraWriter* writer) : TSpecctraObject(nullptr) { SetWriter(writer); }
};

TEST(TOutComponentPlacementDescriptor, FootprintsAndDesignatorsInOrderWithTheirRotations) {
  ResetTranslationState();
  TranslationState().BoardOffsetX = 1000000;
  TranslationState().ResolutionScale = 0.0001;  // a session in mils
  TSpecctraWriter writer("out.ses");
  TWritingOwner owner(&writer);
  TOutComponentPlacementDescriptor placement(&owner);
  placement.AddPlacement("SOIC8", {"U2", 1010000, 20000, false, 90});
  placement.AddPlacement("DIP(14)", {"U10", 1000000, 0, true, 90});
  placement.AddPlacement("SOIC8", {"R(1)", 1000000, 0, true, 270});
  placement.AddPlacement("SOIC8", {"U1", 1000000, 0, false, 0});
  placement.AddPlacement("soic8", {"U1", 1000000, 10000, false, 0});
  // Rotations are written in the session's range, 0 up to 360.
  placement.AddPlacement("TO92", {"Q1", 1000000, 0, false, -90});
  placement.AddPlacement("TO92", {"Q2", 1000000, 0, true, 360});
  placement.AddPlacement("TO92", {"Q3", 1000000, 0, true, -450.5});
  ASSERT_TRUE(placement.ExportToFile());
  EXPECT_EQ(writer.Buffer(),
            "(component 'DIP(14)'\r\n"
            "  (place U10 0 0 back 90)\r\n"
            ")\r\n"
            "(component SOIC8\r\n"
            "  (place 'R(1)' 0 0 back 270)\r\n"
            "  (place U1 0 0 front 0)\r\n"
            "  (place U1 0 1 front 0)\r\n"
            "  (place U2 1 2 front 90)\r\n"
            ")\r\n"
            "(component TO92\r\n"
            "  (place Q1 0 0 front 270)\r\n"
            "  (place Q2 0 0 back 0)\r\n"
            "  (place Q3 0 0 back 269.5)\r\n"
            ")\r\n");
  ResetTranslationState();
}

}  // namespace
