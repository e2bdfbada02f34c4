// Memory for the PCB server's objects: slots carved from large blocks, one free list per slot
// size, instead of a heap allocation per object. Blocks are kept for reuse, never returned.
// Sizes beyond the largest slot go to the heap.
#pragma once

#include <cstddef>

namespace standin {

void* AllocateObjectMemory(std::size_t size);
void ReleaseObjectMemory(void* memory, std::size_t size) noexcept;

}  // namespace standin
