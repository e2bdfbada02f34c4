#include "client/DocumentKinds.h"

#include <array>

#include "common/AsciiText.h"

namespace standin {
namespace {

struct TKindOfExtension {
  const char* Extension;
  const char* Kind;
};

constexpr std::array<TKindOfExtension, 5> kKindsOfExtensions{{
    {"pcbdoc", kPcbKind},
    {"rpt", kTextKind},
    {"txt", kTextKind},
    {"prs", kTextKind},
    {"PrjPcb", kProjectKind},
}};

struct TKindTraits {
  const char* Kind;
  const char* DefaultExtension;
  const char* ViewKind;
};

constexpr std::array<TKindTraits, 4> kKindTraits{{
    {kPcbKind, "pcbdoc", "PcbEditor"},
    {kRouterKind, "pcbdoc", "PcbEditor"},
    {kTextKind, "txt", "TextEditor"},
    {kProjectKind, "PrjPcb", "ProjectEditor"},
}};

const TKindTraits* FindKind(std::string_view kind) {
  for (const TKindTraits& traits : kKindTraits)
    if (SameTextIgnoringCase(kind, traits.Kind)) return &traits;
  return nullptr;
}

std::string_view ExtensionOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot + 1);
}

}  // namespace

std::string DocumentKindOfPath(std::string_view path) {
  const std::string_view extension = ExtensionOf(path);
  for (const TKindOfExtension& entry : kKindsOfExtensions)
    if (SameTextIgnoringCase(extension, entry.Extension)) return entry.Kind;
  return {};
}

std::string DefaultExtensionOfKind(std::string_view kind) {
  const TKindTraits* traits = FindKind(kind);
  return traits ? traits->DefaultExtension : "";
}

std::string ViewKindOfDocumentKind(std::string_view kind) {
  const TKindTraits* traits = FindKind(kind);
  return traits ? traits->ViewKind : "";
}

bool IsPcbServerKind(std::string_view kind) {
  return SameTextIgnoringCase(kind, kPcbKind) || SameTextIgnoringCase(kind, kRouterKind);
}

std::string CanonicalKind(std::string_view kind) {
  const TKindTraits* traits = FindKind(kind);
  return traits ? traits->Kind : "";
}

}  // namespace standin
