// A board in the PCB server's memory: the contents of one PCB document. It carries the path of
// its document and whether it changed since the document was last loaded or saved, its
// settings, layers, the index of the objects on it and its outline object. The objects
// themselves are the model's (TPcbModel); the board only knows their handles.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/PcbApi.h"
#include "server/BoardIndex.h"
#include "server/BoardSettings.h"
#include "server/LayerStack.h"

namespace host {
class IPCB_Board;
}

namespace standin {

class TBoardInterface;

class TBoard {
public:
  TBoard(PcbHandle handle, std::string fileName);
  TBoard(const TBoard&) = delete;
  TBoard& operator=(const TBoard&) = delete;
  ~TBoard();

  PcbHandle Handle() const { return FHandle; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(std::string fileName) { FFileName = std::move(fileName); }

  bool Modified() const { return FModified; }
  void SetModified(bool modified) { FModified = modified; }

  TBoardSettings& Settings() { return FSettings; }
  const TBoardSettings& Settings() const { return FSettings; }
  TLayerStack& Layers() { return FLayers; }
  const TLayerStack& Layers() const { return FLayers; }
  TBoardIndex& Index() { return FIndex; }
  const TBoardIndex& Index() const { return FIndex; }
  // The board outline object; nil while the board has none.
  PcbHandle Outline() const { return FOutline; }
  void SetOutline(PcbHandle outline) { FOutline = outline; }

  // The COM-style board interface that the import commands talk to.
  host::IPCB_Board& Interface();
  // The calls the board interface received, oldest first, as readable text
  // (e.g. "SendMessage(0, 0, 14, none)", "SetOption(Polygon, off)").
  const std::vector<std::string>& RecordedCalls() const { return FRecordedCalls; }
  void RecordCall(std::string call) { FRecordedCalls.push_back(std::move(call)); }

private:
  PcbHandle FHandle;
  std::string FFileName;
  bool FModified = false;
  TBoardSettings FSettings;
  TLayerStack FLayers;
  TBoardIndex FIndex;
  PcbHandle FOutline = 0;
  std::vector<std::string> FRecordedCalls;
  std::unique_ptr<TBoardInterface> FInterface;
};

}  // namespace standin
