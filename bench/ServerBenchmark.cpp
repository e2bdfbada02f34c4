// Speed of the stand-in PCB server's board model: creating and adding many primitives, walking
// the primitives of one net, a new pad read back layer by layer as the importer does, and
// saving and loading a large board document.
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

// Wires as an import lays them: a few tracks of one net after another, the net changing from
// wire to wire; the record (with its net) written before the track goes on the board.
void BM_CreateAndAddNetWires(benchmark::State& state) {
  constexpr int64_t kTracksPerWire = 4;
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<TBenchServer>();
    std::vector<PcbHandle> nets;
    for (int i = 0; i < 8 * kNets; ++i) {
      nets.push_back(CreateObject(kPcbObjectNet));
      AddObjectToContainer(server->Board(), nets.back());
    }
    state.ResumeTiming();
    for (int64_t i = 0; i < state.range(0); ++i)
      server->AddTrack(i, nets[static_cast<std::size_t>(i / kTracksPerWire * 7919 % nets.size())]);
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CreateAndAddNetWires)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);

// A component's pads as the importer makes them: each new pad is read back whole (its record,
// its stack mode and four values on each of the 83 layers), written and put in the component.
void BM_NewPadsReadBack(benchmark::State& state) {
  constexpr int kPadsPerComponent = 16;
  for (auto _ : state) {
    state.PauseTiming();
    auto server = std::make_unique<TBenchServer>();
    state.ResumeTiming();
    PcbHandle component = 0;
    for (int64_t i = 0; i < state.range(0); ++i) {
      if (i % kPadsPerComponent == 0) {
        component = CreateObject(kPcbObjectComponent);
        AddObjectToContainer(server->Board(), component);
      }
      const PcbHandle pad = CreateObject(kPcbObjectPad);
      PcbPadRecord record{};
      uint8_t stackMode = 0;
      QueryPad(kPcbMessageRead, pad, &record);
      QueryPadStackMode(kPcbMessageRead, pad, &stackMode);
      for (PcbLayerNumber layer = 0; layer < kLayerCount; ++layer) {
        uint8_t shape = 0;
        uint8_t percent = 0;
        int32_t xSize = 0;
        int32_t ySize = 0;
        int32_t radius = 0;
        QueryPadOrViaShapeOnLayer(pad, layer, &shape);
        QueryPadOrViaSizeOnLayer(pad, layer, &xSize, &ySize);
        QueryPadCornerRadiusOnLayer(pad, layer, &radius);
        QueryPadCRPercentageOnLayer(pad, layer, &percent);
        benchmark::DoNotOptimize(shape + percent + xSize + ySize + radius);
      }
      record.x = static_cast<int32_t>(i * 1000);
      record.topShape = record.middleShape = record.bottomShape = kPadShapeRoundedRectangle;
      record.topXSize = record.middleXSize = record.bottomXSize = 600;
      record.topYSize = record.middleYSize = record.bottomYSize = 400;
      record.layer = kMultiLayer;
      QueryPad(kPcbMessageSecondWrite, pad, &record);
      AddObjectToContainer(component, pad);
    }
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NewPadsReadBack)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

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
