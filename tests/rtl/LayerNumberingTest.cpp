#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rtl/LayerNumbering.h"

namespace {

constexpr PcbLayerId Partitioned(uint32_t partition, uint32_t ordinal) {
  return partition << 16 | ordinal;
}

TEST(LayerNumbering, NameTableCoversEveryNumberWithDistinctShortNames) {
  std::set<std::string_view> seen;
  for (uint32_t n = 0; n < kLayerCount; ++n) {
    SCOPED_TRACE(n);
    const std::string_view name = LayerName(n);
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 20u);
    EXPECT_TRUE(seen.insert(name).second) << name;
  }
  EXPECT_EQ(LayerName(kLayerCount), "");
  EXPECT_EQ(LayerName(255), "");
}

TEST(LayerNumbering, NamesFollowTheNumbering) {
  for (uint32_t n = kMidLayer1; n <= kMidLayer30; ++n)
    EXPECT_EQ(LayerName(n), "MidLayer" + std::to_string(n - 1));
  for (uint32_t n = kInternalPlane1; n <= kInternalPlane16; ++n)
    EXPECT_EQ(LayerName(n), "InternalPlane" + std::to_string(n - 38));
  for (uint32_t n = kMechanical1; n <= kMechanical16; ++n)
    EXPECT_EQ(LayerName(n), "Mechanical" + std::to_string(n - 56));
  const std::pair<uint32_t, std::string_view> fixed[] = {
      {0, "NoLayer"},         {1, "TopLayer"},      {32, "BottomLayer"},     {33, "TopOverlay"},
      {34, "BottomOverlay"},  {35, "TopPaste"},     {36, "BottomPaste"},     {37, "TopSolder"},
      {38, "BottomSolder"},   {55, "DrillGuide"},   {56, "KeepOutLayer"},    {73, "DrillDrawing"},
      {74, "MultiLayer"},     {75, "ConnectLayer"}, {76, "BackGroundLayer"}, {77, "DRCErrorLayer"},
      {78, "HighlightLayer"}, {79, "GridColor1"},   {80, "GridColor10"},     {81, "PadHoleLayer"},
      {82, "ViaHoleLayer"}};
  for (const auto& [number, name] : fixed) EXPECT_EQ(LayerName(number), name) << number;
}

TEST(LayerNumbering, NumbersAreTheirOwnIdsBothWays) {
  for (uint32_t n = 0; n < kLayerCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(LayerIdOf(n), n);
    EXPECT_EQ(LayerNumberOf(LayerIdOf(n)), n);
  }
  for (uint32_t n = kLayerCount; n <= 255; ++n) EXPECT_EQ(LayerIdOf(n), 0u) << n;
}

TEST(LayerNumbering, ClassOfEveryPlainNumber) {
  struct Range {
    uint32_t first, last;
    TLayerClass firstClass;
    bool stepsClass;  // the class advances with the number
  };
  const Range ranges[] = {
      {0, 0, TLayerClass::NoLayer, false},       {1, 1, TLayerClass::Top, false},
      {2, 31, TLayerClass::MiddleSignal, false}, {32, 32, TLayerClass::Bottom, false},
      {33, 38, TLayerClass::TopOverlay, true},   {39, 54, TLayerClass::InternalPlane, false},
      {55, 55, TLayerClass::DrillGuide, false},  {56, 56, TLayerClass::KeepOut, false},
      {57, 72, TLayerClass::Mechanical, false},  {73, 82, TLayerClass::DrillDrawing, true},
      {83, 0xFFFF, TLayerClass::NoLayer, false},
  };
  for (const Range& range : ranges) {
    for (uint32_t n = range.first; n <= range.last; n += (n < 300 ? 1 : 997)) {
      SCOPED_TRACE(n);
      const auto offset = range.stepsClass ? n - range.first : 0;
      EXPECT_EQ(LayerClassOf(n), static_cast<TLayerClass>(uint32_t(range.firstClass) + offset));
    }
  }
  EXPECT_EQ(LayerClassOf(kViaHoleLayer), TLayerClass::ViaHole);
  EXPECT_EQ(LayerClassOf(kBottomSolder), TLayerClass::BottomSolder);
  EXPECT_EQ(LayerClassOf(0x00FFFFFF), TLayerClass::NoLayer) << "top byte 0: a plain ID";
}

TEST(LayerNumbering, PartitionedIdsTakeTheirKindsNumbers) {
  const std::pair<PcbLayerId, PcbLayerNumber> cases[] = {
      {Partitioned(257, 40), 31}, {Partitioned(257, 5), 5},    {Partitioned(257, 1), 1},
      {Partitioned(257, 31), 31}, {Partitioned(257, 32), 31},  {Partitioned(257, 65535), 31},
      {Partitioned(260, 1), 39},  {Partitioned(260, 16), 54},  {Partitioned(260, 17), 54},
      {Partitioned(1024, 3), 59}, {Partitioned(1024, 16), 72}, {Partitioned(1024, 200), 72},
  };
  for (const auto& [id, number] : cases) {
    SCOPED_TRACE(id);
    EXPECT_EQ(LayerNumberOf(id), number);
  }
}

TEST(LayerNumbering, Ordinals) {
  const std::pair<PcbLayerId, uint32_t> cases[] = {
      {kTopLayer, 1},
      {5, 5},
      {kMidLayer30, 31},
      {kBottomLayer, 65535},
      {kInternalPlane1, 1},
      {54, 16},
      {kMechanical1, 1},
      {kMechanical16, 16},
      {kNoLayer, 0},
      {kTopOverlay, 6},
      {kMultiLayer, 15},
      {kViaHoleLayer, 23},
      {kKeepOutLayer, 13},
      {500, 0},
      {Partitioned(260, 17), 17},
      {Partitioned(257, 40), 40},
  };
  for (const auto& [id, ordinal] : cases) {
    SCOPED_TRACE(id);
    EXPECT_EQ(LayerOrdinalOf(id), ordinal);
  }
}

TEST(LayerNumbering, IdsFromOrdinals) {
  struct Case {
    PcbLayerId (*create)(int64_t);
    int64_t ordinal;
    PcbLayerId id;
  };
  const Case cases[] = {
      {SignalLayer, 1, 1},
      {SignalLayer, 2, 2},
      {SignalLayer, 31, 31},
      {SignalLayer, 65535, 32},
      {SignalLayer, 0, Partitioned(257, 0)},
      {SignalLayer, 32, Partitioned(257, 32)},
      {SignalLayer, 65534, Partitioned(257, 65534)},
      {InternalPlaneLayer, 1, 39},
      {InternalPlaneLayer, 16, 54},
      {InternalPlaneLayer, 17, Partitioned(260, 17)},
      {InternalPlaneLayer, 65535, Partitioned(260, 65535)},
      {MechanicalLayer, 1, 57},
      {MechanicalLayer, 16, 72},
      {MechanicalLayer, 17, Partitioned(1024, 17)},
      {MechanicalLayer, 65535, Partitioned(1024, 65535)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ordinal);
    EXPECT_EQ(c.create(c.ordinal), c.id);
  }
}

TEST(LayerNumbering, IdsFromOrdinalsNumberBackToTheirKind) {
  for (int64_t n = 1; n <= 31; ++n) EXPECT_EQ(LayerNumberOf(SignalLayer(n)), n);
  EXPECT_EQ(LayerNumberOf(SignalLayer(65535)), kBottomLayer);
  for (int64_t n = 1; n <= 16; ++n) {
    EXPECT_EQ(LayerNumberOf(InternalPlaneLayer(n)), 38 + n);
    EXPECT_EQ(LayerNumberOf(MechanicalLayer(n)), 56 + n);
  }
}

TEST(LayerNumbering, OrdinalsOutOfRangeRaiseWithTheirText) {
  struct Case {
    PcbLayerId (*create)(int64_t);
    int64_t ordinal;
    const char* text;
  };
  const Case cases[] = {
      {SignalLayer, 65536, "Creating SignalLayer(65536)"},
      {SignalLayer, -1, "Creating SignalLayer(-1)"},
      {InternalPlaneLayer, 0, "Creating InternalPlaneLayer(0)"},
      {InternalPlaneLayer, 65536, "Creating InternalPlaneLayer(65536)"},
      {MechanicalLayer, 0, "Creating MechanicalLayer(0)"},
      {MechanicalLayer, 100000, "Creating MechanicalLayer(100000)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      c.create(c.ordinal);
      ADD_FAILURE() << "no exception";
    } catch (const ELayerException& e) {
      EXPECT_STREQ(e.what(), c.text);
    }
  }
}

TEST(LayerNumbering, UnknownPartitionsRaiseWhenClassified) {
  const PcbLayerId unknown[] = {
      Partitioned(257, 0),  // a known partition without ordinal
      Partitioned(260, 0),    Partitioned(1024, 0), Partitioned(258, 1),
      Partitioned(0x0200, 7), 0xFFFFFFFF,
  };
  for (const PcbLayerId id : unknown) {
    SCOPED_TRACE(id);
    const std::string text = "Could not find layer partition ID=" + std::to_string(id);
    try {
      LayerClassOf(id);
      ADD_FAILURE() << "no exception";
    } catch (const ELayerPartitionError& e) {
      EXPECT_EQ(e.what(), text);
    }
    EXPECT_THROW(LayerNumberOf(id), ELayerPartitionError);
  }
}

TEST(LayerNumbering, KindPredicates) {
  struct Case {
    PcbLayerId id;
    bool signal, plane, mechanical;
  };
  const Case cases[] = {
      {0, false, false, false},
      {kTopLayer, true, false, false},
      {kMidLayer30, true, false, false},
      {kBottomLayer, true, false, false},
      {kTopOverlay, false, false, false},
      {kInternalPlane1, false, true, false},
      {kInternalPlane16, false, true, false},
      {kKeepOutLayer, false, false, false},
      {kMechanical1, false, false, true},
      {kMechanical16, false, false, true},
      {kMultiLayer, false, false, false},
      {Partitioned(257, 40), true, false, false},
      {Partitioned(260, 17), false, true, false},
      {Partitioned(1024, 17), false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(IsSignalLayer(c.id), c.signal);
    EXPECT_EQ(IsInternalPlaneLayer(c.id), c.plane);
    EXPECT_EQ(IsMechanicalLayer(c.id), c.mechanical);
  }
}

}  // namespace
