// Handles of the PCB server: process-wide numbering, never reused, 0 is nil.
#pragma once

#include "host/PcbApi.h"

namespace standin {

PcbHandle NewPcbHandle();

}  // namespace standin
