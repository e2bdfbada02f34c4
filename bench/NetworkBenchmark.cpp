// Speed of a design's network on its way to the board: parsing many nets with their pins and
// creating one host net each on the stand-in PCB server, through the plug-in's host access.
// The time per net must not grow with the number of nets.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "host/PcbServer.h"
#include "model/files/SpecctraDesign.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/TranslationState.h"
#include "server/exports/KelvaneExports.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// A network of the given size: each net lists two pins, one with a quoted part.
std::string NetworkDesign(int64_t nets) {
  std::string text = "(pcb bench (parser (string_quote \"))\n(network\n";
  for (int64_t i = 0; i < nets; ++i) {
    const std::string n = std::to_string(i);
    text += "(net N" + n + " (pins U" + n + "-1 \"R" + n + " x\"-\"a\"))\n";
  }
  return text + "))\n";
}

void ImportNetwork(benchmark::State& state) {
  BindPcbApi();
  host::IServerModule* module = nullptr;
  Kelvane_StartPcbServer(nullptr, &module);
  const std::string text = NetworkDesign(state.range(0));
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // A new board each time; the documents stay in memory and are never saved.
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("network-bench-" + std::to_string(::getpid()) + "-" +
                               std::to_string(++run) + ".pcbdoc"))
                                 .string();
    host::IServerDocument* document = nullptr;
    module->NewDocument("PCB", path.c_str(), &document);
    const PcbHandle board = PcbBoardFromFileName(path);
    ResetTranslationState();
    state.ResumeTiming();
    TSpecctraParser parser(std::make_unique<TInputFile>("bench.dsn", text));
    RegisterKeywords(parser);
    TSpecctraDesign design(board, &parser, "bench.dsn");
    design.LoadFromFile();
    design.NetworkSection()->ExportToPcb();
  }
  module->Release();
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(ImportNetwork)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 17)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
