// Routing via style rules of the host made from via padstacks: the board-level styles of the
// structure's via list and the styles of a circuit's via list.
#pragma once

#include <string_view>

#include "host/PcbApi.h"
#include "model/library/ViaPadstackFacts.h"

// A host routing via style for a via padstack that is not spare: named "Via style " + the
// padstack name (after the prefix and a blank when there is a prefix), scoped by the scope
// text when there is one, with all three via sizes the padstack's diameter and all three hole
// sizes half of it. Nothing for other padstacks or one without a via geometry. Answers
// whether a rule was added to the board.
bool CreateViaStyleRule(PcbHandle board, const TViaPadstackFacts& padstack,
                        std::string_view namePrefix, std::string_view scopeText);
