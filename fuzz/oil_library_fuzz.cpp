// libFuzzer target: any bytes as an oil library file. Loads it, reads every
// oil's record (and one at a position taken from the input) and builds from
// each all the program derives: the summaries, the scenario's texts, the
// model record, the custom oil checks and the property display. Nothing may
// crash, hang or leak.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "oil/custom_oil.h"
#include "oil/oil_library.h"
#include "oil/oil_selection.h"

namespace {

// One directory for the whole fuzzing process, removed when it exits (its
// name is kept in storage that outlives every destructor).
char g_dir[] = "/tmp/ormix-fuzz-XXXXXX";
char g_file[sizeof g_dir + 8];

const std::string& WorkDir() {
    static const std::string dir = [] {
        if (!mkdtemp(g_dir)) std::abort();
        std::snprintf(g_file, sizeof g_file, "%s/OilLib", g_dir);
        std::atexit([] {
            std::remove(g_file);
            std::remove(g_dir);
        });
        return std::string(g_dir);
    }();
    return dir;
}

void Derive(ormix::OilLibrary& lib) {
    for (int n = 1; n <= ormix::oilfield::kFieldCount; ++n) {
        (void)lib.FieldText(n);
        (void)lib.FieldNumber(n, n % 11);
    }
    (void)ormix::OilTextsOfRecord(lib, true);
    (void)ormix::InputOilOfRecord(lib, lib.FieldText(ormix::oilfield::kOilName));
    (void)ormix::ValidateCustomOil(lib);
    (void)ormix::BuildOilPropertyDisplay(lib, ormix::TemperatureUnit::Fahrenheit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WorkDir() + "/OilLib";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);

    ormix::OilLibrary lib(WorkDir(), "OilLib");
    if (lib.Load() == ormix::kTableOk) {
        int n = 0;
        for (const ormix::OilSummary& s : lib.Summaries()) {
            if (++n > 64) break;
            if (lib.ReadRecordAt(s.position) == ormix::kTableOk) Derive(lib);
        }
        (void)ormix::SortedSummaries(lib, ormix::OilSort::PourPoint);
    }
    // A record read from anywhere in the file, not only from an oil's start.
    long position = size ? static_cast<long>((data[0] * 131u) % size) : 0;
    if (lib.ReadRecordAt(position) == ormix::kTableOk) Derive(lib);
    return 0;
}
