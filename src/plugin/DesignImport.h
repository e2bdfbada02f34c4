// Reading a design file into a host board.
#pragma once

#include <string>

#include "host/PcbApi.h"

// Parses the design and builds it on the board; true when both succeeded. Writes the report.
bool ParseAndBuild(const std::string& dsnPath, PcbHandle board);
// The import into a given board: one modification batch with the board's polygon and DRC
// options off, the created polygons handed to the board afterwards, the view zoomed.
bool ImportDesignIntoBoard(const std::string& dsnPath, PcbHandle board);
// The import into a new board document inside a new project folder beside the design.
void ImportDesignAsProject(const std::string& dsnPath);
