// Benchmarks of the oil library: loading a library of 10,000 oils (the
// summaries of the oil list) and reading one oil's record by its position.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "oil/oil_library.h"
#include "oil/oil_selection.h"

namespace ormix {
namespace {

constexpr int kOils = 10000;

// A library of 10,000 oils made of the starter library's records, each
// renamed, in a temporary directory that lives as long as the program.
class GeneratedLibrary {
public:
    GeneratedLibrary() {
        char pattern[] = "/tmp/ormix-bench-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        dir_ = pattern;
        std::ifstream in(ORMIX_SOURCE_DIR "/data/OilLib");
        std::string line1, header, line;
        std::getline(in, line1);
        std::getline(in, header);
        std::vector<std::string> oils;
        while (std::getline(in, line))
            if (!line.empty()) oils.push_back(line);
        std::ofstream out(dir_ + "/OilLib", std::ios::binary);
        out << line1 << '\n' << header << '\n';
        for (int i = 0; i < kOils; ++i) {
            const std::string& oil = oils[static_cast<size_t>(i) % oils.size()];
            size_t tab = oil.find('\t');
            out << oil.substr(0, tab) << ", copy " << i << oil.substr(tab) << '\n';
        }
    }
    ~GeneratedLibrary() { std::filesystem::remove_all(dir_); }
    const std::string& Dir() const { return dir_; }

private:
    std::string dir_;
};

const GeneratedLibrary& Library() {
    static const GeneratedLibrary lib;
    return lib;
}

void BM_LoadLibrary(benchmark::State& state) {
    const std::string& dir = Library().Dir();
    for (auto _ : state) {
        OilLibrary lib(dir, "OilLib");
        if (lib.Load() != kTableOk) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(lib.Summaries().data());
    }
    state.SetItemsProcessed(state.iterations() * kOils);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(dir + "/OilLib")));
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

void BM_ReadRecordAt(benchmark::State& state) {
    OilLibrary lib(Library().Dir(), "OilLib");
    if (lib.Load() != kTableOk) state.SkipWithError("load failed");
    long position = lib.Summaries()[kOils / 2].position;
    for (auto _ : state) {
        if (lib.ReadRecordAt(position) != kTableOk) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(lib.FieldText(1).data());
    }
}
BENCHMARK(BM_ReadRecordAt)->Unit(benchmark::kMicrosecond);

// Choosing an oil: the record read, its checks, the texts and InputOil.
void BM_ChooseLibraryOil(benchmark::State& state) {
    OilLibrary lib(Library().Dir(), "OilLib");
    if (lib.Load() != kTableOk) state.SkipWithError("load failed");
    long position = lib.Summaries()[kOils / 2].position;
    OilChoice choice;
    for (auto _ : state) {
        if (!ChooseLibraryOil(lib, position, choice, DiscardMessages()))
            state.SkipWithError("choice failed");
        benchmark::DoNotOptimize(choice.oil.api);
    }
}
BENCHMARK(BM_ChooseLibraryOil)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ormix
