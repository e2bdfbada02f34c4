// An image of the library: a footprint of pins on padstacks, an outline, keepouts,
// conductors and vias. Each placed component instance builds it anew into a host component.
//   (image name (side front|back|both) (unit u) (outline shape) (pin ...)... (keepout ...)
//        (conductor ...) (via ...) (rule ...) (place_rule ...) (property ...))
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "common/AsciiText.h"
#include "model/base/SpecctraList.h"
#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraAbstractGeometryShape.h"
#include "model/library/PinPadstack.h"

class TSpecctraCompPin;
class TSpecctraComponentInstance;

class TSpecctraCompImage : public TSpecctraObject, public TShapeOwner {
public:
  explicit TSpecctraCompImage(TSpecctraObject* owner);
  ~TSpecctraCompImage() override;
  std::string_view ClassName() const override { return "TSpecctraCompImage"; }
  // The outline goes to the overlay, every shape into the host component.
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eImage; }

  // Entered after the keyword image.
  bool LoadFromFile() override;
  // Builds one new host component for the current instance (its handle stays in the
  // image's host handle); always true.
  bool ExportToPcb() override;
  bool ImportFromPcb() override { return false; }
  bool ExportToFile() override { return false; }

  // A rectangle around the pins' pads, the conductors and keepouts; all 0 when none of them
  // has an extent.
  std::unique_ptr<TSpecctraAbstractGeometryShape> ImageBoundingRect();
  // The description of the padstack of that name, read once per image; nil when the library
  // has none (reported by the pin).
  virtual const TPinPadstack* FindPinPadstack(std::string_view name);

  // 0 front, 1 back, 2 both.
  uint8_t Side() const { return FSide; }
  TSpecctraAbstractGeometryShape* Outline() const { return FOutline.get(); }
  TSpecctraList& Pins() { return FPins; }
  TSpecctraList* Conductors() const { return FConductors.get(); }
  TSpecctraList* Vias() const { return FVias.get(); }
  TSpecctraList* Keepouts() const { return FKeepouts.get(); }
  TSpecctraComponentInstance* CurrentInstance() const { return FCurrentInstance; }
  void SetCurrentInstance(TSpecctraComponentInstance* instance) { FCurrentInstance = instance; }

protected:
  // The padstack's description from the design's library; nullopt when there is none.
  virtual std::optional<TPinPadstack> DescribeLibraryPadstack(std::string_view name);

private:
  bool HandleStatement(int32_t id, bool& result);
  bool LoadSide();
  bool LoadOutline();
  bool LoadPin();
  // A keepout, conductor or via parses its block and joins the list (made on first use).
  template <class Item>
  bool LoadInto(std::unique_ptr<TSpecctraList>& list);
  // Pins, conductors, vias and keepouts into the host component.
  void ExportContents();
  // The board offset of the design's structure section, rounded.
  void RestoreBoardOffset();

  uint8_t FSide = 2;
  std::unique_ptr<TSpecctraAbstractGeometryShape> FOutline;
  TSpecctraList FPins;
  std::unique_ptr<TSpecctraList> FConductors;
  std::unique_ptr<TSpecctraList> FVias;
  std::unique_ptr<TSpecctraList> FKeepouts;
  TSpecctraComponentInstance* FCurrentInstance = nullptr;
  // Padstack descriptions by name; nullopt for a name the library lacks.
  std::map<std::string, std::optional<TPinPadstack>, TLessIgnoringCase> FPadstacks;
};
