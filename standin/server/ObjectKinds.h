// The object kinds of the PCB server: their numbers, their names in board documents, and which
// container holds which kind.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace standin {

// The name of a kind ("track", "splitPlane", ...); empty for a number that is no kind.
std::string_view ObjectKindName(uint8_t kind);
std::optional<uint8_t> ObjectKindOfName(std::string_view name);
bool IsObjectKind(uint8_t kind);

// Primitives drawn on a layer, which a component can hold as well as the board.
bool IsComponentPrimitiveKind(uint8_t kind);

}  // namespace standin
