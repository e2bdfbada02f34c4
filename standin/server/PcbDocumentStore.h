// What the stand-in client asks of the "PCB" server module beyond the host's module interface:
// opening board documents from their files, saving and closing them, and counting what their
// boards hold. Offered through
// QueryInterface with IID_IPcbDocumentStore.
#pragma once

#include <cstdint>

#include "host/Client.h"

namespace standin {

// {6B0C5E2A-41D7-4F3B-9A52-0E8D3C71B6F4}
inline constexpr host::TGuid IID_IPcbDocumentStore{
    0x6B0C5E2A, 0x41D7, 0x4F3B, {0x9A, 0x52, 0x0E, 0x8D, 0x3C, 0x71, 0xB6, 0xF4}};

class IPcbDocumentStore {
public:
  // The open document of the path, or the document loaded from the file (unmodified).
  virtual host::HResult LoadDocument(const char* path, host::IServerDocument** document) = 0;
  // Writes the document's board to its file and marks it unmodified.
  virtual host::HResult SaveDocument(host::IServerDocument* document) = 0;
  // Closes the document without saving; its board and handle are gone.
  virtual host::HResult CloseDocument(host::IServerDocument* document) = 0;
  // How many objects of each kind the document's board holds, as its document lists them:
  // counts[kind] for every kind number below size (the kinds beyond are not counted).
  virtual host::HResult CountObjects(host::IServerDocument* document, uint64_t* counts,
                                     uint32_t size) = 0;
  // Why the last failed call failed.
  virtual host::HResult GetLastError(char* buffer, uint32_t size) = 0;

protected:
  ~IPcbDocumentStore() = default;
};

}  // namespace standin
