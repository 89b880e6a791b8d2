// Spreading and slick area: the area and thickness of every LE for every
// hour of the run.
//
// Inside a boom the contained area is shared equally. In open water each LE
// is two particles that drift with the wind and the current and spread by a
// random walk; every hour their positions are triangulated and each particle
// takes a share of the triangles around it. Areas are limited so that no oil
// is thinner than a quarter of the oil's minimum thickness and the whole
// slick is no larger than the released oil at the minimum thickness.
#include "model/spreading.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <system_error>
#include <vector>

#include "model/open_water_spread.h"

namespace ormix {

namespace {

// A turn of the wind by more than this (rad) between two hours redraws the
// spreading factors.
constexpr double kWindTurn = 0.26;

void ContainedSpread(WeatheringModel& m) {
    const ReleaseHour& first = m.setup.release[0];
    // The boomed release is all in the first hour: the second hour's
    // cumulative values repeat it. A one-hour run has no second hour.
    const ReleaseHour& next = m.run.numHours > 1 ? m.setup.release[1] : m.setup.release[0];
    const double V = first.vol;
    const int n = first.nLE;
    if (V != next.cumVol || n != next.cumLE || n < 1 || n > m.les.numLEs || !(V > 0)) {
        m.Messages().Error("Spread: contained release error");
        return;
    }
    double A = m.inputs.containedArea;
    const double hmin = m.inputs.oil.minThickness;
    if (hmin > 0 && V / hmin < A) A = V / hmin;
    for (int h = 0; h < m.run.numHours; ++h) {
        for (int i = 0; i < n; ++i) {
            m.les.le[i].area[h] = A / n;
            m.les.le[i].thick[h] = V / A;
        }
    }
}

// The angle between two wind directions, 0..pi (directions are degrees x
// 3.14 / 180, so a full turn is 2 x 3.14). Without a direction, no turn.
double WindTurn(double a, double b) {
    if (a == NoData || b == NoData) return 0;
    double d = std::fmod(std::fabs(a - b), 2 * kPi);
    return d > kPi ? 2 * kPi - d : d;
}

}  // namespace

void OpenWaterSpread::Allocate() {
    const int n = kParticlesPerLE * les_;
    particles_.resize(n);
    vol_.resize(les_);
    hours_.resize(std::clamp(m_.run.numHours, 0, kHours));
    for (int h = 0; h < Hours(); ++h) {
        HourCloud& c = hours_[h];
        c.les = std::clamp(m_.setup.release[h].cumLE, 0, les_);
        c.placed = kParticlesPerLE * c.les;
        c.x.resize(c.placed);
        c.y.resize(c.placed);
        c.count.resize(c.placed);
        c.sum.resize(c.placed);
    }
}

void OpenWaterSpread::Start() {
    q_ = 0.25 * m_.inputs.oil.minThickness;
    for (int i = 0; i < les_; ++i)
        vol_[i] = m_.les.le[i].Vol;
    for (int i = 0; i < kParticlesPerLE * les_; ++i) {
        const LE& e = m_.les.le[i / kParticlesPerLE];
        Particle& p = particles_[i];
        p.hour = static_cast<int>(e.birth);
        p.x = p.y = NoData;
        p.area = p.hour >= 1 && p.hour <= kHours ? e.area[p.hour - 1] / kParticlesPerLE : NoData;
        p.vol = e.Vol / kParticlesPerLE;
        p.alpha = e.alpha3;
        p.coeff = e.spreadCoeff;
    }
}

void OpenWaterSpread::Drift(int h) {
    WeatheringModel& m = m_;
    const ReleaseHour& r = m.setup.release[h];
    HourCloud& c = hours_[h];
    const int newLEs = r.nLE;

    if (newLEs > 0 && c.placed > placed_)
        PlaceParticles(particles_.data(), placed_, c.placed, r.radius, m.run.random);
    placed_ = std::max(placed_, c.placed);

    if (h > 0 && m.inputs.wind[h].speed >= 0 && m.inputs.wind[h - 1].speed >= 0 &&
        WindTurn(m.inputs.wind[h].direction, m.inputs.wind[h - 1].direction) > kWindTurn)
        for (int i = 0; i < placed_; ++i)
            particles_[i].alpha = DrawSpreadingFactor(m.run.random);

    // LEs released in the first half of an hour's steps move from its start,
    // the rest from its middle (the LEs of an hour are numbered on from the
    // earlier hours, so the movers are always the first ones).
    const int sph = m.run.stepsPerHour;
    int moved = 0;
    for (int s = h * sph; s < (h + 1) * sph; ++s) {
        const double T = static_cast<double>(m.run.deltat) * (s + 1);
        moved = kParticlesPerLE * MovingLEs(s, h, sph, c.les, newLEs);
        DriftStep(m, h, T, particles_.data(), moved);
    }
    c.moved = moved;
    for (int i = 0; i < moved; ++i) {
        c.x[i] = particles_[i].x;
        c.y[i] = particles_[i].y;
    }
}

void OpenWaterSpread::Triangulate(int h, DagTriangulation& triangulation) {
    HourCloud& c = hours_[h];
    triangulation.SetMessages(c.messages);
    ShareTriangles(c, triangulation);
}

void OpenWaterSpread::Finish(int h) {
    HourCloud& c = hours_[h];
    for (const Message& message : c.messages.messages)
        messages_.Show(message.kind, message.text);
    c.messages.messages.clear();
    LEAreas(h, c);
    Smooth(h);
}

// Each particle's share of the triangles of the particles that moved last.
void OpenWaterSpread::ShareTriangles(HourCloud& c, DagTriangulation& triangulation) {
    const int moved = c.moved;
    std::fill(c.count.begin(), c.count.end(), 0);
    std::fill(c.sum.begin(), c.sum.end(), 0.0);

    const int count = triangulation.CalculateDagTri(c.x.data(), c.y.data(), moved);
    const std::vector<DagTriangle>& tri = triangulation.Triangles();
    for (int t = 0; t < count; ++t) {
        const int* corner = tri[t].corner;
        bool valid = true;
        for (int k = 0; k < 3; ++k)
            if (corner[k] < 0 || corner[k] >= moved) valid = false;
        if (!valid) {
            c.messages.Error("Spread: Something wrong in LEarea calculation");
            continue;
        }
        double twice = 0;
        for (int k = 0; k < 3; ++k) {
            const int a = corner[k], b = corner[(k + 1) % 3];
            twice += c.x[a] * c.y[b] - c.y[a] * c.x[b];
        }
        // The corners are counter-clockwise on the grid; a sliver whose
        // corners were rounded onto the grid may turn the other way in metres,
        // and an area is never negative.
        double area = std::fabs(twice) / 2;
        const double vol =
            particles_[corner[0]].vol + particles_[corner[1]].vol + particles_[corner[2]].vol;
        if (Limited() && area * q_ > vol) area = vol / q_;
        for (int k = 0; k < 3; ++k) {
            ++c.count[corner[k]];
            c.sum[corner[k]] += area;
        }
    }
}

void OpenWaterSpread::LEAreas(int h, const HourCloud& c) {
    WeatheringModel& m = m_;
    const int les = c.les, placed = c.placed;
    for (int i = 0; i < les; ++i)
        m.les.le[i].area[h] = 0;
    for (int i = 0; i < placed; ++i) {
        Particle& p = particles_[i];
        double a = c.count[i] > 0 ? c.sum[i] / (3.0 * c.count[i]) : 0.0;
        // A particle in no triangle (or in a merged point) covers what its
        // volume may at the thinnest.
        if (Limited() && (a * q_ > p.vol || !(a > 0)))
            a = p.vol / q_;
        else if (!Limited() && !(a > 0))
            a = p.area;
        p.area = a;
        m.les.le[i / kParticlesPerLE].area[h] += a;
    }

    double sum = 0;
    for (int i = 0; i < les; ++i) {
        LE& e = m.les.le[i];
        e.thick[h] = e.area[h] > 0 ? vol_[i] / e.area[h] : 0.0;
        sum += e.area[h];
    }
    if (!Limited()) return;
    const double maxArea = m.setup.release[h].cumVol / m.inputs.oil.minThickness;
    if (sum > maxArea) {
        const double f = maxArea / sum;
        for (int i = 0; i < les; ++i) {
            m.les.le[i].area[h] *= f;
            m.les.le[i].thick[h] /= f;
        }
    }
}

// Each hour's area becomes the mean of its own and the (already smoothed)
// previous hour's, from the hour after the LE's release on. The thickness
// follows the smoothed area. No later hour changes an earlier one, so the
// hours can be smoothed one by one as they are spread.
void OpenWaterSpread::Smooth(int h) {
    if (h < 1) return;
    for (int i = 0; i < les_; ++i) {
        LE& e = m_.les.le[i];
        if (!(e.area[h - 1] > 0)) continue;
        e.area[h] = (e.area[h] + e.area[h - 1]) / 2;
        e.thick[h] = vol_[i] / e.area[h];
    }
}

bool SpreadableModel(const WeatheringModel& m) {
    return m.run.numHours >= 0 && m.run.numHours <= kHours && m.les.numLEs >= 0 &&
           m.les.numLEs <= kMaxLEs;
}

std::unique_ptr<OpenWaterSpread> StartOpenWater(WeatheringModel& m, MessageSink& messages) {
    std::unique_ptr<OpenWaterSpread> spread;
    try {
        spread = std::make_unique<OpenWaterSpread>(m, m.les.numLEs, messages);
        spread->Allocate();
    } catch (const std::bad_alloc&) {
        messages.Error("Error: Out of Memory (Spread)");
        return nullptr;
    }
    spread->Start();
    return spread;
}

void Spread(WeatheringModel& m) {
    if (!SpreadableModel(m)) return;
    if (m.inputs.containedArea > 0) {
        ContainedSpread(m);
        return;
    }
    std::unique_ptr<OpenWaterSpread> spread = StartOpenWater(m, m.Messages());
    if (!spread) return;
    for (int h = 0; h < m.run.numHours; ++h)
        spread->Hour(h);
}

}  // namespace ormix
