#include "DesignGenerator.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "common/SafeFile.h"

namespace {

// A small deterministic generator (xorshift32).
class TRandom {
public:
  explicit TRandom(uint32_t seed) : FState(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    FState ^= FState << 13;
    FState ^= FState >> 17;
    FState ^= FState << 5;
    return FState;
  }
  // A value in [low, high].
  int32_t Between(int32_t low, int32_t high) {
    return low + static_cast<int32_t>(Next() % static_cast<uint32_t>(high - low + 1));
  }
  bool OneIn(uint32_t n) { return Next() % n == 0; }

private:
  uint32_t FState;
};

struct TImage {
  std::string Name;
  std::string Padstack;
  int32_t PinCount;
  int32_t Pitch;
};

struct TComponent {
  std::string Designator;
  std::size_t Image;
};

// A six-layer stack: four signal layers and two power planes, each plane carrying its net.
struct TLayer {
  std::string_view Name;
  std::string_view PlaneNet;  // empty on signal layers
};
const std::array<TLayer, 6> kLayers = {{{"F.Cu", ""},
                                        {"In1.Cu", "GND"},
                                        {"In2.Cu", ""},
                                        {"In3.Cu", ""},
                                        {"In4.Cu", "VCC"},
                                        {"B.Cu", ""}}};
const std::array<std::string_view, 4> kSignalLayers = {"F.Cu", "In2.Cu", "In3.Cu", "B.Cu"};
constexpr std::string_view kVia = "\"Via[0-5]_600:300_um\"";
constexpr int32_t kBoardWidth = 3000000;
constexpr int32_t kBoardHeight = 2000000;

class TDesignText {
public:
  explicit TDesignText(uint32_t seed) : FRandom(seed) {}

  std::string Build(std::size_t targetBytes) {
    // About one component per 2 KB of the design; the rest is wiring.
    const std::size_t componentCount = std::max<std::size_t>(20, targetBytes / 2048);
    MakeLibrary();
    MakeComponents(componentCount);
    Header();
    Structure();
    Placement();
    Library();
    Network();
    Wiring(targetBytes);
    FText += ")\n";
    return std::move(FText);
  }

private:
  void Line(int indent, std::string_view text) {
    FText.append(static_cast<std::size_t>(indent) * 2, ' ');
    FText += text;
    FText += '\n';
  }
  void Number(int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    FText.append(buffer, result.ptr);
  }
  // A coordinate in um with a fractional part now and then, as board tools write them.
  void Coordinate(int32_t value) {
    FText += ' ';
    Number(value);
    if (FRandom.OneIn(4)) {
      FText += '.';
      Number(FRandom.Between(1, 9));
    }
  }
  void Indent(int indent) { FText.append(static_cast<std::size_t>(indent) * 2, ' '); }

  void MakeLibrary() {
    const std::array<std::string_view, 6> families = {
        "Resistor_SMD:R_0603", "Capacitor_SMD:C_0805",     "Package_SO:SOIC-16",
        "Package_QFP:LQFP-64", "Connector:PinHeader_1x10", "Package_DFN:DFN-8"};
    const std::array<int32_t, 6> pins = {2, 2, 16, 64, 10, 8};
    for (std::size_t i = 0; i < families.size(); ++i) {
      for (int variant = 0; variant < 8; ++variant) {
        TImage image;
        image.Name = std::string(families[i]) + "_V" + std::to_string(variant);
        image.PinCount = pins[i];
        image.Pitch = 500 + 127 * static_cast<int32_t>(variant);
        image.Padstack = "RoundRect[T]Pad_" + std::to_string(image.Pitch) + "x600_um";
        FImages.push_back(image);
      }
    }
  }

  void MakeComponents(std::size_t count) {
    const std::array<std::string_view, 6> prefixes = {"R", "C", "U", "IC", "J", "Q"};
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t image = FRandom.Next() % FImages.size();
      FComponents.push_back({std::string(prefixes[image / 8]) + std::to_string(i + 1), image});
    }
  }

  void Header() {
    Line(0, "# Synthetic routed design written for the benchmarks");
    Line(0, "(pcb \"/home/designer/boards/synthetic board.dsn\"");
    Line(1, "(parser");
    Line(2, "(string_quote \")");
    Line(2, "(space_in_quoted_tokens on)");
    Line(2, "(host_cad \"Synthetic \\\"Board\\\"_Tool\")");
    Line(2, "(host_version \"7.0.1-1\")");
    Line(1, ")");
    Line(1, "(resolution um 10)");
    Line(1, "(unit um)");
  }

  void Structure() {
    Line(1, "(structure");
    int index = 0;
    for (const TLayer& layer : kLayers) {
      Line(2, "(layer " + std::string(layer.Name));
      Line(3, layer.PlaneNet.empty() ? "(type signal)"
                                     : "(type power) (use_net " + std::string(layer.PlaneNet) + ")");
      Line(3, "(property");
      Line(4, "(index " + std::to_string(index++) + ")");
      Line(3, ")");
      Line(2, ")");
    }
    Line(2, "(boundary");
    Indent(3);
    FText += "(path pcb 0";
    for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{
             {0, 0}, {kBoardWidth, 0}, {kBoardWidth, -kBoardHeight}, {0, -kBoardHeight}, {0, 0}}) {
      Coordinate(x);
      Coordinate(y);
    }
    FText += ")\n";
    Line(2, ")");
    Planes();
    Line(2, "(via " + std::string(kVia) + ")");
    Line(2, "(rule");
    Line(3, "(width 250)");
    Line(3, "(clearance 200.1)");
    Line(3, "(clearance 200.1 (type default_smd))");
    Line(3, "(clearance 50 (type smd_smd))");
    Line(2, ")");
    Line(1, ")");
  }

  // The power planes: each a polygon a little inside the boundary, on its own layer.
  void Planes() {
    constexpr int32_t inset = 5000;
    for (const TLayer& layer : kLayers) {
      if (layer.PlaneNet.empty()) continue;
      Indent(2);
      FText += "(plane " + std::string(layer.PlaneNet) + " (polygon " + std::string(layer.Name) + " 0";
      for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{
               {inset, -inset},
               {kBoardWidth - inset, -inset},
               {kBoardWidth - inset, inset - kBoardHeight},
               {inset, inset - kBoardHeight}}) {
        Coordinate(x);
        Coordinate(y);
      }
      FText += "))\n";
    }
  }

  void Placement() {
    Line(1, "(placement");
    for (std::size_t image = 0; image < FImages.size(); ++image) {
      Line(2, "(component \"" + FImages[image].Name + "\"");
      for (const TComponent& component : FComponents) {
        if (component.Image != image) continue;
        Indent(3);
        FText += "(place " + component.Designator;
        Coordinate(FRandom.Between(10000, kBoardWidth - 10000));
        Coordinate(-FRandom.Between(10000, kBoardHeight - 10000));
        FText += FRandom.OneIn(3) ? " back " : " front ";
        Number(90 * FRandom.Between(0, 3));
        FText += " (PN \"" + std::to_string(FRandom.Between(1, 999)) + "k\"))\n";
      }
      Line(2, ")");
    }
    Line(1, ")");
  }

  void Library() {
    Line(1, "(library");
    for (const TImage& image : FImages) {
      Line(2, "(image \"" + image.Name + "\"");
      Indent(3);
      FText += "(outline (path signal 120";
      const int32_t half = image.Pitch * (image.PinCount / 2 + 1) / 2;
      for (const int32_t corner : {-half, half}) {
        Coordinate(corner);
        Coordinate(-1500);
      }
      FText += "))\n";
      for (int32_t pin = 1; pin <= image.PinCount; ++pin) {
        Indent(3);
        FText += "(pin " + image.Padstack + " ";
        Number(pin);
        Coordinate((pin - 1) % (image.PinCount / 2 + 1) * image.Pitch - half);
        Coordinate(pin <= image.PinCount / 2 ? -1200 : 1200);
        FText += ")\n";
      }
      Line(3, "(keepout \"\" (circle F.Cu 500 0 0))");
      Line(2, ")");
    }
    for (const TImage& image : FImages) {
      Line(2, "(padstack " + image.Padstack);
      Line(3, "(shape (polygon F.Cu 0  -300 300  300 300  300 -300  -300 -300))");
      Line(3, "(attach off)");
      Line(2, ")");
    }
    Line(2, "(padstack " + std::string(kVia));
    for (const TLayer& layer : kLayers)
      Line(3, "(shape (circle " + std::string(layer.Name) + " 600))");
    Line(3, "(attach off)");
    Line(2, ")");
    Line(1, ")");
  }

  void Network() {
    Line(1, "(network");
    // Every pin goes to one of the nets; a few nets carry quoted names with blanks.
    const std::size_t netCount = FComponents.size();
    std::vector<std::vector<std::string>> pins(netCount);
    for (const TComponent& component : FComponents) {
      for (int32_t pin = 1; pin <= FImages[component.Image].PinCount; ++pin)
        pins[FRandom.Next() % netCount].push_back(component.Designator + "-" + std::to_string(pin));
    }
    for (std::size_t net = 0; net < netCount; ++net) {
      FNetNames.push_back(net < 2        ? std::string(net == 0 ? "GND" : "VCC")
                          : net % 50 == 0 ? "\"Net-(U" + std::to_string(net) + " Pad 1)\""
                                          : "/sheet" + std::to_string(net % 7) + "/N" + std::to_string(net));
      if (net % 500 == 0) Line(2, "# nets " + std::to_string(net) + " and on");
      Line(2, "(net " + FNetNames.back());
      Indent(3);
      FText += "(pins";
      for (const std::string& pin : pins[net]) FText += " " + pin;
      FText += ")\n";
      Line(2, ")");
    }
    Line(2, "(class kicad_default \"\" " + FNetNames[2] + " " + FNetNames[3]);
    Line(3, "(circuit");
    Line(4, "(use_via " + std::string(kVia) + ")");
    Line(3, ")");
    Line(3, "(rule");
    Line(4, "(width 250)");
    Line(4, "(clearance 200.1)");
    Line(3, ")");
    Line(2, ")");
    Line(1, ")");
  }

  void Wiring(std::size_t targetBytes) {
    Line(1, "(wiring");
    std::size_t wire = 0;
    while (FText.size() + 8 < targetBytes) {
      const std::string& net = FNetNames[FRandom.Next() % FNetNames.size()];
      if (++wire % 1000 == 0) Line(2, "# wiring block " + std::to_string(wire / 1000));
      Indent(2);
      FText += "(wire (path ";
      FText += kSignalLayers[FRandom.Next() % kSignalLayers.size()];
      FText += " 250";
      int32_t x = FRandom.Between(10000, kBoardWidth - 10000);
      int32_t y = -FRandom.Between(10000, kBoardHeight - 10000);
      for (int32_t point = FRandom.Between(2, 12); point > 0; --point) {
        Coordinate(x);
        Coordinate(y);
        x += FRandom.Between(-20000, 20000);
        y += FRandom.Between(-20000, 20000);
      }
      FText += ")(net " + net + ")(type route))\n";
      if (FRandom.OneIn(4)) {
        Indent(2);
        FText += "(via " + std::string(kVia);
        Coordinate(x);
        Coordinate(y);
        FText += " (net " + net + "))\n";
      }
    }
    Line(1, ")");
  }

  TRandom FRandom;
  std::string FText;
  std::vector<TImage> FImages;
  std::vector<TComponent> FComponents;
  std::vector<std::string> FNetNames;
};

}  // namespace

std::string GenerateDesign(std::size_t targetBytes, uint32_t seed) {
  return TDesignText(seed).Build(targetBytes);
}

void WriteDesignFile(const std::string& path, std::size_t targetBytes, uint32_t seed) {
  std::string error;
  if (!WriteFileReplacing(path, GenerateDesign(targetBytes, seed), &error))
    throw std::runtime_error("Cannot write the design " + path + ": " + error);
}
