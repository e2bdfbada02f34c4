// Reads a board document (.pcbdoc) into a board view. The reader is tolerant within a valid
// document: absent fields take their defaults, objects of unknown kinds are counted only. A 0-byte
// file is an empty board, as the host loads it.
#pragma once

#include <string>

#include "app/board_view/BoardView.h"

namespace pcbhost {

// The newest document version this host reads; it reads every older one too.
constexpr int kBoardDocumentVersion = 2;

// What a reader keeps: everything, or all but the drawable objects' shapes (a summary counts
// them by kind and needs nothing else of them).
enum class TViewContents { Everything, WithoutShapes };

// False with a one-line reason when the file cannot be read, is not JSON, is not a board
// document, or has a version newer than this host's.
bool ReadBoardView(const std::string& path, TBoardView& view, std::string* error,
                   TViewContents contents = TViewContents::Everything);

}  // namespace pcbhost
