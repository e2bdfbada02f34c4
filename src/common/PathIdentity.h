// Whether two paths name the same file, as documents and boards are looked up by path.
#pragma once

#include <string>
#include <string_view>

// The path made absolute (against the working folder) with "." and ".." steps and repeated
// slashes removed; empty for an empty path. Symbolic links are not followed.
std::string NormalizedPath(std::string_view path);

// True when both paths normalize to the same text (letter case counts, as on this platform).
bool SamePath(std::string_view a, std::string_view b);
