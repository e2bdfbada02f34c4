#include "support/RoutedCopper.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "support/SExpression.h"

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Millimetres per unit word; 0 for a word that is no length unit.
double MillimetresPer(const std::string& unit) {
  const std::string word = Upper(unit);
  if (word == "INCH") return 25.4;
  if (word == "MIL") return 0.0254;
  if (word == "CM") return 10;
  if (word == "MM") return 1;
  if (word == "UM") return 0.001;
  return 0;
}

// The number an atom holds, or none.
bool ReadNumber(const std::string& atom, double& value) {
  if (atom.empty()) return false;
  char* end = nullptr;
  value = std::strtod(atom.c_str(), &end);
  return end == atom.c_str() + atom.size();
}

// The numbers of a list from a position up to the first atom that is none.
std::vector<double> NumbersFrom(const TSExpression& list, std::size_t index, double scale) {
  std::vector<double> numbers;
  double value = 0;
  for (const std::string& atom : list.AtomsFrom(index)) {
    if (!ReadNumber(atom, value)) break;
    numbers.push_back(value * scale);
  }
  return numbers;
}

double NormalisedRotation(double degrees) {
  const double turned = std::fmod(degrees, 360.0);
  return turned < 0 ? turned + 360.0 : turned;
}

// Millimetres per number of a block: its unit statement, else its resolution's unit (divided
// by the resolution's value when the block counts in fractions), else the inherited scale.
double ScaleOf(const TSExpression& block, double inherited, bool resolutionDivides) {
  if (const TSExpression* unit = block.Child("unit"))
    if (const double mm = MillimetresPer(unit->AtomAt(1)); mm > 0) inherited = mm;
  if (const TSExpression* resolution = block.Child("resolution")) {
    const double mm = MillimetresPer(resolution->AtomAt(1));
    double value = 0;
    if (mm > 0 && resolutionDivides && ReadNumber(resolution->AtomAt(2), value) && value > 0)
      return mm / value;
    if (mm > 0 && !block.Child("unit")) return mm;
  }
  return inherited;
}

void AddPlaces(const TSExpression& placement, double scale, TRoutedCopper& copper) {
  for (const auto& component : placement.Items) {
    if (component->Head() != "component") continue;
    for (const auto& place : component->Items) {
      if (place->Head() != "place") continue;
      const std::vector<double> position = NumbersFrom(*place, 2, scale);
      // A place without a position leaves the part unplaced.
      if (position.size() < 2) continue;
      const std::string side = place->AtomAt(4).empty() ? "FRONT" : Upper(place->AtomAt(4));
      double rotation = 0;
      ReadNumber(place->AtomAt(5), rotation);
      TCopperItem item{TCopperItem::EKind::Place, Upper(place->AtomAt(1)) + " " + side,
                       {position[0], position[1]}};
      item.Rotation = NormalisedRotation(rotation);
      copper.Items.push_back(item);
    }
  }
}

// A ring without the closing vertex that repeats its first.
std::vector<double> OpenRing(std::vector<double> points) {
  const std::size_t n = points.size();
  if (n >= 4 && points[0] == points[n - 2] && points[1] == points[n - 1]) points.resize(n - 2);
  return points;
}

void AddWire(const TSExpression& wire, const std::string& enclosingNet, double scale,
             TRoutedCopper& copper) {
  std::string net = enclosingNet;
  if (const TSExpression* own = wire.Child("net")) net = own->AtomAt(1);
  // The wire's shape is its first list; net, type and the rest follow it.
  const TSExpression* shape = nullptr;
  for (const auto& item : wire.Items)
    if (item->IsList) {
      shape = item.get();
      break;
    }
  if (!shape) return;
  const std::string head = shape->Head();
  const std::string key = Upper(net) + " " + Upper(shape->AtomAt(1));
  double width = 0;
  ReadNumber(shape->AtomAt(2), width);
  const std::vector<double> points = NumbersFrom(*shape, 3, scale);
  if (head == "path") {
    // A one-point path is a dot: a segment from the point to itself.
    const std::size_t vertices = points.size() / 2;
    const auto addSegment = [&](std::size_t from, std::size_t to) {
      TCopperItem item{TCopperItem::EKind::Segment, key,
                       {points[2 * from], points[2 * from + 1], points[2 * to],
                        points[2 * to + 1]}};
      item.Width = width * scale;
      copper.Items.push_back(item);
    };
    if (vertices == 1) addSegment(0, 0);
    for (std::size_t v = 0; v + 1 < vertices; ++v) addSegment(v, v + 1);
  } else if (head == "polygon" || head == "poly") {
    TCopperItem item{TCopperItem::EKind::Polygon, key, OpenRing(points)};
    item.Width = width * scale;
    copper.Items.push_back(item);
  } else {
    ++copper.UnreadWireShapes[Upper(head)];
  }
}

void AddVia(const TSExpression& via, const std::string& enclosingNet, double scale,
            TRoutedCopper& copper) {
  std::string net = enclosingNet;
  if (const TSExpression* own = via.Child("net")) net = own->AtomAt(1);
  std::string key = Upper(net);
  if (const TSExpression* number = via.Child("via_number")) key += " #" + number->AtomAt(1);
  const std::vector<double> points = NumbersFrom(via, 2, scale);
  for (std::size_t p = 0; p + 1 < points.size(); p += 2) {
    TCopperItem item{TCopperItem::EKind::Via, key, {points[p], points[p + 1]}};
    item.Padstack = Upper(via.AtomAt(1));
    copper.Items.push_back(item);
  }
}

// The wires and vias of a block; those inside a net block take its net.
void AddWiring(const TSExpression& block, const std::string& net, double scale,
               TRoutedCopper& copper) {
  for (const auto& item : block.Items) {
    const std::string head = item->Head();
    if (head == "wire") AddWire(*item, net, scale, copper);
    else if (head == "via") AddVia(*item, net, scale, copper);
    else if (head == "net") AddWiring(*item, item->AtomAt(1), scale, copper);
  }
}

// The string quote a design declares in its parser block; the double quote when it declares
// none.
char DesignQuote(const std::string& text) {
  const std::size_t at = text.find("(string_quote");
  if (at == std::string::npos) return '"';
  const std::size_t quote = text.find_first_not_of(" \t\r\n", at + 13);
  return quote == std::string::npos ? '"' : text[quote];
}

// The text of an expression, atoms upper-cased and separated by blanks.
void AppendText(const TSExpression& expression, std::string& text) {
  if (!expression.IsList) {
    text += Upper(expression.Atom) + " ";
    return;
  }
  text += "( ";
  for (const auto& item : expression.Items) AppendText(*item, text);
  text += ") ";
}

void AddPadstacks(const TSExpression& library, TRoutedCopper& copper) {
  for (const auto& padstack : library.Items) {
    if (padstack->Head() != "padstack") continue;
    std::string shapes;
    for (const auto& item : padstack->Items)
      if (item->Head() == "shape") AppendText(*item, shapes);
    copper.Padstacks.emplace_back(Upper(padstack->AtomAt(1)), shapes);
  }
}

const TSExpression* FirstList(const TSExpression& root) {
  for (const auto& item : root.Items)
    if (item->IsList) return item.get();
  return nullptr;
}

}  // namespace

TRoutedCopper RoutedCopperOfDesign(const std::string& text) {
  TRoutedCopper copper;
  const auto root = ParseSExpression(text, DesignQuote(text));
  const TSExpression* design = FirstList(*root);
  if (!design) return copper;
  const double scale = ScaleOf(*design, 0.0254, false);
  if (const TSExpression* placement = design->Child("placement"))
    AddPlaces(*placement, ScaleOf(*placement, scale, false), copper);
  if (const TSExpression* library = design->Child("library")) AddPadstacks(*library, copper);
  if (const TSExpression* wiring = design->Child("wiring"))
    AddWiring(*wiring, "", ScaleOf(*wiring, scale, true), copper);
  return copper;
}

TRoutedCopper RoutedCopperOfSession(const std::string& text) {
  TRoutedCopper copper;
  const auto root = ParseSExpression(text, '\'');
  const TSExpression* session = FirstList(*root);
  if (!session) return copper;
  if (const TSExpression* placement = session->Child("placement"))
    AddPlaces(*placement, ScaleOf(*placement, 0, true), copper);
  if (const TSExpression* routes = session->Child("routes")) {
    copper.SessionUnit = ScaleOf(*routes, 0, true);
    if (const TSExpression* network = routes->Child("network_out"))
      AddWiring(*network, "", copper.SessionUnit, copper);
  }
  return copper;
}

void NameViaPadstacksByShape(std::vector<TCopperItem>& items, const TRoutedCopper& design) {
  std::map<std::string, std::string> firstOfShapes;
  std::map<std::string, std::string> nameOf;
  for (const auto& [name, shapes] : design.Padstacks) {
    firstOfShapes.emplace(shapes, name);
    nameOf.emplace(name, firstOfShapes[shapes]);
  }
  for (TCopperItem& item : items)
    if (const auto known = nameOf.find(item.Padstack); known != nameOf.end())
      item.Padstack = known->second;
}

std::string Describe(const TCopperItem& item) {
  static const char* const kKinds[] = {"place", "segment", "polygon", "via"};
  std::ostringstream line;
  line << kKinds[static_cast<int>(item.Kind)] << " " << item.Key;
  if (item.Kind == TCopperItem::EKind::Via) line << " padstack " << item.Padstack;
  if (item.Kind == TCopperItem::EKind::Place) line << " rotation " << item.Rotation;
  if (item.Kind == TCopperItem::EKind::Segment || item.Kind == TCopperItem::EKind::Polygon)
    line << " width " << item.Width;
  line << " at";
  for (double value : item.Points) line << " " << value;
  return line.str();
}
