// The server's object of each kind, new and empty.
#pragma once

#include <memory>

#include "server/BoardObject.h"

namespace standin {

// Null for a number that is no kind. Rules are clearance rules and classes classes of nets;
// components come without their texts (the model adds them).
std::unique_ptr<TBoardObject> NewBoardObject(uint8_t kind);

}  // namespace standin
