// Benchmarks of the scenario file: reading and writing the bytes of a saved
// scenario (every value of the example with every response operation), and
// its JSON form both ways.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "scenario/document_json.h"
#include "scenario/scenario_file.h"

namespace ormix {
namespace {

const std::vector<unsigned char>& SavedBytes() {
    static const std::vector<unsigned char> bytes = [] {
        std::ifstream in(ORMIX_SOURCE_DIR "/fuzz/qsx-corpus/response-operations.qsx",
                         std::ios::binary);
        std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
        if (b.empty()) std::abort();
        return b;
    }();
    return bytes;
}

SpillDocData Saved() {
    SpillDocData d;
    std::string error;
    if (!DecodeScenario(SavedBytes().data(), SavedBytes().size(), d, error)) std::abort();
    return d;
}

void BM_ScenarioFileRead(benchmark::State& state) {
    const std::vector<unsigned char>& b = SavedBytes();
    auto d = std::make_unique<SpillDocData>();
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeScenario(b.data(), b.size(), *d, error));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * b.size()));
}
BENCHMARK(BM_ScenarioFileRead);

void BM_ScenarioFileWrite(benchmark::State& state) {
    const SpillDocData d = Saved();
    std::vector<unsigned char> out;
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeScenario(d, out, error));
}
BENCHMARK(BM_ScenarioFileWrite);

void BM_ScenarioToJson(benchmark::State& state) {
    const SpillDocData d = Saved();
    std::string text, error;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteDocumentJson(d, text, error));
}
BENCHMARK(BM_ScenarioToJson);

void BM_ScenarioFromJson(benchmark::State& state) {
    std::string text, error, path;
    if (!WriteDocumentJson(Saved(), text, error)) std::abort();
    auto d = std::make_unique<SpillDocData>();
    for (auto _ : state) {
        nlohmann::json root = nlohmann::json::parse(text);
        benchmark::DoNotOptimize(ReadDocumentJson(root.at(kDocumentKey), *d, path, error));
    }
}
BENCHMARK(BM_ScenarioFromJson);

}  // namespace
}  // namespace ormix
