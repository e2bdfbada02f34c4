#include "plugin/FileDialogs.h"

#include "common/AsciiText.h"
#include "rtl/HostClient.h"
#include "rtl/Parameters.h"

namespace {

constexpr uint32_t kDialogBufferSize = 4096;

bool RunFileDialog(const std::string& dialog, std::string& path) {
  std::string buffer = CutText(dialog + path);
  if (!HostRunProcess("Client:RunCommonDialog", buffer, kDialogBufferSize)) return false;
  std::string result;
  if (!GetParameterValue(buffer, "Result", result) || result != "True") return false;
  std::string chosen;
  GetParameterValue(buffer, "Path", chosen);
  path = chosen;
  return true;
}

}  // namespace

bool AskDesignFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=0|Prompt=Import Specctra Design File|DocumentType=All|"
      "FileType1=Dsn File (*.dsn; *.cct)|Path=",
      path);
}

bool AskDoFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=0|Prompt=Import Specctra Do File|DocumentType=All|"
      "FileType1=Rte File (*.do)|Path=",
      path);
}

bool AskNewDesignFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=1|Prompt=Create Specctra Design File|DocumentType=All|"
      "FileType1=Dsn File (*.dsn)|Path=",
      path);
}

bool AskRouteFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=0|Prompt=Import Specctra Route File|DocumentType=All|"
      "FileType1=Rte File (*.rte)|Path=",
      path);
}

bool AskNewRouteFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=1|Prompt=Create Specctra Route File|DocumentType=All|"
      "FileType1=Rte File (*.rte)|Path=",
      path);
}

bool AskNewSessionFile(std::string& path) {
  return RunFileDialog(
      "Dialog=FileOpenSave|Mode=1|Prompt=Create Specctra Session File|DocumentType=All|"
      "FileType1=Session File (*.ses)|Path=",
      path);
}
