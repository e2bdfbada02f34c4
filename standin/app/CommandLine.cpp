#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/TranslationVerbs.h"
#include "app/Verbs.h"

namespace pcbhost {
namespace {

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  return std::filesystem::absolute(path).lexically_normal().string();
}

constexpr const char* kQuietHelp = "draw no progress bar on the terminal";

void AddRunVerb(CLI::App& app, TRunOptions& options, std::function<int()>& verb) {
  CLI::App* run = app.add_subcommand("run", "run plug-in commands by name in one host session");
  run->add_option("COMMAND", options.Items,
                  "plug-in commands by name, each followed by its Name=Value parameters")
      ->type_name("")
      ->required();
  run->add_option("--open", options.Documents, "open a document first (the last is current)")
      ->type_name("DOC")
      ->allow_extra_args(false);
  run->add_option("--answer", options.Session.Answers,
                  "answer the next file dialog with PATH (empty: cancel it)")
      ->type_name("PATH")
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
  run->add_flag("--quiet", options.Session.Quiet, kQuietHelp);
  run->callback([&options, &verb] {
    for (std::string& answer : options.Session.Answers) answer = AbsolutePath(answer);
    for (std::string& document : options.Documents) document = AbsolutePath(document);
    verb = [&options] { return RunVerb(options); };
  });
}

// A positional argument: its name stands for its value in the help.
CLI::Option* AddPositional(CLI::App& command, const char* name, std::string& value,
                           const char* description) {
  return command.add_option(name, value, description)->type_name("")->required();
}

void AddFileVerb(CLI::App& app, const char* name, const char* description, const char* argument,
                 const char* argumentDescription, std::string& file,
                 std::function<int(const std::string&)> body, std::function<int()>& verb) {
  CLI::App* command = app.add_subcommand(name, description);
  AddPositional(*command, argument, file, argumentDescription);
  command->callback([&file, &verb, body] { verb = [&file, body] { return body(file); }; });
}

struct TBoardOptions {
  std::string Board;
  std::string Out;
  bool Json = false;
};

void AddInfoVerb(CLI::App& app, TBoardOptions& options, std::function<int()>& verb) {
  CLI::App* info = app.add_subcommand("info", "summarize a board document");
  AddPositional(*info, "BOARD", options.Board, "the board document (.pcbdoc)");
  info->add_flag("--json", options.Json, "print the summary as JSON");
  info->callback([&options, &verb] {
    verb = [&options] { return InfoVerb(options.Board, options.Json); };
  });
}

void AddRenderVerb(CLI::App& app, TBoardOptions& options, std::function<int()>& verb) {
  CLI::App* render = app.add_subcommand("render", "draw a board document as SVG");
  AddPositional(*render, "BOARD", options.Board, "the board document (.pcbdoc)");
  render->add_option("--out", options.Out, "the picture (default: BOARD with extension svg)")
      ->type_name("FILE")
      ->allow_extra_args(false);
  render->callback([&options, &verb] {
    verb = [&options] { return RenderVerb(options.Board, options.Out); };
  });
}

// An option that may stand alone ("--rte") or with a value ("--rte FILE").
CLI::Option* AddOptionalValue(CLI::App& command, const char* name, std::string& value,
                              const char* description) {
  return command.add_option(name, value, description)
      ->expected(0, 1)
      ->type_name("[FILE]")
      ->allow_extra_args(false);
}

// Copies an optional-value option into its optional: absent, present, or present with value.
void TakeOptionalValue(const CLI::Option* option, const std::string& value,
                       std::optional<std::string>& target) {
  if (option->count() > 0) target = value;
}

struct TImportCommandLine {
  TImportOptions Options;
  std::string Routes, Session, Svg;
};

void AddImportVerb(CLI::App& app, TImportCommandLine& line, std::function<int()>& verb) {
  CLI::App* import = app.add_subcommand("import", "import a Specctra design into a new board document");
  TImportOptions& options = line.Options;
  AddPositional(*import, "DESIGN", options.Design, "the design file (.dsn)");
  CLI::Option* out = import->add_option("--out", options.Out,
                                        "save the board as this document (default: DESIGN with "
                                        "extension pcbdoc)")
                         ->type_name("BOARD")
                         ->allow_extra_args(false);
  CLI::Option* rte = AddOptionalValue(*import, "--rte", line.Routes,
                                      "write the routes file too (default: beside the design)");
  CLI::Option* ses = AddOptionalValue(*import, "--ses", line.Session,
                                      "write the session file too (default: beside the design)");
  CLI::Option* merge =
      import->add_option("--merge", options.Merge, "import into this existing board document")
          ->type_name("BOARD")
          ->allow_extra_args(false);
  CLI::Option* force =
      import->add_flag("--force", options.Force, "replace the board document when it exists");
  CLI::Option* project = import->add_flag(
      "--project", options.Project, "import into a new project folder beside the design");
  import->add_flag("--autoroute", options.AutoRoute, "start the router after the import");
  CLI::Option* svg = AddOptionalValue(*import, "--svg", line.Svg,
                                      "draw the imported board (default: beside the board)");
  import->add_flag("--strict", options.Strict,
                   "exit with 1 when the import's report holds an error (the board is saved)");
  import->add_flag("--quiet", options.Quiet, kQuietHelp);
  merge->excludes(out)->excludes(force);
  project->excludes(out)->excludes(merge)->excludes(force);
  import->callback([&line, &verb, rte, ses, svg] {
    TakeOptionalValue(rte, line.Routes, line.Options.Routes);
    TakeOptionalValue(ses, line.Session, line.Options.Session);
    TakeOptionalValue(svg, line.Svg, line.Options.Svg);
    verb = [&line] { return ImportVerb(line.Options); };
  });
}

void AddExportVerb(CLI::App& app, const char* name, const char* description,
                   TExportOptions& options, int (*body)(const TExportOptions&),
                   std::function<int()>& verb) {
  CLI::App* command = app.add_subcommand(name, description);
  AddPositional(*command, "BOARD", options.Board, "the board document (.pcbdoc)");
  command->add_option("--out", options.Out, "the file to write (default: BOARD's name)")
      ->type_name("FILE")
      ->allow_extra_args(false);
  command->add_flag("--quiet", options.Quiet, kQuietHelp);
  command->callback([&options, &verb, body] { verb = [&options, body] { return body(options); }; });
}

void AddEmbeddedVerb(CLI::App& app, TEmbeddedOptions& options, std::function<int()>& verb) {
  CLI::App* command = app.add_subcommand("embedded", "list or delete the translator data of a board");
  AddPositional(*command, "BOARD", options.Board, "the board document (.pcbdoc)");
  CLI::Option* out =
      command->add_option("--out", options.Out, "write the list to this file (default: print it)")
          ->type_name("FILE")
          ->allow_extra_args(false);
  command->add_flag("--delete", options.Delete, "delete the translator data")->excludes(out);
  command->callback([&options, &verb] { verb = [&options] { return EmbeddedVerb(options); }; });
}

// The usage error's line. A first argument that is no verb is named itself: the options
// before a verb (--help, --version) end the parse before an error can arise.
std::string UsageError(CLI::App& app, int argc, char** argv, const CLI::ParseError& error) {
  const std::string help = "; run pcbhost --help for the commands";
  if (argc < 2) return "a command is required" + help;
  const std::string first = argv[1];
  if (first.starts_with("-")) return "unknown option '" + first + "'" + help;
  for (const CLI::App* verb : app.get_subcommands([](const CLI::App*) { return true; }))
    if (verb->check_name(first)) return error.what();
  return "unknown command '" + first + "'" + help;
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
  CLI::App app{"pcbhost: a small PCB host that runs the Specctra plug-in's commands"};
  app.name("pcbhost");
  app.require_subcommand(1);
  app.set_version_flag("--version", "pcbhost " PCBHOST_VERSION, "print the version and exit");

  std::function<int()> verb;
  TRunOptions runOptions;
  std::string design;
  std::string importFile;
  AddRunVerb(app, runOptions, verb);
  AddFileVerb(app, "tokens", "dump the tokens of a design to DESIGN.prs beside it", "DESIGN",
              "the design file (.dsn)", design, TokensVerb, verb);
  AddFileVerb(app, "can-import", "ask the plug-in whether it can import FILE (yes or no)", "FILE",
              "the file to check", importFile, CanImportVerb, verb);
  TBoardOptions boardOptions;
  AddInfoVerb(app, boardOptions, verb);
  AddRenderVerb(app, boardOptions, verb);
  TImportCommandLine importLine;
  AddImportVerb(app, importLine, verb);
  TExportOptions routesOptions, sessionOptions;
  AddExportVerb(app, "export-routes", "write a board's routes file (.rte)", routesOptions,
                ExportRoutesVerb, verb);
  AddExportVerb(app, "export-session", "write a board's session file (.ses)", sessionOptions,
                ExportSessionVerb, verb);
  TEmbeddedOptions embeddedOptions;
  AddEmbeddedVerb(app, embeddedOptions, verb);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    PrintError(UsageError(app, argc, argv, error));
    return kExitUsage;
  }
  return verb ? verb() : kExitUsage;
}

}  // namespace pcbhost
