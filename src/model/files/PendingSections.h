// The file sections whose translation is not part of the plug-in yet. They are created and
// dispatched like the others, so that a file's structure is read the same way throughout:
// their blocks are skipped with the object base's warning, and they add nothing to a board
// or to a written file.
#pragma once

#include <algorithm>
#include <cstddef>

#include "model/files/FileSection.h"

// A class name as a template argument.
template <std::size_t N>
struct TClassNameLiteral {
  constexpr TClassNameLiteral(const char (&text)[N]) { std::copy_n(text, N, Text); }
  char Text[N];
};

template <TClassNameLiteral SectionClassName>
class TPendingSection : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return SectionClassName.Text; }
};

using TSpecctraFloorPlanDescriptor = TPendingSection<"TSpecctraFloorPlanDescriptor">;
using TSpecctraTestpointsDescriptor = TPendingSection<"TSpecctraTestpointsDescriptor">;
