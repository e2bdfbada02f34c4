// A contour of the server interface: the points a region's outline is made from.
#pragma once

#include <vector>

#include "host/PcbServer.h"
#include "server/ComponentPlacement.h"

namespace standin {

class TContour final : public host::IPCB_Contour {
public:
  // At most the capacity of an outline record.
  host::HResult SetCount(int32_t count) override;
  host::HResult SetPoint(int32_t index, int32_t x, int32_t y) override;

  const std::vector<TPointD>& Points() const { return FPoints; }

private:
  std::vector<TPointD> FPoints;
};

}  // namespace standin
