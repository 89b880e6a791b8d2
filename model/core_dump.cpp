#include "model/core_dump.h"

namespace ormix {

CoreDump::CoreDump(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
    if (!file_) return;
    std::fputs("                 CORE DUMP FILE\n", file_);
    std::fputs("                 ==============\n", file_);
}

CoreDump::~CoreDump() {
    if (file_) std::fclose(file_);
}

void CoreDump::Run(int IV, int IW, int IB) {
    std::fprintf(file_, "\n IV = %d\n", IV);
    std::fprintf(file_, "  IW = %d\n", IW);
    std::fprintf(file_, "   IB = %d\n", IB);
}

void CoreDump::Step(int s, int LEsum, double slickArea, double oilRatio, int subStep,
                    double totalVol) {
    std::fprintf(file_, "\n\t step = %d\n", s);
    std::fprintf(file_, "\t\t LEsum = %d\n", LEsum);
    std::fprintf(file_, "\t\t area = %.2f\n", slickArea);
    std::fprintf(file_, "\t\t OilRatio = %.2f\n", oilRatio);
    std::fprintf(file_, "\t\t deltat = %d\n", subStep);
    std::fprintf(file_, "\t\t total.vol = %.2f\n", totalVol);
}

void CoreDump::Element(int i, const LE& e, double area, int hour) {
    std::FILE* f = file_;
    std::fprintf(f, "\n\t\t\t LE_area\t= %.4f\n", area);
    std::fprintf(f, "\t\t\t LE[%d].Vol\t= %.4f\n", i, e.Vol);
    std::fprintf(f, "\t\t\t LE[%d].thick\t= %.4f\n", i, e.thick[hour]);
    std::fprintf(f, "\t\t\t LE[%d].Y\t= %e\n", i, e.Y);
    std::fprintf(f, "\t\t\t LE[%d].S\t= %e\n", i, e.S);
    std::fprintf(f, "\t\t\t LE[%d].f_evap\t= %e\n", i, e.f_evap);
    std::fprintf(f, "\t\t\t LE[%d].visc\t= %e\n", i, e.visc);
    std::fprintf(f, "\t\t\t LE[%d].rho\t= %.4f\n", i, e.rho);
    std::fprintf(f, "\t\t\t LE[%d].vp\t= %.4f\n", i, e.vp);
    std::fprintf(f, "\t\t\t LE[%d].benz\t= %e\n", i, e.benz);
    std::fprintf(f, "\t\t\t LE[%d].mv\t= %.4f\n", i, e.mv);
    std::fprintf(f, "\t\t\t LE[%d].vol_disp\t= %.4f\n", i, e.vol_disp);
    std::fprintf(f, "\t\t\t LE[%d].evex\t= %.4f\n", i, e.evex);
}

void CoreDump::StepEnd(const WeatheringModel& m, const StepSums& s, double slickArea, int hour) {
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
    std::fprintf(f, "\t\t MinBenzene = %e\n", m.MinBenzene);
    std::fprintf(f, "\t\t benz0      = %e\n", s.benz0);
    std::fprintf(f, "\n\t\t total.disp = %e\n", m.total.disp);
    std::fprintf(f, "\t\t total.evap = %e\n", m.total.evap);
    std::fprintf(f, "\t\t total.spill = %e\n", m.total.spill);
    const WaveCase& w = m.wave[hour].best;
    std::fprintf(f, "\n\t\t Slick.Area = %.4f\n", slickArea);
    std::fprintf(f, "\t\t Wave.Hrms  = %.4f\n", w.Hrms);
    std::fprintf(f, "\t\t Wave.f_bw  = %.4f\n", w.f_bw);
    std::fprintf(f, "\t\t Wave.De    = %.4f\n", w.De);
    std::fputs("\n\t *************** end of step ***************\n\n", f);
}

void CoreDump::Finish() {
    std::fputs("\n*************** end of dump file ***************\n\n", file_);
}

}  // namespace ormix
