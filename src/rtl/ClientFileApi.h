// The client library's file-name helpers, bound by name. A missing helper answers false or
// an empty text.
#pragma once

#include <string>

bool ClientFileExists(const std::string& path);
std::string ClientExtractFileName(const std::string& path);
std::string ClientExtractWholeFileName(const std::string& path);
// The path with its extension (given without dot) replaced or added.
std::string ClientForceExtension(const std::string& path, const std::string& extension);
