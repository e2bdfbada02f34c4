// The pcbhost command line as a user meets it: verbs, exit statuses, error lines, and the
// host's own services (dialogs, confirmations, messages, documents, quitting) seen through
// the plug-in's commands.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/Pcbhost.h"
#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

namespace {

// The lines pcbhost itself wrote as errors (the host's prompts and messages are not errors).
std::vector<std::string> ErrorLines(const TProgramResult& result) {
  std::vector<std::string> errors;
  for (const std::string& line : result.ErrLines())
    if (line.starts_with("pcbhost: ")) errors.push_back(line);
  return errors;
}

constexpr const char* kSmallDesign = "(pcb 'My Board')\n";

TEST(PcbhostCli, UsageErrorsExitWithTwoAndOneLine) {
  TTempFolder folder;
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"run"},
      {"run", "Mode=0", "DebugParseDSN"},
      {"run", "DebugParseDSN", "--yes", "--no"},
      {"run", "DebugParseDSN", "--answer"},
      {"tokens"},
      {"tokens", "a.dsn", "b.dsn"},
      {"can-import"},
  };
  for (const auto& arguments : cases) {
    std::string joined;
    for (const auto& argument : arguments) joined += argument + " ";
    SCOPED_TRACE("pcbhost " + joined);
    const TProgramResult result = RunPcbhost(folder, arguments);
    EXPECT_EQ(result.ExitCode, 2) << result.Describe();
    EXPECT_EQ(result.ErrLines().size(), 1u) << result.Describe();
    EXPECT_EQ(ErrorLines(result).size(), 1u) << result.Describe();
    EXPECT_EQ(result.Out, "");
  }
}

TEST(PcbhostCli, UnknownVerbsAndTheVersionAreAnsweredAsSuch) {
  TTempFolder folder;
  for (const char* verb : {"bogus", "Import", "-x"}) {
    SCOPED_TRACE(verb);
    const TProgramResult unknown = RunPcbhost(folder, {verb, "x.dsn"});
    EXPECT_EQ(unknown.ExitCode, 2) << unknown.Describe();
    ASSERT_EQ(unknown.ErrLines().size(), 1u) << unknown.Describe();
    EXPECT_TRUE(Contains(unknown.Err, std::string("'") + verb + "'")) << unknown.Err;
    EXPECT_TRUE(Contains(unknown.Err, "--help")) << unknown.Err;
  }
  const TProgramResult version = RunPcbhost(folder, {"--version"});
  EXPECT_EQ(version.ExitCode, 0) << version.Describe();
  EXPECT_EQ(version.Out, "pcbhost " PROJECT_VERSION_TEXT "\n");
  EXPECT_EQ(version.Err, "");
}

// The lines of a help section ("Positionals:", "Options:", "Subcommands:") up to the next.
std::vector<std::string> HelpSection(const std::string& help, const std::string& title) {
  std::vector<std::string> lines;
  bool inside = false;
  for (const std::string& line : SplitLines(help)) {
    if (!line.empty() && line[0] != ' ') inside = line == title;
    else if (inside && line.size() > 2 && line[2] != ' ') lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The README's usage lines of one verb: those that begin "pcbhost VERB " and the indented
// lines that continue them.
std::string ReadmeUsage(const std::string& readme, const std::string& verb) {
  std::string usage;
  bool inside = false;
  for (const std::string& line : SplitLines(readme)) {
    if (line.starts_with("pcbhost ")) inside = line.starts_with("pcbhost " + verb + " ");
    else if (!line.starts_with("   ")) inside = false;
    if (inside) usage += line + "\n";
  }
  return usage;
}

// Every verb's help describes each argument and names each value, and the README's usage
// section shows the same arguments and options, values named alike.
TEST(PcbhostCli, HelpDescribesEveryArgumentAndTheReadmeMatchesIt) {
  TTempFolder folder;
  const std::string readme = TTempFolder::Read(SOURCE_DIR "/README.md");
  const TProgramResult top = RunPcbhost(folder, {"--help"});
  ASSERT_EQ(top.ExitCode, 0) << top.Describe();
  EXPECT_TRUE(Contains(readme, "pcbhost --version"));
  const std::vector<std::string> verbs = HelpSection(top.Out, "Subcommands:");
  ASSERT_GE(verbs.size(), 9u) << top.Out;
  for (const std::string& entry : verbs) {
    const std::string verb = Words(entry).at(0);
    SCOPED_TRACE(verb);
    const TProgramResult help = RunPcbhost(folder, {verb, "--help"});
    ASSERT_EQ(help.ExitCode, 0) << help.Describe();
    EXPECT_FALSE(Contains(help.Out, " TEXT")) << help.Out;
    const std::string usage = ReadmeUsage(readme, verb);
    ASSERT_FALSE(usage.empty()) << "README shows no usage of " << verb;
    for (const std::string& line : HelpSection(help.Out, "Positionals:")) {
      const std::vector<std::string> words = Words(line);
      EXPECT_GT(words.size(), 2u) << "no description: " << line;
      EXPECT_TRUE(Contains(usage, " " + words[0])) << usage;
    }
    for (const std::string& line : HelpSection(help.Out, "Options:")) {
      const std::vector<std::string> words = Words(line);
      if (words[0].starts_with("-h,")) continue;
      std::string shown = words[0];
      const bool takesValue = words.size() > 1 && words[1] != "Excludes:" &&
                              (std::isupper(static_cast<unsigned char>(words[1][0])) ||
                               words[1][0] == '[');
      if (takesValue) shown += " " + words[1];
      EXPECT_TRUE(Contains(usage, shown)) << shown << " is not in\n" << usage;
    }
  }
}

TEST(PcbhostCli, FileVerbsOnAMissingFileSayItInOneLine) {
  TTempFolder folder;
  for (const char* verb :
       {"import", "export-routes", "export-session", "info", "render", "embedded", "tokens"}) {
    SCOPED_TRACE(verb);
    const TProgramResult result = RunPcbhost(folder, {verb, "missing.file"});
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    ASSERT_EQ(result.ErrLines().size(), 1u) << result.Describe();
    EXPECT_TRUE(Contains(result.Err, "missing.file"));
  }
}

TEST(PcbhostCli, AMissingOrBrokenPluginIsOneErrorLine) {
  TTempFolder folder;
  struct TCase {
    std::string Plugin;
    std::string Reason;
  };
  const std::vector<TCase> cases = {
      {folder.Path("nowhere/libspecctraif.so"), "cannot load the plug-in"},
      // A real library, but not a plug-in.
      {BIN_DIR "/libkelvane.so", "has no ServerFactory"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Plugin);
    TProgramRun run;
    run.Arguments = {BIN_DIR "/pcbhost", "run", "DebugParseDSN"};
    run.WorkingFolder = folder.Root();
    run.Environment = {{"PCBHOST_PLUGIN", c.Plugin}};
    const TProgramResult result = RunProgram(run);
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    ASSERT_EQ(result.ErrLines().size(), 1u) << result.Describe();
    EXPECT_TRUE(Contains(result.Err, c.Reason)) << result.Err;
  }
}

TEST(PcbhostCli, TokensRefusesADesignItCannotRead) {
  TTempFolder folder;
  std::filesystem::create_directory(folder.Path("folder.dsn"));
  std::vector<std::string> designs = {"missing.dsn", "folder.dsn"};
  if (::geteuid() != 0) {
    ::chmod(folder.Write("locked.dsn", kSmallDesign).c_str(), 0);
    designs.push_back("locked.dsn");
  }
  for (const std::string& design : designs) {
    SCOPED_TRACE(design);
    const TProgramResult result = RunPcbhost(folder, {"tokens", design});
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    ASSERT_EQ(result.ErrLines().size(), 1u) << result.Describe();
    EXPECT_TRUE(Contains(result.Err, design));
  }
  const auto names = folder.FileNames();
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](const std::string& name) { return name.ends_with(".prs"); }),
            0);
}

// Needs the plug-in's DebugParseDSN.
TEST(PcbhostCli, TokensWritesOneTokenPerLineBesideTheDesign) {
  TTempFolder folder;
  std::filesystem::create_directory(folder.Path("My Designs"));
  folder.Write("My Designs/board.dsn", kSmallDesign);
  // A dump left from an earlier run is replaced, not taken for the new one.
  folder.Write("My Designs/board.prs", "stale\r\n");
  const TProgramResult result = RunPcbhost(folder, {"tokens", "My Designs/board.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  const std::string dump = folder.Path("My Designs/board.prs");
  EXPECT_EQ(TTempFolder::Read(dump), "(\r\nPCB\r\nMy Board\r\n)\r\n\r\n");
  EXPECT_EQ(result.Out, "written: " + std::filesystem::canonical(dump).string() + "\n");
  EXPECT_TRUE(ErrorLines(result).empty()) << result.Err;
  // Standard error is not a terminal here: no progress bar.
  EXPECT_FALSE(Contains(result.Err, "\r")) << result.Err;
  EXPECT_FALSE(Contains(result.Err, "\033")) << result.Err;
}

// Needs the plug-in's DebugParseDSN.
TEST(PcbhostCli, TokensFailsWhenTheDumpCannotBeWritten) {
  TTempFolder folder;
  folder.Write("board.dsn", kSmallDesign);
  std::filesystem::create_directory(folder.Path("board.prs"));
  const TProgramResult result = RunPcbhost(folder, {"tokens", "board.dsn"});
  EXPECT_EQ(result.ExitCode, 1) << result.Describe();
  EXPECT_EQ(ErrorLines(result).size(), 1u) << result.Describe();
  EXPECT_EQ(result.Out, "");
}

// Needs the plug-in's importer interface.
TEST(PcbhostCli, CanImportAnswersYesForPcbDesignsOnly) {
  TTempFolder folder;
  struct TCase {
    std::string File;
    std::string Contents;
    std::string Answer;
  };
  const std::vector<TCase> cases = {
      {"board.dsn", "(pcb board)\n", "yes"},
      {"CAPS.DSN", "(PCB board)\n", "yes"},
      {"routed.rte", "(pcb board)\n", "yes"},
      {"routes.dsn", "(routes board)\n", "no"},
      {"notes.txt", "(pcb board)\n", "no"},
      {"empty.dsn", "", "no"},
      {"missing.dsn", "", "no"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.File);
    if (c.File != "missing.dsn") folder.Write(c.File, c.Contents);
    const TProgramResult result = RunPcbhost(folder, {"can-import", c.File});
    EXPECT_EQ(result.ExitCode, 0) << result.Describe();
    EXPECT_EQ(result.Out, c.Answer + "\n") << result.Describe();
  }
}

// Needs the plug-in's DebugParseDSN.
TEST(PcbhostCli, RunAnswersFileDialogsInOrderAndCancelsTheRest) {
  TTempFolder folder;
  folder.Write("first.dsn", kSmallDesign);
  folder.Write("second.dsn", "(pcb second)\n");
  const TProgramResult result =
      RunPcbhost(folder, {"run", "DebugParseDSN", "DebugParseDSN", "DebugParseDSN", "--answer",
                          "first.dsn", "--answer", "second.dsn"});
  ASSERT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_TRUE(Contains(TTempFolder::Read(folder.Path("first.prs")), "My Board"));
  EXPECT_TRUE(Contains(TTempFolder::Read(folder.Path("second.prs")), "SECOND"));
  // Every dialog's prompt is shown; the third had no answer and standard input is no terminal.
  const std::vector<std::string> lines = result.ErrLines();
  const auto prompts = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.starts_with("Import Specctra Design File");
  });
  EXPECT_EQ(prompts, 3) << result.Err;
  EXPECT_TRUE(Contains(result.Err, folder.Path("first.dsn"))) << result.Err;
  EXPECT_TRUE(Contains(result.Err, "cancelled")) << result.Err;
}

// Needs the plug-in's ImportSpecctraDesignFile (its prompt for a missing design).
TEST(PcbhostCli, ConfirmationsTakeYesOrNoAndOtherwiseNo) {
  struct TCase {
    std::vector<std::string> Options;
    std::string Answer;
  };
  const std::vector<TCase> cases = {
      {{"--yes"}, "-> Yes"},
      {{"--no"}, "-> No"},
      {{}, "-> No"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Answer + (c.Options.empty() ? " (no option)" : " (" + c.Options[0] + ")"));
    TTempFolder folder;
    std::vector<std::string> arguments = {"run", "ImportSpecctraDesignFile", "DsnFile=gone.dsn"};
    arguments.insert(arguments.end(), c.Options.begin(), c.Options.end());
    const TProgramResult result = RunPcbhost(folder, arguments);
    EXPECT_EQ(result.ExitCode, 0) << result.Describe();
    EXPECT_TRUE(Contains(result.Err, "doesn't exist")) << result.Err;
    EXPECT_TRUE(Contains(result.Err, c.Answer)) << result.Err;
    // Only Yes goes on to the file dialog (which, without an answer, is cancelled).
    EXPECT_EQ(Contains(result.Err, "Import Specctra Design File"), c.Answer == "-> Yes")
        << result.Err;
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{}) << "nothing is written";
  }
}

// Needs the plug-in's ViewEmbeddedObjects.
TEST(PcbhostCli, MessageBoxesPrintCaptionAndTextAndTheOpenBoardIsCurrent) {
  TTempFolder folder;
  const std::string noBoard = "Information: This document is not a PCB document.";
  const TProgramResult without = RunPcbhost(folder, {"run", "ViewEmbeddedObjects"});
  EXPECT_EQ(without.ExitCode, 0) << without.Describe();
  EXPECT_TRUE(Contains(without.Err, noBoard)) << without.Err;

  folder.Write("empty.pcbdoc", "");
  const TProgramResult with =
      RunPcbhost(folder, {"run", "ViewEmbeddedObjects", "--open", "empty.pcbdoc"});
  EXPECT_EQ(with.ExitCode, 0) << with.Describe();
  EXPECT_FALSE(Contains(with.Err, noBoard)) << with.Err;
  EXPECT_EQ(TTempFolder::Read(folder.Path("empty.pcbdoc")), "")
      << "an unmodified document is not saved";
}

TEST(PcbhostCli, OpeningAMissingOrUnknownDocumentFails) {
  TTempFolder folder;
  folder.Write("notes.xyz", "x");
  for (const char* document : {"missing.pcbdoc", "notes.xyz"}) {
    SCOPED_TRACE(document);
    const TProgramResult result =
        RunPcbhost(folder, {"run", "ViewEmbeddedObjects", "--open", document});
    EXPECT_EQ(result.ExitCode, 1) << result.Describe();
    ASSERT_EQ(ErrorLines(result).size(), 1u) << result.Describe();
    EXPECT_TRUE(Contains(ErrorLines(result)[0], document));
    EXPECT_FALSE(Contains(result.Err, "This document is not a PCB document"))
        << "no command runs after a failed open";
  }
}

// Needs the plug-in's ReturnToHostPCB and DebugParseDSN.
TEST(PcbhostCli, QuitEndsTheSessionAfterTheCommandWithoutSaving) {
  TTempFolder folder;
  folder.Write("board.pcbdoc", "");
  folder.Write("design.dsn", kSmallDesign);
  const TProgramResult result =
      RunPcbhost(folder, {"run", "ReturnToHostPCB", "Quit=True", "DebugParseDSN", "--open",
                          "board.pcbdoc", "--answer", "design.dsn"});
  EXPECT_EQ(result.ExitCode, 0) << result.Describe();
  EXPECT_FALSE(std::filesystem::exists(folder.Path("design.prs")))
      << "the command after the quit does not run";
  EXPECT_EQ(TTempFolder::Read(folder.Path("board.pcbdoc")), "");
}

}  // namespace
