// The shorthand verbs that run one translation command of the plug-in and summarize it:
// import, export-routes, export-session and embedded.
#pragma once

#include <optional>
#include <string>

namespace pcbhost {

struct TImportOptions {
  std::string Design;
  std::string Out;
  // Present: write the file (empty: beside the design).
  std::optional<std::string> Routes;
  std::optional<std::string> Session;
  std::optional<std::string> Svg;
  std::string Merge;
  bool Project = false;
  bool AutoRoute = false;
  // Replace an existing board document.
  bool Force = false;
  // Fail when the import's report holds an error.
  bool Strict = false;
  // Draw no progress bar.
  bool Quiet = false;
};

struct TExportOptions {
  std::string Board;
  std::string Out;
  bool Quiet = false;
};

struct TEmbeddedOptions {
  std::string Board;
  std::string Out;
  bool Delete = false;
};

int ImportVerb(const TImportOptions& options);
int ExportRoutesVerb(const TExportOptions& options);
int ExportSessionVerb(const TExportOptions& options);
int EmbeddedVerb(const TEmbeddedOptions& options);

}  // namespace pcbhost
