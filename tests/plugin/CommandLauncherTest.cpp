#include <gtest/gtest.h>

#include <stdexcept>

#include "host/Plugin.h"
#include "plugin/CommandLauncher.h"
#include "plugin/SpecctraInterface.h"

namespace {

std::string gLastParameters;
int gRuns = 0;

void RecordingCommand(void*, const char* parameters) {
  ++gRuns;
  gLastParameters = parameters;
}
void OtherCommand(void*, const char*) { gRuns += 100; }
void FailingCommand(void*, const char*) { throw std::runtime_error("boom"); }

}  // namespace

TEST(CommandLauncher, FindsCommandsIgnoringCaseAndKeepsTheFirstRegistration) {
  TCommandLauncher launcher("Test");
  launcher.AddCommand("ImportSpecctraDesignFile", RecordingCommand);
  launcher.AddCommand("IMPORTSPECCTRADESIGNFILE", OtherCommand);
  gRuns = 0;
  EXPECT_EQ(launcher.LaunchCommand("importspecctradesignfile", "DsnFile=a.dsn", 0, nullptr),
            host::kOk);
  EXPECT_EQ(gRuns, 1);
  EXPECT_EQ(gLastParameters, "DsnFile=a.dsn");
  EXPECT_EQ(launcher.CommandNames().size(), 1u);
}

TEST(CommandLauncher, UnknownNamesDoNothingAndExceptionsBecomeAFailureStatus) {
  TCommandLauncher launcher("Test");
  launcher.AddCommand("Fail", FailingCommand);
  gRuns = 0;
  EXPECT_EQ(launcher.LaunchCommand("NoSuchCommand", "", 0, nullptr), host::kOk);
  EXPECT_EQ(launcher.LaunchCommand(nullptr, nullptr, 0, nullptr), host::kOk);
  EXPECT_EQ(gRuns, 0);
  EXPECT_EQ(launcher.LaunchCommand("fail", "", 0, nullptr), host::kUnexpected);
}

TEST(CommandLauncher, CommandStateIsTheHostDefault) {
  TCommandLauncher launcher("Test");
  launcher.AddCommand("A", RecordingCommand);
  int32_t values[5] = {7, 7, 7, 7, 7};
  ASSERT_EQ(launcher.GetCommandState("A", "", &values[0], &values[1], &values[2], &values[3],
                                     &values[4]),
            host::kOk);
  EXPECT_EQ(std::vector<int32_t>(values, values + 5), (std::vector<int32_t>{-1, 0, -1, 0, 0}));
}

TEST(SpecctraInterface, RegistersTheTenCommandsAndOffersTheImporter) {
  TSpecctraInterface* module = CreateSpecctraInterface(nullptr);
  const std::vector<std::string> expected = {
      "DebugParseDSN",         "DeleteEmbeddedObjects",     "ExportData",
      "ExportSpecctraDesignFile", "ExportSpecctraRouteFile", "ExportSpecctraSessionFile",
      "ImportSpecctraDesignFile", "ImportSpecctraRouteFile", "ReturnToHostPCB",
      "ViewEmbeddedObjects"};
  EXPECT_EQ(module->CommandLauncher().CommandNames(), expected);

  char name[32] = {};
  ASSERT_EQ(module->GetModuleName(name, sizeof name), host::kOk);
  EXPECT_STREQ(name, "SpecctraIF");

  void* importer = nullptr;
  ASSERT_EQ(module->QueryInterface(host::IID_IPcbFileImporter, &importer), host::kOk);
  EXPECT_EQ(importer, static_cast<host::IPcbFileImporter*>(module));
  EXPECT_NE(module->QueryInterface(host::IID_IProcessLauncher, &importer), host::kOk);
  EXPECT_EQ(importer, nullptr);
  EXPECT_EQ(CurrentServerModule(), module);
  EXPECT_EQ(module->Release(), host::kOk);
  EXPECT_EQ(CurrentServerModule(), nullptr);
}

TEST(SpecctraInterface, WideFileNamesMapCharactersToBytes) {
  const wchar_t name[] = {L'/', L't', 0xE9, L'.', L'd', 0};
  EXPECT_EQ(FileNameFromWide(name), "/t\xE9.d");
  EXPECT_EQ(FileNameFromWide(nullptr), "");
}
