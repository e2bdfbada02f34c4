// Wrappers of host kinds whose records the translator only carries unchanged: embedded
// boards, coordinates, dimensions and violations. They are made by the wrapper factory.
#pragma once

#include <vector>

#include "rtl/PcbObject.h"

class TPcbEmbeddedBoard : public TPCBObject {
public:
  explicit TPcbEmbeddedBoard(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectEmbeddedBoard) {}

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbEmbeddedBoardRecord FRecord{};
};

class TPcbCoordinate : public TPcbGroupObject {
public:
  explicit TPcbCoordinate(PcbHandle handle = 0) : TPcbGroupObject(handle, kPcbObjectCoordinate) {}

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbCoordinateRecord FRecord{};
};

class TPcbDimension : public TPcbGroupObject {
public:
  explicit TPcbDimension(PcbHandle handle = 0) : TPcbGroupObject(handle, kPcbObjectDimension) {}

protected:
  // The dimension record, its references one by one, then the extended record; answers the
  // dimension record's status.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbDimensionRecord FRecord{};
  std::vector<PcbDimensionReferenceRecord> FReferences;
  PcbExtDimensionRecord FExtended{};
};

class TPcbViolation : public TPCBObject {
public:
  explicit TPcbViolation(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectViolation) {}

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbViolationRecord FRecord{};
};
