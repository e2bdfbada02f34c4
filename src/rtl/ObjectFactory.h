// Wrappers made from what a handle is: the wrapper class of each host object kind.
#pragma once

#include <memory>
#include <string>

#include "rtl/PcbObject.h"

// The wrapper of an object kind over a handle, not yet read; nil for kinds without wrapper
// (0, 23, 24, 25 and above 26). Rules get the plain TPcbRule.
std::unique_ptr<TPCBObject> CreatePcbObjectOfKind(uint8_t objectKind, PcbHandle handle);
// The wrapper of the handle's kind, read (Update(1)); nil for nil and kinds without wrapper.
std::unique_ptr<TPCBObject> CreatePcbObjectFromHandle(PcbHandle handle);
// The text of a text object; empty for nil and every other kind.
std::string PcbObjectNameText(PcbHandle handle);
