// Commands whose translations are not part of the plug-in yet: they accept their parameters
// and end without effect.
#include "plugin/Commands.h"

void ImportSpecctraDesignFile(void*, const char*) {}
void ExportSpecctraDesignFile(void*, const char*) {}
void ImportSpecctraRouteFile(void*, const char*) {}
void ExportSpecctraRouteFile(void*, const char*) {}
void ExportSpecctraSessionFile(void*, const char*) {}
void ExportData(void*, const char*) {}
void ViewEmbeddedObjects(void*, const char*) {}
void DeleteEmbeddedObjects(void*, const char*) {}
void ReturnToHostPCB(void*, const char*) {}
