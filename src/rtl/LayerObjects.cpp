#include "rtl/LayerObjects.h"

#include "rtl/HostCall.h"
#include "rtl/HostUnits.h"
#include "rtl/LayerNumbering.h"
#include "rtl/PcbStrings.h"

namespace {

constexpr double kDefaultCopperMils = 1.4;
constexpr double kDefaultDielectricMils = 12.6;
constexpr double kDefaultDielectricConstant = 4.8;
constexpr uint8_t kDefaultDielectricType = 1;

}  // namespace

PcbDielectricRecord DefaultDielectric() {
  PcbDielectricRecord dielectric{};
  dielectric.material = ToPcbString("FR-4");
  dielectric.dielectricType = kDefaultDielectricType;
  dielectric.dielectricConstant = kDefaultDielectricConstant;
  dielectric.height = MilToCoord(kDefaultDielectricMils);
  return dielectric;
}

TLayerObject::TLayerObject(PcbHandle board, PcbLayerNumber number)
    : FBoard(board), FNumber(number), FDielectric(DefaultDielectric()) {
  FRecord.name = ToPcbString(LayerName(number));
  FRecord.copperThickness = MilToCoord(kDefaultCopperMils);
}

int32_t TLayerObject::Update(uint8_t message) {
  PCB_ENTRY_POINT(dielectric, PcbApi_QueryLayerDielectric);
  const int32_t status = ExchangeLayerRecord(message);
  CallHost(dielectric, message, FNumber, FBoard, &FDielectric);
  return status;
}

std::string TLayerObject::GetName() const { return FromPcbString(FRecord.name); }

void TLayerObject::SetName(std::string_view name) { FRecord.name = ToPcbString(name); }

int32_t TLayerObject::ExchangeLayerRecord(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryLayer);
  return CallHost(query, message, FNumber, FBoard, &FRecord);
}

TInternalPlane::TInternalPlane(PcbHandle board, PcbLayerNumber number)
    : TLayerObject(board, number), FPlaneNet(ToPcbString("(No Net)")) {}

std::string TInternalPlane::GetPlaneNetName() const { return FromPcbString(FPlaneNet); }

void TInternalPlane::SetPlaneNetName(std::string_view name) { FPlaneNet = ToPcbString(name); }

int32_t TInternalPlane::ExchangeLayerRecord(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryInternalPlane);
  PcbInternalPlaneRecord plane{FRecord.name,      FRecord.copperThickness,
                               FRecord.reserved1, FRecord.reserved2,
                               FRecord.prev,      FRecord.next,
                               FPlaneNet};
  const int32_t status = CallHost(query, message, FNumber, FBoard, &plane);
  FRecord.name = plane.name;
  FRecord.copperThickness = plane.copperThickness;
  FRecord.reserved1 = plane.reserved1;
  FRecord.reserved2 = plane.reserved2;
  FRecord.prev = plane.prev;
  FRecord.next = plane.next;
  FPlaneNet = plane.planeNet;
  return status;
}

std::unique_ptr<TLayerObject> CreateLayerObject(PcbHandle board, PcbLayerNumber number) {
  if (IsInternalPlaneLayer(LayerIdOf(number)))
    return std::make_unique<TInternalPlane>(board, number);
  return std::make_unique<TLayerObject>(board, number);
}
