#include "model/library/PartLibraryDescriptor.h"

bool TSpecctraPartLibraryDescriptor::LoadFromFile() {
  SkipUnknownBlock();
  return true;
}
