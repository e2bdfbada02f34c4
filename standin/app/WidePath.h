// File names for the plug-in's importer interface: wide strings whose characters
// U+0000..U+00FF stand for the path's bytes.
#pragma once

#include <string>
#include <string_view>

namespace pcbhost {

std::wstring WidePath(std::string_view path);

}  // namespace pcbhost
