// The file dialog process as the plug-in runs it: a parameter buffer in, results out.
#include <gtest/gtest.h>

#include "common/ParameterText.h"
#include "standin/ClientTestSupport.h"

namespace {

const std::string kDesignDialog =
    "Dialog=FileOpenSave|Mode=0|Prompt=Import Specctra Design File|DocumentType=All|"
    "FileType1=Dsn File (*.dsn; *.cct)|Path=";

std::string ValueOf(const std::string& text, const char* name) {
  const TParameterList list = ParseParameters(text);
  const TParameter* found = FindParameter(list, name);
  return found ? found->Value : "(missing)";
}

TEST(CommonDialog, AnswersComeInOrderThenTheDialogIsCancelled) {
  TClientUnderTest host;
  host.Client->AddDialogAnswer("/designs/first.dsn");
  host.Client->AddDialogAnswer("");
  host.Client->AddDialogAnswer("/designs/second file.dsn");
  const char* expected[] = {"/designs/first.dsn", nullptr, "/designs/second file.dsn", nullptr};
  for (const char* path : expected) {
    SCOPED_TRACE(path ? path : "cancelled");
    const auto [status, results] = host.Run("Client:RunCommonDialog", kDesignDialog + "/start");
    EXPECT_EQ(status, host::kOk);
    EXPECT_EQ(ValueOf(results, "Result"), path ? "True" : "False");
    EXPECT_EQ(ValueOf(results, "Path"), path ? path : "/start");
    // The dialog's own parameters are still there.
    EXPECT_EQ(ValueOf(results, "Prompt"), "Import Specctra Design File");
  }
  EXPECT_EQ(host.Terminal.Err,
            "Import Specctra Design File: /designs/first.dsn\n"
            "Import Specctra Design File: cancelled\n"
            "Import Specctra Design File: /designs/second file.dsn\n"
            "Import Specctra Design File: cancelled (no answer given)\n");
}

TEST(CommonDialog, WithoutAnswersATerminalIsAsked) {
  struct TCase {
    std::vector<std::string> Typed;
    std::string Result;
    std::string Path;
  };
  const std::vector<TCase> cases = {
      {{"/typed/board.dsn"}, "True", "/typed/board.dsn"},
      {{""}, "False", ""},
      {{}, "False", ""},  // end of input
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Typed.empty() ? "end of input" : "typed '" + c.Typed[0] + "'");
    TClientUnderTest host;
    host.Terminal.InputInteractive = true;
    host.Terminal.InputLines.assign(c.Typed.begin(), c.Typed.end());
    const auto [status, results] = host.Run("client:runcommondialog", kDesignDialog);
    EXPECT_EQ(status, host::kOk) << "process names ignore letter case";
    EXPECT_EQ(ValueOf(results, "Result"), c.Result);
    EXPECT_EQ(ValueOf(results, "Path"), c.Path);
    EXPECT_TRUE(host.Terminal.Err.starts_with("Import Specctra Design File (file path"))
        << host.Terminal.Err;
  }
}

TEST(CommonDialog, AnAnswerThatDoesNotFitTheBufferIsACancel) {
  TClientUnderTest host;
  host.Client->AddDialogAnswer("/designs/" + std::string(200, 'x') + ".dsn");
  const auto [status, results] = host.Run("Client:RunCommonDialog", kDesignDialog, 200);
  EXPECT_EQ(status, host::kFail);
  EXPECT_EQ(results, "Result=False");
}

TEST(ProcessLauncher, HostProcessesAnswerAndUnknownOnesFail) {
  TClientUnderTest host;
  const std::pair<const char*, host::HResult> cases[] = {
      {"PCB:Zoom", host::kOk},
      {"PCB:Netlist", host::kOk},
      {"TextEdit:MoveCursorToTopOfDocument", host::kOk},
      {"PCB:Frobnicate", host::kFail},
      {"", host::kFail},
  };
  for (const auto& [name, expected] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(host.Run(name, "Action=Document", 0).first, expected);
  }
  EXPECT_EQ(host.Client->Launcher().RunProcess(nullptr, nullptr, 0, nullptr), host::kFail);
  EXPECT_FALSE(host.Client->QuitRequested());
  EXPECT_EQ(host.Run("Client:QuitFromEDAClient", "", 0).first, host::kOk);
  EXPECT_TRUE(host.Client->QuitRequested());
}

}  // namespace
