// Speed of the stand-in PCB server's board model: creating and adding many primitives, walking
// the primitives of one net, and saving and loading a large board document.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "server/BoardDocumentFile.h"
#include "server/PcbDocumentStore.h"
#include "server/PcbServerModule.h"
#include "server/RunningServer.h"
#include "server/ServerApi.h"

namespace {

using namespace standin::api;

constexpr int kNets = 1000;

// A running server with one board for one benchmark run.
class TBenchServer {
public:
  TBenchServer() : FPath(TemporaryPath()) {
    standin::StartPcbServer(nullptr, &FModule);
    host::IServerDocument* document = nullptr;
    FModule->NewDocument("PCB", FPath.c_str(), &document);
    FBoard = standin::BoardHandleFromFileName(FPath);
  }
  ~TBenchServer() {
    FModule->Release();
    std::error_code ignored;
    std::filesystem::remove(FPath, ignored);
  }
  TBenchServer(const TBenchServer&) = delete;
  TBenchServer& operator=(const TBenchServer&) = delete;

  PcbHandle Board() const { return FBoard; }
  const std::string& Path() const { return FPath; }
  standin::TPcbServerModule& Server() { return *standin::RunningPcbServer(); }

  // Nets first, then tracks spread over them and over the layers; answers the nets.
  std::vector<PcbHandle> Fill(int64_t tracks) {
    std::vector<PcbHandle> nets;
    for (int i = 0; i < kNets; ++i) {
      nets.push_back(CreateObject(kPcbObjectNet));
      AddObjectToContainer(FBoard, nets.back());
    }
    for (int64_t i = 0; i < tracks; ++i) AddTrack(i, nets[static_cast<std::size_t>(i % kNets)]);
    return nets;
  }

  void AddTrack(int64_t i, PcbHandle net) {
    const PcbHandle track = CreateObject(kPcbObjectTrack);
    PcbTrackRecord record{};
    record.layer = static_cast<PcbLayerId>(1 + i % 32);
    record.net = net;
    record.x1 = static_cast<int32_t>(i);
    record.x2 = static_cast<int32_t>(i + 1000);
    record.width = 100;
    QueryTrack(kPcbMessageWrite, track, &record);
    AddObjectToContainer(FBoard, track);
  }

private:
  static std::string TemporaryPath() {
    static int count = 0;
    return (std::filesystem::temp_directory_path() /
            ("server-bench-" + std::to_string(::getpid()) + "-" + std::to_string(++count) +
             ".pcbdoc"))
        .string();
  }

  host::IServerModule* FModule = nullptr;
  std::string FPath;
  PcbHandle FBoard = 0;
};

void BM_CreateAndAddTracks(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<TBenchServer>();
    state.ResumeTiming();
    for (int64_t i = 0; i < state.range(0); ++i) server->AddTrack(i, 0);
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CreateAndAddTracks)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);

// One net holds range / 1000 tracks; walking it must not depend on the rest of the board.
void BM_IterateNet(benchmark::State& state) {
  TBenchServer server;
  const std::vector<PcbHandle> nets = server.Fill(state.range(0));
  std::size_t next = 0;
  int64_t visited = 0;
  for (auto _ : state) {
    const PcbHandle iterator =
        CreateIterator(nets[next++ % nets.size()], kPcbObjectTrack, kPcbIterateDefault, 0);
    for (PcbHandle h = GetFirstObject(iterator); h != 0; h = GetNextObject(iterator)) ++visited;
    DestroyIterator(iterator);
  }
  state.SetItemsProcessed(visited);
}
BENCHMARK(BM_IterateNet)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMicrosecond);

void BM_SaveBoard(benchmark::State& state) {
  TBenchServer server;
  server.Fill(state.range(0));
  std::string error;
  standin::TBoard& board = *server.Server().Boards().Find(server.Board());
  for (auto _ : state)
    if (!standin::SaveBoardDocument(server.Server().Model(), board, &error))
      state.SkipWithError(error.c_str());
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(server.Path()));
}
BENCHMARK(BM_SaveBoard)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_LoadBoard(benchmark::State& state) {
  TBenchServer server;
  server.Fill(state.range(0));
  std::string error;
  standin::TBoard& saved = *server.Server().Boards().Find(server.Board());
  standin::SaveBoardDocument(server.Server().Model(), saved, &error);
  for (auto _ : state) {
    standin::TBoard& board = server.Server().Boards().Create(server.Path());
    if (!standin::LoadBoardDocument(server.Server().Model(), board, &error))
      state.SkipWithError(error.c_str());
    state.PauseTiming();
    server.Server().Model().RemoveBoard(board.Handle());
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadBoard)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
