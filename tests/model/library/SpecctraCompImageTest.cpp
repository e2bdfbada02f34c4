// Images and their pins read from text: pin forms and arrays, refused arrays, the image's
// statements, pin extents and the bounding rectangle of an image without an outline.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/library/SpecctraCompPin.h"
#include "model/structure/SpecctraKeepout.h"
#include "rtl/TranslationState.h"
#include "model/library/ComponentTestSupport.h"

namespace {

struct TPinSeen {
  std::string Id;
  std::string Padstack;
  double X;
  double Y;
  double Rotation;
  bool operator==(const TPinSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TPinSeen& pin) {
  return out << pin.Id << " " << pin.Padstack << " (" << pin.X << ", " << pin.Y << ") "
             << pin.Rotation;
}

std::vector<TPinSeen> PinsOf(TSpecctraCompImage& image) {
  std::vector<TPinSeen> pins;
  for (int32_t i = 0; i < image.Pins().Count(); ++i) {
    auto* pin = static_cast<TSpecctraCompPin*>(image.Pins().ObjectAt(i));
    pins.push_back({pin->Name(), pin->PadstackName(), pin->Position().X, pin->Position().Y,
                    pin->Rotation()});
  }
  return pins;
}

TEST(SpecctraCompPin, FormsAndArrays) {
  struct TCase {
    const char* Name;
    std::string Pins;
    std::vector<TPinSeen> Expected;
    bool Loaded;
  };
  const TCase cases[] = {
      {"plain", "(pin P1 7 10 -20.5)", {{"7", "P1", 10, -20.5, 0}}, true},
      {"rotated", "(pin P1 (rotate 90) A1 1 2)", {{"A1", "P1", 1, 2, 90}}, true},
      {"rotation after the id", "(pin P1 2 0 0 (rotate 45))", {{"2", "P1", 0, 0, 45}}, true},
      {"with property", "(pin P1 3 0 0 (property (pintype in)))", {{"3", "P1", 0, 0, 0}}, true},
      {"array by two with prefix",
       "(pin P2 (rotate 180) (array 1 5 2 0 0 10 -5 (prefix A)))",
       {{"A1", "P2", 0, 0, 180}, {"A3", "P2", 10, -5, 180}, {"A5", "P2", 20, -10, 180}},
       true},
      {"array with prefix and suffix",
       "(pin P2 (array 3 4 1 5 5 0 1 (prefix B) (suffix _N)))",
       {{"B3_N", "P2", 5, 5, 0}, {"B4_N", "P2", 5, 6, 0}},
       true},
      {"array counting past nothing", "(pin P2 (array 5 1 1 0 0 1 1))", {}, true},
      {"array with a stray word, then a pin",
       "(pin P2 (array 1 2 1 0 0 1 1 junk)) (pin P3 9 1 1)",
       {{"9", "P3", 1, 1, 0}},
       false},
      {"array short of numbers, then a pin", "(pin P2 (array 1 2)) (pin P3 9 1 1)",
       {{"9", "P3", 1, 1, 0}}, false},
      {"second id", "(pin P1 1 0 0 2)", {}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TComponentsFromText library;
    bool loaded = false;
    TSpecctraCompImage& image = library.Image("(image DIP " + c.Pins + " (side back))", &loaded);
    EXPECT_EQ(PinsOf(image), c.Expected);
    EXPECT_EQ(loaded, c.Loaded);
    // Whatever went wrong inside a pin, the image's block is read to its end.
    if (c.Loaded || std::string(c.Name).find("then a pin") != std::string::npos) {
      EXPECT_EQ(image.Side(), 1);
    }
  }
}

TEST(SpecctraCompPin, ArrayStepThatNeverReachesTheLastIsRefused) {
  for (const char* step : {"0", "-1"}) {
    SCOPED_TRACE(step);
    TComponentsFromText library;
    bool loaded = false;
    TSpecctraCompImage& image = library.Image(
        std::string("(image DIP (pin P1 (array 1 3 ") + step + " 0 0 1 0)) (pin P1 9 0 0))",
        &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(PinsOf(image), (std::vector<TPinSeen>{{"9", "P1", 0, 0, 0}}));
    EXPECT_EQ(library.CountLinesStartingWith("ERROR: Pin array of padstack P1"), 1);
  }
}

TEST(SpecctraCompImage, Statements) {
  SetFreePrimitiveFlag(false);
  TComponentsFromText library;
  bool loaded = false;
  TSpecctraCompImage& image = library.Image(
      "(image \"R(0805)\" (side front) (outline (rect signal 0 0 5 5)) (outline (circle signal 8))"
      " (keepout K1 (rect signal 0 0 1 1)) (via_keepout (circle signal 2))"
      " (place_rule (spacing 5)) (property (height 3)) (pin P1 1 0 0))",
      &loaded);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(image.Name(), "R(0805)");
  EXPECT_EQ(image.Side(), 0);
  ASSERT_NE(image.Outline(), nullptr);
  EXPECT_EQ(image.Outline()->Kind(), eCircle_Shape);
  ASSERT_NE(image.Keepouts(), nullptr);
  EXPECT_EQ(image.Keepouts()->Count(), 2);
  EXPECT_EQ(image.Conductors(), nullptr);
  EXPECT_EQ(image.Pins().Count(), 1);
  EXPECT_FALSE(FreePrimitiveFlag());
}

TEST(SpecctraCompImage, ConductorsAndViasAskForFreePrimitiveNets) {
  for (const char* item : {"(conductor (path signal 1 0 0 10 0))", "(via V1 0 0)"}) {
    SCOPED_TRACE(item);
    SetFreePrimitiveFlag(false);
    TComponentsFromText library;
    bool loaded = false;
    TSpecctraCompImage& image =
        library.Image(std::string("(image X ") + item + " (pin P1 1 0 0))", &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(FreePrimitiveFlag());
    EXPECT_EQ(image.Pins().Count(), 1);
  }
  SetFreePrimitiveFlag(false);
}

TEST(SpecctraCompImage, MalformedStatementsFail) {
  for (const char* statement : {"(side left)", "(outline (qarc signal 1 0 0 1 1 0 0))",
                                "(outline rect)"}) {
    SCOPED_TRACE(statement);
    TComponentsFromText library;
    bool loaded = true;
    TSpecctraCompImage& image =
        library.Image(std::string("(image X ") + statement + " (pin P1 1 0 0))", &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(image.Pins().Count(), 1);
  }
}

TPinPadstack PadstackSpanning(TSpecctraExtent extent) {
  TPinPadstack padstack;
  padstack.Extent = extent;
  return padstack;
}

TEST(SpecctraCompPin, PinExtentTurnsAboutThePin) {
  struct TCase {
    double Rotation;
    TSpecctraExtent Expected;
  };
  const TCase cases[] = {
      {0, {90, -5, 110, 5}},
      {90, {95, -10, 105, 10}},
      {180, {90, -5, 110, 5}},
      {-90, {95, -10, 105, 10}},
      {45, {100 - 7.5 * std::sqrt(2.0), -7.5 * std::sqrt(2.0), 100 + 7.5 * std::sqrt(2.0),
            7.5 * std::sqrt(2.0)}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Rotation);
    TComponentsFromText library;
    TTestImage& image = library.Image("(image X (pin PS (rotate " + std::to_string(c.Rotation) +
                                      ") 1 100 0))");
    image.Padstacks["PS"] = PadstackSpanning({-10, -5, 10, 5});
    const TSpecctraExtent extent =
        static_cast<TSpecctraCompPin*>(image.Pins().ObjectAt(0))->PinExtent();
    EXPECT_NEAR(extent.MinX, c.Expected.MinX, 1e-9);
    EXPECT_NEAR(extent.MinY, c.Expected.MinY, 1e-9);
    EXPECT_NEAR(extent.MaxX, c.Expected.MaxX, 1e-9);
    EXPECT_NEAR(extent.MaxY, c.Expected.MaxY, 1e-9);
  }
}

TEST(SpecctraCompImage, BoundingRectHoldsPinsConductorsAndKeepouts) {
  struct TCase {
    const char* Name;
    std::string Contents;
    TSpecctraExtent Expected;
  };
  const TCase cases[] = {
      {"pins", "(pin PS 1 0 0) (pin PS 2 100 50)", {-10, -5, 110, 55}},
      {"pin and keepout", "(pin PS 1 0 0) (keepout (rect signal -40 -1 0 2))", {-40, -5, 10, 5}},
      {"conductor", "(conductor (path signal 2 0 0 30 0))", {-1, -1, 31, 1}},
      {"pin without padstack", "(pin MISSING 1 7 8)", {7, 8, 7, 8}},
      {"nothing with an extent", "(keepout (qarc signal 1 0 0 1 1 0 0))", {0, 0, 0, 0}},
      {"empty", "", {0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TComponentsFromText library;
    TTestImage& image = library.Image("(image X " + c.Contents + ")");
    image.Padstacks["PS"] = PadstackSpanning({-10, -5, 10, 5});
    const TSpecctraExtent box = image.ImageBoundingRect()->GetBounds();
    EXPECT_DOUBLE_EQ(box.MinX, c.Expected.MinX);
    EXPECT_DOUBLE_EQ(box.MinY, c.Expected.MinY);
    EXPECT_DOUBLE_EQ(box.MaxX, c.Expected.MaxX);
    EXPECT_DOUBLE_EQ(box.MaxY, c.Expected.MaxY);
  }
}

}  // namespace
