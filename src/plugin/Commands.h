// The command procedures of the module, in the order the command table registers them.
#pragma once

void ImportSpecctraDesignFile(void* context, const char* parameters);
void ExportSpecctraDesignFile(void* context, const char* parameters);
void ImportSpecctraRouteFile(void* context, const char* parameters);
void ExportSpecctraRouteFile(void* context, const char* parameters);
void ExportSpecctraSessionFile(void* context, const char* parameters);
void ExportData(void* context, const char* parameters);
void ViewEmbeddedObjects(void* context, const char* parameters);
void DeleteEmbeddedObjects(void* context, const char* parameters);
void DebugParseDSN(void* context, const char* parameters);
void ReturnToHostPCB(void* context, const char* parameters);
