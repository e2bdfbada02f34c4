// The kinds of documents the client knows, their file extensions and their views.
#pragma once

#include <string>
#include <string_view>

namespace standin {

inline constexpr const char* kPcbKind = "PCB";
inline constexpr const char* kRouterKind = "NAVRO";
inline constexpr const char* kTextKind = "Text";
inline constexpr const char* kProjectKind = "PcbProject";

// The kind of a file by its extension (letter case ignored): .pcbdoc is "PCB", .rpt, .txt
// and .prs are "Text", .PrjPcb is "PcbProject"; empty for other files.
std::string DocumentKindOfPath(std::string_view path);
// The extension (without dot) of new documents of the kind; empty for unknown kinds.
std::string DefaultExtensionOfKind(std::string_view kind);
// The kind of view a document of the kind is shown in.
std::string ViewKindOfDocumentKind(std::string_view kind);
// The kinds the "PCB" server holds: "PCB" and "NAVRO".
bool IsPcbServerKind(std::string_view kind);
// The kind as the client spells it, or empty when unknown.
std::string CanonicalKind(std::string_view kind);

}  // namespace standin
