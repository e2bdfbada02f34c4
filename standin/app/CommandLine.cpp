#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iostream>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/Verbs.h"

namespace pcbhost {
namespace {

// Verbs of the command line that the host does not offer yet.
constexpr const char* kLaterVerbs[][2] = {
    {"import", "import a Specctra design into a new board document"},
    {"export-routes", "write a board's routes file"},
    {"export-session", "write a board's session file"},
    {"info", "summarize a board document"},
    {"render", "draw a board document as SVG"},
    {"embedded", "list or delete the translator data of a board"},
};

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  return std::filesystem::absolute(path).lexically_normal().string();
}

void AddRunVerb(CLI::App& app, TRunOptions& options, std::function<int()>& verb) {
  CLI::App* run = app.add_subcommand("run", "run plug-in commands by name in one host session");
  run->add_option("commands", options.Items, "COMMAND [PARAMETERS] [COMMAND [PARAMETERS]]...")
      ->required();
  run->add_option("--open", options.Documents, "open a document first (the last is current)")
      ->allow_extra_args(false);
  run->add_option("--answer", options.Session.Answers,
                  "answer the next file dialog with PATH (empty: cancel it)")
      ->allow_extra_args(false);
  using standin::TConfirmAnswer;
  auto* yes = run->add_flag_callback(
      "--yes", [&options] { options.Session.Confirm = TConfirmAnswer::Yes; },
      "answer every confirmation Yes");
  auto* no = run->add_flag_callback(
      "--no", [&options] { options.Session.Confirm = TConfirmAnswer::No; },
      "answer every confirmation No");
  yes->excludes(no);
  run->add_flag_callback(
      "--no-save", [&options] { options.Save = false; },
      "do not save modified documents at the end");
  run->callback([&options, &verb] {
    for (std::string& answer : options.Session.Answers) answer = AbsolutePath(answer);
    for (std::string& document : options.Documents) document = AbsolutePath(document);
    verb = [&options] { return RunVerb(options); };
  });
}

void AddFileVerb(CLI::App& app, const char* name, const char* description, const char* argument,
                 std::string& file, std::function<int(const std::string&)> body,
                 std::function<int()>& verb) {
  CLI::App* command = app.add_subcommand(name, description);
  command->add_option(argument, file)->required();
  command->callback([&file, &verb, body] { verb = [&file, body] { return body(file); }; });
}

void AddLaterVerb(CLI::App& app, const char* name, const char* description,
                  std::function<int()>& verb) {
  CLI::App* command = app.add_subcommand(name, description);
  command->allow_extras();
  const std::string verbName = name;
  command->callback([&verb, verbName] {
    verb = [verbName] {
      PrintError(verbName + " is not available yet");
      return kExitFailed;
    };
  });
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
  CLI::App app{"pcbhost: a small PCB host that runs the Specctra plug-in's commands"};
  app.name("pcbhost");
  app.require_subcommand(1);

  std::function<int()> verb;
  TRunOptions runOptions;
  std::string design;
  std::string importFile;
  AddRunVerb(app, runOptions, verb);
  AddFileVerb(app, "tokens", "dump the tokens of a design to DESIGN.prs beside it", "DESIGN",
              design, TokensVerb, verb);
  AddFileVerb(app, "can-import", "ask the plug-in whether it can import FILE (yes or no)", "FILE",
              importFile, CanImportVerb, verb);
  for (const auto& [name, description] : kLaterVerbs) AddLaterVerb(app, name, description, verb);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    PrintError(error.what());
    return kExitUsage;
  }
  return verb ? verb() : kExitUsage;
}

}  // namespace pcbhost
