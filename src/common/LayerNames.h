// The default names of the host's layer numbers 0..82 ("NoLayer", "TopLayer", "MidLayer1" ...),
// which a new board's layer records carry. Both the translator and the stand-in host use them.
#pragma once

#include <cstdint>
#include <string_view>

// Layer numbers run from 0 to 82.
constexpr uint32_t kDefaultLayerNameCount = 83;

// The default name of a layer number; empty beyond 82. Each name fits 20 bytes.
std::string_view DefaultLayerName(uint32_t number);
