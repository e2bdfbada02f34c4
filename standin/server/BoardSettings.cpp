#include "server/BoardSettings.h"

#include "server/DocumentFields.h"
#include "server/LayerStack.h"

namespace standin {
namespace {

constexpr double kMil = 10000;

template <class V, class G>
void GridFields(V& v, G& g) {
  v("reserved1", g.reserved1);
  v("reserved2", g.reserved2);
  v("reserved3", g.reserved3);
  v("unitMils", g.unitMils);
  v("reserved4", g.reserved4);
  v("reserved5", g.reserved5);
  v("reserved6", g.reserved6);
  v("reserved7", g.reserved7);
  v("snapGridX", g.snapGridX);
  v("snapGridY", g.snapGridY);
  v("reserved8", g.reserved8);
  v("reserved9", g.reserved9);
  v("wireGrid", g.wireGrid);
  v("viaGrid", g.viaGrid);
  v("placeGridX", g.placeGridX);
  v("placeGridY", g.placeGridY);
}

template <class V, class D>
void DielectricFields(V& v, D& d) {
  v("material", d.material);
  v("dielectricType", d.dielectricType);
  v("dielectricConstant", d.dielectricConstant);
  v("height", d.height);
}

// The board record's own values, then the rest; fileName and boardOutline are added by the
// callers in their places.
template <class V, class S>
void SettingsFields(V& v, S& s) {
  v("originX", s.Record.originX);
  v("originY", s.Record.originY);
  v("unitMils", s.Record.unitMils);
  v("currentLayer", AsLayer(s.Record.currentLayer));
}

template <class V, class S>
void MoreSettingsFields(V& v, S& s) {
  v("reserved1", s.Record.reserved1);
  v("reserved2", s.Record.reserved2);
  v("reserved3", s.Record.reserved3);
  v("reserved4", s.Record.reserved4);
  v("splitPlaneMode", s.SplitPlaneMode);
  v("layerInfo", s.LayerInfo);
  v.Group("grids", [&](auto& g) { GridFields(g, s.Grids); });
  v.Group("externalDielectrics", [&](auto& g) {
    g.Group("top", [&](auto& d) { DielectricFields(d, s.ExternalDielectrics.top); });
    g.Group("bottom", [&](auto& d) { DielectricFields(d, s.ExternalDielectrics.bottom); });
  });
  v("outputOptions", AsHex(s.OutputOptions.bytes));
  v("plotLayers", s.PlotLayers);
  v("flipLayers", s.FlipLayers);
  v("gerberOptions", AsHex(s.GerberOptions.bytes));
  v("printerOptions", AsHex(s.PrinterOptions.bytes));
  v("plotterPens", s.PlotterPens);
  v("compositeLayers", s.CompositeLayers);
  v("placerOptions", AsHex(s.PlacerOptions.bytes));
  v("engineeringChangeOrderOptions", AsHex(s.ChangeOrderOptions.bytes));
}

template <class V, class P>
void LayerPairFields(V& v, P& p) {
  v("startLayer", AsLayer(p.startLayer));
  v("endLayer", AsLayer(p.endLayer));
  v("reserved1", p.reserved1);
  v("reserved2", p.reserved2);
}

}  // namespace

TBoardSettings NewBoardSettings() {
  TBoardSettings settings;
  settings.Record.unitMils = 1;
  settings.Record.currentLayer = kTopLayer;
  settings.Grids.unitMils = 1;
  settings.Grids.snapGridX = 5 * kMil;
  settings.Grids.snapGridY = 5 * kMil;
  settings.Grids.wireGrid = 1 * kMil;
  settings.Grids.viaGrid = 1 * kMil;
  settings.Grids.placeGridX = 20 * kMil;
  settings.Grids.placeGridY = 20 * kMil;
  settings.ExternalDielectrics = {DefaultDielectric(), DefaultDielectric()};
  return settings;
}

void WriteBoardFields(TFieldWriter& writer, const TBoardSettings& settings,
                      const std::string& fileName, PcbHandle boardOutline) {
  writer("fileName", AsText(fileName, fileName.size()));
  SettingsFields(writer, settings);
  writer("boardOutline", boardOutline);
  MoreSettingsFields(writer, settings);
}

void ReadBoardFields(TFieldReader& reader, TBoardSettings& settings, PcbHandle& boardOutline) {
  SettingsFields(reader, settings);
  reader("boardOutline", boardOutline);
  MoreSettingsFields(reader, settings);
}

void WriteLayerPairFields(TFieldWriter& writer, const std::vector<PcbLayerPairRecord>& pairs) {
  writer.List("layerPairs", pairs, [](auto& g, auto& pair) { LayerPairFields(g, pair); });
}

void ReadLayerPairFields(TFieldReader& reader, std::vector<PcbLayerPairRecord>& pairs) {
  reader.List("layerPairs", pairs, [](auto& g, auto& pair) { LayerPairFields(g, pair); });
  if (pairs.size() > static_cast<std::size_t>(kMaxLayerPairs))
    reader.Fail("layerPairs", "has more than " + std::to_string(kMaxLayerPairs) + " entries");
}

}  // namespace standin
