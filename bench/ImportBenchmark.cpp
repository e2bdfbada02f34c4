// Speed of whole translations through pcbhost, as a user runs them: the import of a generated
// design into a new board document, and the session export of that board. Each run is one
// pcbhost process, so the figures include loading the plug-in and saving the document.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "DesignGenerator.h"
#include "StructureDesignGenerator.h"
#include "common/SafeFile.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A scratch folder for one benchmark, removed with it.
class TBenchFolder {
public:
  TBenchFolder() : FPath(fs::temp_directory_path() / ("specctraif-bench-" + std::to_string(getpid()))) {
    fs::create_directories(FPath);
  }
  ~TBenchFolder() {
    std::error_code ignored;
    fs::remove_all(FPath, ignored);
  }
  std::string File(const std::string& name) const { return (FPath / name).string(); }

private:
  fs::path FPath;
};

// Runs pcbhost with the arguments; answers whether it exited 0.
bool RunPcbhost(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), BIN_DIR "/pcbhost");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Import(benchmark::State& state, const std::string& design) {
  TBenchFolder folder;
  const std::string path = folder.File("design.dsn");
  WriteFileReplacing(path, design);
  for (auto _ : state) {
    fs::remove(folder.File("design.pcbdoc"));
    if (!RunPcbhost({"import", path})) state.SkipWithError("pcbhost import failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * design.size()));
  state.counters["MB"] = static_cast<double>(design.size()) / 1e6;
}

void BM_ImportStructureAndNets(benchmark::State& state) {
  TStructureDesignSize size;
  size.Nets = static_cast<std::size_t>(state.range(0));
  size.PolygonVertices = static_cast<std::size_t>(state.range(1));
  Import(state, GenerateStructureDesign(size));
}
BENCHMARK(BM_ImportStructureAndNets)
    ->Args({10000, 20000})
    ->Args({100000, 200000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_ImportDesign(benchmark::State& state) {
  Import(state, GenerateDesign(static_cast<std::size_t>(state.range(0)) << 20));
}
BENCHMARK(BM_ImportDesign)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ExportSession(benchmark::State& state) {
  TBenchFolder folder;
  const std::string path = folder.File("design.dsn");
  const std::string design = GenerateDesign(static_cast<std::size_t>(state.range(0)) << 20);
  WriteFileReplacing(path, design);
  if (!RunPcbhost({"import", path})) state.SkipWithError("pcbhost import failed");
  for (auto _ : state) {
    if (!RunPcbhost({"export-session", folder.File("design.pcbdoc")}))
      state.SkipWithError("pcbhost export-session failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * design.size()));
}
BENCHMARK(BM_ExportSession)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
