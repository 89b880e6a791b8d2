#include "model/core_dump.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace ormix {

void RemoveEarlierDump(const std::string& path) {
    const std::string target = ResolveLinks(path);
    struct stat st;
    if (::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(target.c_str());
}

std::string DumpWriteMessage(const std::string& path, const std::string& reason) {
    return "Core: Cannot write dump file " + path + ": " + reason +
           ". No dump file is left; the results of the run are not affected.";
}

CoreDump::CoreDump(const std::string& path) : path_(path), file_(nullptr) {
    std::string reason;
    if (!replacement_.Begin(path, reason)) {
        problem_ = "Core: Cannot create dump file " + path + ": " + reason;
        RemoveEarlierDump(path);
        return;
    }
    file_ = replacement_.Stream();
    std::fputs("                 CORE DUMP FILE\n", file_);
    std::fputs("                 ==============\n", file_);
    Check();
}

CoreDump::CoreDump() : file_(open_memstream(&memory_, &memorySize_)) {}

void CoreDump::Check() {
    if (replacement_.Active() && std::ferror(file_)) replacement_.NoteWriteError(errno);
}

CoreDump::~CoreDump() {
    // A file dump not finished (a run that ended early) leaves no file: the
    // earlier one would not describe this run either.
    if (replacement_.Active()) {
        replacement_.Abandon();
        RemoveEarlierDump(path_);
    } else if (file_) {
        std::fclose(file_);
    }
    std::free(memory_);
}

namespace {

// The marks of the values left open in a case's text: the sub-step, and
// each carried LE value (the mark and a letter).
constexpr char kOpenSubStep = '\x01';
constexpr char kOpenValue = '\x02';

}  // namespace

std::string CoreDump::TakeText() {
    if (replacement_.Active()) return {};  // only for a dump kept in memory
    if (!memory_ && !file_) return {};
    if (file_) std::fclose(file_);
    file_ = nullptr;
    std::string text(memory_ ? memory_ : "", memorySize_);
    std::free(memory_);
    memory_ = nullptr;
    memorySize_ = 0;
    return text;
}

void CoreDump::AppendCase(const std::string& text, int subStep, const LE& carried) {
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t mark = text.find_first_of("\x01\x02", from);
        if (mark == std::string::npos) mark = text.size();
        std::fwrite(text.data() + from, 1, mark - from, file_);
        if (mark == text.size()) break;
        if (text[mark] == kOpenSubStep) {
            std::fprintf(file_, "%d", subStep);
            from = mark + 1;
            continue;
        }
        const char which = mark + 1 < text.size() ? text[mark + 1] : ' ';
        switch (which) {
            case 'f':
                std::fprintf(file_, "%e", carried.f_evap);
                break;
            case 'v':
                std::fprintf(file_, "%.4f", carried.vp);
                break;
            case 'b':
                std::fprintf(file_, "%e", carried.benz);
                break;
            default:
                std::fprintf(file_, "%.4f", carried.mv);
                break;
        }
        from = mark + 2;
    }
    Check();
}

void CoreDump::Run(int IV, int IW, int IB) {
    std::fprintf(file_, "\n IV = %d\n", IV);
    std::fprintf(file_, "  IW = %d\n", IW);
    std::fprintf(file_, "   IB = %d\n", IB);
    Check();
}

void CoreDump::Step(int s, int LEsum, double slickArea, double oilRatio, int subStep,
                    double totalVol) {
    std::fprintf(file_, "\n\t step = %d\n", s);
    std::fprintf(file_, "\t\t LEsum = %d\n", LEsum);
    std::fprintf(file_, "\t\t area = %.2f\n", slickArea);
    std::fprintf(file_, "\t\t OilRatio = %.2f\n", oilRatio);
    if (subStep >= 0)
        std::fprintf(file_, "\t\t deltat = %d\n", subStep);
    else
        std::fprintf(file_, "\t\t deltat = %c\n", kOpenSubStep);
    std::fprintf(file_, "\t\t total.vol = %.2f\n", totalVol);
    Check();
}

void CoreDump::Element(int i, const LE& e, double area, int hour, bool carried) {
    std::FILE* f = file_;
    // A carried value is left open: its mark and letter.
    auto value = [&](const char* format, double v, char letter) {
        if (carried)
            std::fprintf(f, "%c%c\n", kOpenValue, letter);
        else
            std::fprintf(f, format, v);
    };
    std::fprintf(f, "\n\t\t\t LE_area\t= %.4f\n", area);
    std::fprintf(f, "\t\t\t LE[%d].Vol\t= %.4f\n", i, e.Vol);
    std::fprintf(f, "\t\t\t LE[%d].thick\t= %.4f\n", i, e.thick[hour]);
    std::fprintf(f, "\t\t\t LE[%d].Y\t= %e\n", i, e.Y);
    std::fprintf(f, "\t\t\t LE[%d].S\t= %e\n", i, e.S);
    std::fprintf(f, "\t\t\t LE[%d].f_evap\t= ", i);
    value("%e\n", e.f_evap, 'f');
    std::fprintf(f, "\t\t\t LE[%d].visc\t= %e\n", i, e.visc);
    std::fprintf(f, "\t\t\t LE[%d].rho\t= %.4f\n", i, e.rho);
    std::fprintf(f, "\t\t\t LE[%d].vp\t= ", i);
    value("%.4f\n", e.vp, 'v');
    std::fprintf(f, "\t\t\t LE[%d].benz\t= ", i);
    value("%e\n", e.benz, 'b');
    std::fprintf(f, "\t\t\t LE[%d].mv\t= ", i);
    value("%.4f\n", e.mv, 'm');
    std::fprintf(f, "\t\t\t LE[%d].vol_disp\t= %.4f\n", i, e.vol_disp);
    std::fprintf(f, "\t\t\t LE[%d].evex\t= %.4f\n", i, e.evex);
    Check();
}

void CoreDump::StepEnd(const StepSums& s, const RunTotals& total, const StepEndValues& at) {
    std::FILE* f = file_;
    std::fprintf(f, "\n\t\t oilSum    = %.4f\n", s.oilSum);
    std::fprintf(f, "\n\t\t rhoAv     = %.4f\n", s.rhoAv);
    std::fprintf(f, "\t\t rho2Av    = %.4f\n", s.rho2Av);
    std::fprintf(f, "\t\t rhominLE  = %.4f\n", s.rhoMin);
    std::fprintf(f, "\t\t rhomaxLE  = %.4f\n", s.rhoMax);
    std::fprintf(f, "\n\t\t viscAv    = %e\n", s.viscAv);
    std::fprintf(f, "\t\t visc2Av   = %e\n", s.visc2Av);
    std::fprintf(f, "\t\t viscminLE = %e\n", s.viscMin);
    std::fprintf(f, "\t\t viscmaxLE = %e\n", s.viscMax);
    std::fprintf(f, "\n\t\t YAv    = %e\n", s.YAv);
    std::fprintf(f, "\t\t Y2Av   = %e\n", s.Y2Av);
    std::fprintf(f, "\t\t YminLE = %e\n", s.YMin);
    std::fprintf(f, "\t\t YmaxLE = %e\n", s.YMax);
    std::fprintf(f, "\n\t\t benzAv     = %e\n", s.benzAv);
    std::fprintf(f, "\t\t benz2Av    = %e\n", s.benz2Av);
    std::fprintf(f, "\t\t MinBenzene = %e\n", at.minBenzene);
    std::fprintf(f, "\t\t benz0      = %e\n", s.benz0);
    std::fprintf(f, "\n\t\t total.disp = %e\n", total.disp);
    std::fprintf(f, "\t\t total.evap = %e\n", total.evap);
    std::fprintf(f, "\t\t total.spill = %e\n", total.spill);
    const WaveCase& w = at.waves;
    std::fprintf(f, "\n\t\t Slick.Area = %.4f\n", at.slickArea);
    std::fprintf(f, "\t\t Wave.Hrms  = %.4f\n", w.Hrms);
    std::fprintf(f, "\t\t Wave.f_bw  = %.4f\n", w.f_bw);
    std::fprintf(f, "\t\t Wave.De    = %.4f\n", w.De);
    std::fputs("\n\t *************** end of step ***************\n\n", f);
    Check();
}

bool CoreDump::Finish(std::string& message) {
    std::fputs("\n*************** end of dump file ***************\n\n", file_);
    Check();
    file_ = nullptr;
    std::string reason;
    if (replacement_.Commit(reason)) return true;
    RemoveEarlierDump(path_);
    message = DumpWriteMessage(path_, reason);
    return false;
}

}  // namespace ormix
