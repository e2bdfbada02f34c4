// Large synthetic routed Specctra designs for benchmarks: a parser section with a string_quote
// statement, a structure with six layers (two of them power planes with their plane shapes),
// boundary and rules, a library of images with pins and
// their padstacks, the placement of many components, a network of nets and classes, and
// wiring with long paths and vias. Quoted names, escapes and comment lines are mixed in the
// way board tools write them. The same seed gives the same text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A design of at least targetBytes bytes (the wiring grows until the size is reached).
std::string GenerateDesign(std::size_t targetBytes, uint32_t seed = 1);

// Writes GenerateDesign(targetBytes, seed) to the file; raises std::runtime_error on failure.
void WriteDesignFile(const std::string& path, std::size_t targetBytes, uint32_t seed = 1);
