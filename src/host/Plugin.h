// What a plug-in library exports to the host, and the importer interface the host's generic
// file import asks it for.
#pragma once

#include <cstdint>

#include "host/Client.h"
#include "host/PcbApi.h"

namespace host {

// {E3A11D71-08EB-48A6-9345-FCEBF254EEFF}
inline constexpr TGuid IID_IPcbFileImporter{0xE3A11D71, 0x08EB, 0x48A6,
                                            {0x93, 0x45, 0xFC, 0xEB, 0xF2, 0x54, 0xEE, 0xFF}};

// File names are wide strings whose characters U+0000..U+00FF stand for the path's bytes.
class IPcbFileImporter : public IUnknownLike {
public:
  virtual HResult CanImportFile(const wchar_t* fileName, bool* canImport) = 0;
  virtual HResult ImportFile(const wchar_t* fileName) = 0;

protected:
  ~IPcbFileImporter() = default;
};

}  // namespace host

extern "C" {
using ServerFactoryFn = host::HResult (*)(host::IClient* client, host::IServerModule** module);
using GetPcbImporterDescriptionFn = const char* (*)();
using ImportFileIntoPcbFn = uint8_t (*)(const PcbShortString* fileName,
                                        const PcbShortString* secondName, PcbHandle board);
}
