#include "model/wiring/RoutedTracks.h"

#include "common/NumberFormat.h"
#include "model/base/SpecctraText.h"
#include "model/wiring/HostLayerNames.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPrimitives.h"
#include "specctra_io/SpecctraUnits.h"
#include "specctra_io/SpecctraWriter.h"

std::vector<TRoutedTrack> ReadNetTracks(PcbHandle hostNet) {
  std::vector<TRoutedTrack> tracks;
  ForEachPcbObject(hostNet, kPcbObjectTrack, [&](PcbHandle handle) {
    TPcbTrack track(handle);
    track.Update(kPcbMessageRead);
    tracks.push_back({handle, track.GetX(), track.GetY(), track.GetX2(), track.GetY2(),
                      track.GetWidth(), track.GetLayerId(), track.GetLayer(),
                      track.GetRoutedState(), track.GetKeepout()});
  });
  return tracks;
}

namespace {

// "x y " of one vertex.
void AppendVertex(std::string& line, int32_t x, int32_t y) {
  line.clear();
  AppendNumber(line, ToSpecctraX(x));
  line += ' ';
  AppendNumber(line, ToSpecctraY(y));
  line += ' ';
}

}  // namespace

// The same text a wire with one path shape writes: the path's first line follows "(wire "
// and its other lines sit three levels further in.
void TRoutedTracks::Write(TSpecctraWriter& writer, const THostLayerNames& layerNames) const {
  std::string line;
  std::string layerName;  // quoted, of the layer number below
  int32_t layerOfName = -1;
  for (const TRoutedTrack& track : FTracks) {
    if (track.Layer != layerOfName) {
      layerName = QuoteName(layerNames.Name(track.Layer));
      layerOfName = track.Layer;
    }
    writer.Write("(wire ", true);
    writer.IndentIn(3);
    line = "(path ";
    line += layerName;
    line += ' ';
    AppendNumber(line, ToSpecctraLength(track.Width));
    writer.WriteLine(line, false);
    AppendVertex(line, track.X1, track.Y1);
    writer.WriteLine(line, true);
    AppendVertex(line, track.X2, track.Y2);
    writer.WriteLine(line, true);
    writer.WriteLine(")", true);
    if (track.RoutedState == 0) writer.WriteLine("(type route)", true);
    writer.IndentOut(3);
    writer.WriteLine(")", true);
  }
}
