// Speed of the Specctra lexer over a large synthetic design: the whole token stream with
// progress and Escape polling, as an import reads it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "DesignGenerator.h"
#include "specctra_io/SpecctraParser.h"

namespace {

constexpr std::size_t kDesignBytes = 48u << 20;

// The design file, generated once into the temporary folder and removed at exit.
class TDesignFile {
public:
  TDesignFile() {
    FPath = (std::filesystem::temp_directory_path() /
             ("lexer-bench-" + std::to_string(::getpid()) + ".dsn"))
                .string();
    WriteDesignFile(FPath, kDesignBytes);
    FSize = std::filesystem::file_size(FPath);
  }
  ~TDesignFile() {
    std::error_code ignored;
    std::filesystem::remove(FPath, ignored);
  }
  const std::string& Path() const { return FPath; }
  std::size_t Size() const { return FSize; }

private:
  std::string FPath;
  std::size_t FSize = 0;
};

const TDesignFile& Design() {
  static const TDesignFile design;
  return design;
}

// Every token of the file, as the debug token dump reads them.
void LexWholeFile(benchmark::State& state) {
  const TDesignFile& design = Design();
  int64_t tokens = 0;
  for (auto _ : state) {
    TSpecctraParser parser(design.Path());
    RegisterKeywords(parser);
    while (!parser.EndOfInput()) {
      parser.NextToken();
      ++tokens;
    }
    benchmark::DoNotOptimize(parser.TokenText().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(design.Size()));
  state.counters["tokens"] =
      benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kAvgIterations);
}

// The same with the file already in memory: the lexer alone.
void LexLoadedFile(benchmark::State& state) {
  const TDesignFile& design = Design();
  const TInputFile loaded(design.Path());
  int64_t tokens = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto input = std::make_unique<TInputFile>(loaded.FileName(), std::string(loaded.Bytes()));
    state.ResumeTiming();
    TSpecctraParser parser(std::move(input));
    RegisterKeywords(parser);
    while (!parser.EndOfInput()) {
      parser.NextToken();
      ++tokens;
    }
    benchmark::DoNotOptimize(parser.TokenText().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(design.Size()));
  state.counters["tokens"] =
      benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kAvgIterations);
}

// Tokens with the number conversions the block parsers make: every word that is not a
// keyword is converted as a coordinate.
void LexAndConvertNumbers(benchmark::State& state) {
  const TDesignFile& design = Design();
  for (auto _ : state) {
    TSpecctraParser parser(design.Path());
    RegisterKeywords(parser);
    double sum = 0;
    while (!parser.EndOfInput()) {
      if (parser.NextToken() != tkUnknownWord) continue;
      const char first = parser.TokenText().empty() ? ' ' : parser.TokenText().front();
      double value = 0;
      if ((first >= '0' && first <= '9') || first == '-') parser.CurrentAsFloat(value);
      sum += value;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(design.Size()));
}

}  // namespace

BENCHMARK(LexWholeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LexLoadedFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LexAndConvertNumbers)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
