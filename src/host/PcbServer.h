// The host PCB server's COM-style interfaces: the "PCB" server module queried for
// IPCB_ServerInterface, and the board and object interfaces that the import commands use.
#pragma once

#include <cstdint>

#include "host/Client.h"
#include "host/PcbApi.h"

namespace host {

// {DE2AC306-06EC-4363-A78F-E6E8BBEF03E2}
inline constexpr TGuid IID_IPCB_ServerInterface{0xDE2AC306, 0x06EC, 0x4363,
                                                {0xA7, 0x8F, 0xE6, 0xE8, 0xBB, 0xEF, 0x03, 0xE2}};
// {84201336-AE2C-4300-9318-C75F4FD5DE3D}
inline constexpr TGuid IID_IPCB_Board{0x84201336, 0xAE2C, 0x4300,
                                      {0x93, 0x18, 0xC7, 0x5F, 0x4F, 0xD5, 0xDE, 0x3D}};
// {0AA5A07F-E67B-4623-AA0B-02DBE82E048A}: offered by objects the board re-reads after an import.
inline constexpr TGuid IID_IPCB_Net{0x0AA5A07F, 0xE67B, 0x4623,
                                    {0xAA, 0x0B, 0x02, 0xDB, 0xE8, 0x2E, 0x04, 0x8A}};

// Board messages the import sends.
constexpr int32_t kBoardMessageBeginImport = 14;
constexpr int32_t kBoardMessagePolygonAdded = 2;

class IPCB_Object : public IUnknownLike {
public:
  virtual HResult GetObjectHandle(PcbHandle* handle) = 0;

protected:
  ~IPCB_Object() = default;
};

class IPCB_Contour {
public:
  virtual HResult SetCount(int32_t count) = 0;
  virtual HResult SetPoint(int32_t index, int32_t x, int32_t y) = 0;

protected:
  ~IPCB_Contour() = default;
};

class IPCB_Region : public IPCB_Object {
public:
  virtual HResult SetKind(int32_t kind) = 0;
  virtual HResult SetKeepout(bool keepout) = 0;
  virtual HResult SetLayer(uint32_t layerId) = 0;
  // Takes the contour's points as the region's outline; the contour stays the caller's.
  virtual HResult SetOutlineContour(IPCB_Contour* contour) = 0;

protected:
  ~IPCB_Region() = default;
};

class IPCB_Board : public IUnknownLike {
public:
  virtual HResult GetBoardHandle(PcbHandle* handle) = 0;
  virtual HResult GetBoardIdentifier(int32_t* identifier) = 0;
  virtual HResult SendMessage(int32_t target, int32_t source, int32_t message,
                              IPCB_Object* data) = 0;
  // Board options by name ("Polygon", "DRC").
  virtual HResult SetOption(const char* name, bool on) = 0;
  virtual HResult SetCurrentLayer(uint8_t layerNumber) = 0;
  // The host's refresh of its layer and net views after a project import.
  virtual HResult RefreshAfterImport() = 0;
  virtual HResult AcceptImportedObject(IUnknownLike* object) = 0;

protected:
  ~IPCB_Board() = default;
};

class IPCB_ServerInterface : public IUnknownLike {
public:
  // Brackets a batch of board changes.
  virtual HResult PreProcess() = 0;
  virtual HResult PostProcess() = 0;
  virtual HResult GetBoardByPath(const char* path, IPCB_Board** board) = 0;
  virtual HResult GetObjectByHandle(PcbHandle handle, IPCB_Object** object) = 0;
  // A new object of a host kind, not yet on any board (the arguments after the kind are
  // the host's creation options).
  virtual HResult CreateObject(int32_t kind, int32_t option1, int32_t option2,
                               IPCB_Object** object) = 0;
  virtual HResult CreateContour(IPCB_Contour** contour) = 0;
  virtual HResult DestroyContour(IPCB_Contour* contour) = 0;

protected:
  ~IPCB_ServerInterface() = default;
};

}  // namespace host
