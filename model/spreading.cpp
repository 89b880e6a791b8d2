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

#include "model/particle_drift.h"
#include "model/triangulation.h"

namespace ormix {

namespace {

// A turn of the wind by more than this (rad) between two hours redraws the
// spreading factors.
constexpr double kWindTurn = 0.26;

void ContainedSpread(WeatheringModel& m) {
    const ReleaseHour& first = m.release[0];
    // The boomed release is all in the first hour: the second hour's
    // cumulative values repeat it. A one-hour run has no second hour.
    const ReleaseHour& next = m.numHours > 1 ? m.release[1] : m.release[0];
    const double V = first.vol;
    const int n = first.nLE;
    if (V != next.cumVol || n != next.cumLE || n < 1 || n > m.numLEs || !(V > 0)) {
        m.Messages().Error("Spread: contained release error");
        return;
    }
    double A = m.containedArea;
    const double hmin = m.oil.minThickness;
    if (hmin > 0 && V / hmin < A) A = V / hmin;
    for (int h = 0; h < m.numHours; ++h) {
        for (int i = 0; i < n; ++i) {
            m.le[i].area[h] = A / n;
            m.le[i].thick[h] = V / A;
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

class OpenWaterSpread {
public:
    OpenWaterSpread(WeatheringModel& m, int les, MessageSink& messages)
        : m_(m), les_(les), messages_(messages), triangulation_(messages) {}

    // Takes the working storage; throws std::bad_alloc when it cannot.
    void Allocate() {
        const int n = kParticlesPerLE * les_;
        particles_.resize(n);
        x_.resize(n);
        y_.resize(n);
        triangleCount_.resize(n);
        triangleSum_.resize(n);
        vol_.resize(les_);
    }

    // Places the particles. Reads what it needs of the LEs (release hour,
    // area, volume, spreading factor), so that the hours can then be spread
    // while the run changes the LEs' volumes.
    void Start();
    // Spreads hour h: its LE areas and thicknesses are then final (smoothed
    // with the hour before).
    void Hour(int h);

private:
    void ShareTriangles(int moved, int placed);
    void LEAreas(int h, int les, int placed);
    void Smooth(int h);
    // The largest area that a volume may cover: at a quarter of the minimum
    // thickness. Without a minimum thickness there is no limit.
    bool Limited() const { return q_ > 0; }

    WeatheringModel& m_;
    const int les_;
    MessageSink& messages_;
    double q_ = 0;
    int placed_ = 0;
    DagTriangulation triangulation_;
    std::vector<Particle> particles_;
    std::vector<double> x_, y_;
    std::vector<int> triangleCount_;
    std::vector<double> triangleSum_;
    std::vector<double> vol_;  // each LE's volume when the spreading started
};

void OpenWaterSpread::Start() {
    q_ = 0.25 * m_.oil.minThickness;
    for (int i = 0; i < les_; ++i)
        vol_[i] = m_.le[i].Vol;
    for (int i = 0; i < kParticlesPerLE * les_; ++i) {
        const LE& e = m_.le[i / kParticlesPerLE];
        Particle& p = particles_[i];
        p.hour = static_cast<int>(e.birth);
        p.x = p.y = NoData;
        p.area = p.hour >= 1 && p.hour <= kHours ? e.area[p.hour - 1] / kParticlesPerLE : NoData;
        p.vol = e.Vol / kParticlesPerLE;
        p.alpha = e.alpha3;
        p.coeff = e.spreadCoeff;
    }
}

void OpenWaterSpread::Hour(int h) {
    WeatheringModel& m = m_;
    const ReleaseHour& r = m.release[h];
    const int les = std::clamp(r.cumLE, 0, les_);
    const int newLEs = r.nLE;
    const int placed = kParticlesPerLE * les;

    if (newLEs > 0 && placed > placed_)
        PlaceParticles(particles_.data(), placed_, placed, r.radius, m.random);
    placed_ = std::max(placed_, placed);

    if (h > 0 && m.wind[h].speed >= 0 && m.wind[h - 1].speed >= 0 &&
        WindTurn(m.wind[h].direction, m.wind[h - 1].direction) > kWindTurn)
        for (int i = 0; i < placed_; ++i)
            particles_[i].alpha = DrawSpreadingFactor(m.random);

    // LEs released in the first half of an hour's steps move from its start,
    // the rest from its middle (the LEs of an hour are numbered on from the
    // earlier hours, so the movers are always the first ones).
    const int sph = m.stepsPerHour;
    int moved = 0;
    for (int s = h * sph; s < (h + 1) * sph; ++s) {
        const double T = static_cast<double>(m.deltat) * (s + 1);
        moved = kParticlesPerLE * MovingLEs(s, h, sph, les, newLEs);
        DriftStep(m, h, T, particles_.data(), moved);
    }

    ShareTriangles(moved, placed);
    LEAreas(h, les, placed);
    Smooth(h);
}

// Each particle's share of the triangles of the particles that moved last.
void OpenWaterSpread::ShareTriangles(int moved, int placed) {
    for (int i = 0; i < moved; ++i) {
        x_[i] = particles_[i].x;
        y_[i] = particles_[i].y;
    }
    std::fill(triangleCount_.begin(), triangleCount_.begin() + placed, 0);
    std::fill(triangleSum_.begin(), triangleSum_.begin() + placed, 0.0);

    const int count = triangulation_.CalculateDagTri(x_.data(), y_.data(), moved);
    const std::vector<DagTriangle>& tri = triangulation_.Triangles();
    for (int t = 0; t < count; ++t) {
        const int* c = tri[t].corner;
        bool valid = true;
        for (int k = 0; k < 3; ++k)
            if (c[k] < 0 || c[k] >= moved) valid = false;
        if (!valid) {
            messages_.Error("Spread: Something wrong in LEarea calculation");
            continue;
        }
        double twice = 0;
        for (int k = 0; k < 3; ++k) {
            const Particle& a = particles_[c[k]];
            const Particle& b = particles_[c[(k + 1) % 3]];
            twice += a.x * b.y - a.y * b.x;
        }
        // The corners are counter-clockwise on the grid; a sliver whose
        // corners were rounded onto the grid may turn the other way in metres,
        // and an area is never negative.
        double area = std::fabs(twice) / 2;
        const double vol = particles_[c[0]].vol + particles_[c[1]].vol + particles_[c[2]].vol;
        if (Limited() && area * q_ > vol) area = vol / q_;
        for (int k = 0; k < 3; ++k) {
            ++triangleCount_[c[k]];
            triangleSum_[c[k]] += area;
        }
    }
}

void OpenWaterSpread::LEAreas(int h, int les, int placed) {
    WeatheringModel& m = m_;
    for (int i = 0; i < les; ++i)
        m.le[i].area[h] = 0;
    for (int i = 0; i < placed; ++i) {
        Particle& p = particles_[i];
        double a = triangleCount_[i] > 0 ? triangleSum_[i] / (3.0 * triangleCount_[i]) : 0.0;
        // A particle in no triangle (or in a merged point) covers what its
        // volume may at the thinnest.
        if (Limited() && (a * q_ > p.vol || !(a > 0)))
            a = p.vol / q_;
        else if (!Limited() && !(a > 0))
            a = p.area;
        p.area = a;
        m.le[i / kParticlesPerLE].area[h] += a;
    }

    double sum = 0;
    for (int i = 0; i < les; ++i) {
        LE& e = m.le[i];
        e.thick[h] = e.area[h] > 0 ? vol_[i] / e.area[h] : 0.0;
        sum += e.area[h];
    }
    if (!Limited()) return;
    const double maxArea = m.release[h].cumVol / m.oil.minThickness;
    if (sum > maxArea) {
        const double f = maxArea / sum;
        for (int i = 0; i < les; ++i) {
            m.le[i].area[h] *= f;
            m.le[i].thick[h] /= f;
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
        LE& e = m_.le[i];
        if (!(e.area[h - 1] > 0)) continue;
        e.area[h] = (e.area[h] + e.area[h - 1]) / 2;
        e.thick[h] = vol_[i] / e.area[h];
    }
}

namespace {

bool SpreadableModel(const WeatheringModel& m) {
    return m.numHours >= 0 && m.numHours <= kHours && m.numLEs >= 0 && m.numLEs <= kMaxLEs;
}

// The open-water spreading, ready for its first hour; null (the reason
// given) when its storage cannot be had.
std::unique_ptr<OpenWaterSpread> StartOpenWater(WeatheringModel& m, MessageSink& messages) {
    std::unique_ptr<OpenWaterSpread> spread;
    try {
        spread = std::make_unique<OpenWaterSpread>(m, m.numLEs, messages);
        spread->Allocate();
    } catch (const std::bad_alloc&) {
        messages.Error("Error: Out of Memory (Spread)");
        return nullptr;
    }
    spread->Start();
    return spread;
}

}  // namespace

void Spread(WeatheringModel& m) {
    if (!SpreadableModel(m)) return;
    if (m.containedArea > 0) {
        ContainedSpread(m);
        return;
    }
    std::unique_ptr<OpenWaterSpread> spread = StartOpenWater(m, m.Messages());
    if (!spread) return;
    for (int h = 0; h < m.numHours; ++h)
        spread->Hour(h);
}

BackgroundSpread::BackgroundSpread(WeatheringModel& m) : hours_(m.numHours) {
    if (!SpreadableModel(m) || m.containedArea > 0) {
        Spread(m);
        published_.store(kHours + 1);
        return;
    }
    spread_ = StartOpenWater(m, messages_);
    if (!spread_) {
        published_.store(kHours + 1);
        return;
    }
    // Without a thread to be had (none left, or no memory for one), all
    // hours are spread now, in this one.
    try {
        thread_ = std::thread([this] { SpreadHours(); });
    } catch (const std::system_error&) {
        SpreadHours();
    } catch (const std::bad_alloc&) {
        SpreadHours();
    }
}

void BackgroundSpread::SpreadHours() {
    for (int h = 0; h < hours_; ++h) {
        spread_->Hour(h);
        published_.store(h + 1, std::memory_order_release);
        published_.notify_all();
    }
    published_.store(kHours + 1, std::memory_order_release);
    published_.notify_all();
}

BackgroundSpread::~BackgroundSpread() {
    if (thread_.joinable()) thread_.join();
}

void BackgroundSpread::WaitForHours(int hours) const {
    int done = published_.load(std::memory_order_acquire);
    while (done < hours) {
        published_.wait(done, std::memory_order_acquire);
        done = published_.load(std::memory_order_acquire);
    }
}

void BackgroundSpread::Finish(MessageSink& sink) {
    if (thread_.joinable()) thread_.join();
    for (const Message& message : messages_.messages)
        sink.Show(message.kind, message.text);
    messages_.messages.clear();
}

}  // namespace ormix
