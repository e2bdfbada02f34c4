// A design read from text, without a board, with a four-layer stack (TOP, IN1, PWR as a power
// layer, BOT) and the library given, for tests of padstacks and the library section.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/library/DsnLibraryDescriptor.h"
#include "specctra_io/SpecctraParser.h"

struct TLibraryFromText {
  explicit TLibraryFromText(const std::string& library, const std::string& structureExtra = "")
      : parser(std::make_unique<TInputFile>(
            "lib.dsn", "(pcb d (unit mil) (structure (layer TOP (type signal)) (layer IN1 (type "
                       "signal)) (layer PWR (type power)) (layer BOT (type signal)) " +
                           structureExtra + ") (library " + library + "))")),
        design(0, &parser, "lib.dsn") {
    RegisterKeywords(parser);
    loaded = design.LoadFromFile();
  }
  TSpecctraDSNLibraryDescriptor& Library() {
    return *static_cast<TSpecctraDSNLibraryDescriptor*>(design.LibrarySection());
  }
  TSpecctraPadstack& Padstack(const std::string& name) {
    TSpecctraPadstack* padstack = Library().FindPadstack(name);
    if (!padstack) throw std::runtime_error("no padstack " + name);
    return *padstack;
  }
  const std::vector<std::string>& Lines() { return design.ReportManager().Lines(); }
  bool Has(const std::string& line) {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }

  TSpecctraParser parser;
  TSpecctraDesign design;
  bool loaded = false;
};
