// The client library's file helpers behind the exported ClientAPI_* entry points. Each writes
// a zero-terminated result into the buffer (cut to fit) and answers its length; null texts
// count as empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standin {

// Whether a regular file exists at the path.
bool ExistSpecific(const char* path);
// The file's name with its extension, without its folder.
uint32_t ExtractFileNameFromPath(const char* path, char* buffer, uint32_t size);
// The whole path, folder included.
uint32_t ExtractWholeFileNameFromPath(const char* path, char* buffer, uint32_t size);
// The path with the extension of its file name replaced, or added when it has none; the
// extension is given without dot, and an empty one removes the extension. An empty path
// stays empty.
uint32_t ForceFileNameExtension(const char* path, const char* extension, char* buffer,
                                uint32_t size);

// The text forms of the helpers above.
std::string FileNameOfPath(std::string_view path);
std::string PathWithExtension(std::string_view path, std::string_view extension);

}  // namespace standin
