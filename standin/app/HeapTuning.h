// pcbhost runs with glibc's allocator set for big boards: transparent huge pages for the heap
// (one fault per 2 MB instead of one per 4 KB; first touch of memory dominates big imports),
// and memory freed at the heap's top kept for the next allocations instead of being given
// back and touched anew. glibc takes these settings only from the environment of a starting process,
// so a process started without them runs itself once more with them.
#pragma once

namespace pcbhost {

// Returns when the process already runs with the settings, when the user set them otherwise,
// or when it cannot run itself again (it then goes on with the allocator as it is).
void RunWithTunedHeap(char** argv);

}  // namespace pcbhost
