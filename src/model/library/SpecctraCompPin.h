// A pin of an image: a padstack placed at a position relative to the image origin, turned by
// a rotation.
//   (pin padstack [(rotate angle)] id x y [(property ...)])
//   (pin padstack [(rotate angle)] (array first last step x y dx dy [(prefix text)]
//        [(suffix text)]))
// The array form adds one pin per step to the image instead of the pin itself.
#pragma once

#include <string>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraCompImage;
struct TPinPadstack;
struct TPinPad;
class TPcbPad;

class TSpecctraCompPin : public TSpecctraObject {
public:
  // The owner is the image the pin belongs to.
  explicit TSpecctraCompPin(TSpecctraCompImage* image);
  std::string_view ClassName() const override { return "TSpecctraCompPin"; }

  // Entered after the keyword pin. An array's pins go to the image; the pin itself then
  // stays out of it (HeldArray).
  bool LoadFromFile() override;
  // The host pad in the image's host component; false only when the padstack is missing.
  bool ExportToPcb() override;

  const std::string& PadstackName() const { return FPadstackName; }
  double Rotation() const { return FRotation; }
  const TVertex& Position() const { return FPosition; }
  bool HeldArray() const { return FHeldArray; }
  // The instance's designator, "-" and the pin id (U1-7); empty with an error when the image
  // is not being built for an instance.
  std::string FullName();
  // The pads' box in image coordinates: the padstack's extent moved to the pin and turned
  // about it by the rotation; all 0 without a padstack.
  TSpecctraExtent PinExtent();

  void SetPadstackName(std::string name) { FPadstackName = std::move(name); }
  void SetRotation(double rotation) { FRotation = rotation; }
  void SetPosition(TVertex position) { FPosition = position; }

private:
  TSpecctraCompImage& Image() const;
  bool LoadRotation();
  bool LoadPosition();
  // (array first last step x y dx dy (prefix p) (suffix s)), after array.
  bool LoadArray();
  // One of the array's numbers; false (the depth kept right) when a parenthesis or a
  // malformed number stands in its place.
  bool ReadArrayNumber(double& value, bool integer);
  // The text of (prefix text) or (suffix text), after the keyword; closes the block.
  bool LoadAffix(std::string& text);
  // The array's pins, appended to the image; a step that never reaches last, or more pins
  // than an array may hold, is refused with one error and adds none.
  void AddArrayPins(int64_t first, int64_t last, int64_t step, TVertex at, TVertex delta,
                    const std::string& prefix, const std::string& suffix, int32_t line);
  // Host pad fields from the padstack by its stack kind.
  void SetPadStack(TPcbPad& pad, const TPinPadstack& padstack, const std::string& fullName);
  // The offset of the padstack's centre from the pin, turned with the pin's rotation.
  TVertex TurnedPadOffset(const TVertex& centre) const;

  std::string FPadstackName;
  double FRotation = 0;
  TVertex FPosition;
  bool FHeldArray = false;
};

// The box around the four corners of the extent turned counter-clockwise about the point
// (quarter turns exactly).
TSpecctraExtent RotateExtent(const TSpecctraExtent& extent, const TVertex& about, double degrees);
