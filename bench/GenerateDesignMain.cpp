// generate_design PATH MEGABYTES: writes a generated routed design of at least that many MiB
// to PATH (replacing it), for the benchmark scripts that run whole pcbhost processes on it.
#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>

#include "DesignGenerator.h"

int main(int argc, char** argv) {
  std::size_t megabytes = 0;
  const std::string_view size = argc == 3 ? argv[2] : "";
  const auto parsed = std::from_chars(size.data(), size.data() + size.size(), megabytes);
  if (argc != 3 || parsed.ec != std::errc() || parsed.ptr != size.data() + size.size() ||
      megabytes == 0) {
    std::fprintf(stderr, "usage: generate_design PATH MEGABYTES\n");
    return 2;
  }
  try {
    WriteDesignFile(argv[1], megabytes << 20);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "generate_design: %s\n", error.what());
    return 1;
  }
  return 0;
}
