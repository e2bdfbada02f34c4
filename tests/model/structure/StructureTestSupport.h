// A design read from text, without a board, for tests of the structure's elements.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/structure/StructureDescriptors.h"
#include "specctra_io/SpecctraParser.h"

struct TStructureFromText {
  // Loads (pcb d (unit mil) (structure <structure>)).
  explicit TStructureFromText(const std::string& structure)
      : parser(std::make_unique<TInputFile>("demo.dsn",
                                            "(pcb d (unit mil) (structure " + structure + "))")),
        design(0, &parser, "demo.dsn") {
    RegisterKeywords(parser);
    loaded = design.LoadFromFile();
  }
  TSpecctraDSNStructureDescriptor& Structure() { return *design.DsnStructure(); }
  bool HasLine(const std::string& line) {
    const auto& lines = design.ReportManager().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  TSpecctraParser parser;
  TSpecctraDesign design;
  bool loaded = false;
};
