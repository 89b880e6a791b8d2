#include "model/particle_drift.h"

#include <cmath>

#include "model/weathering_model.h"

namespace ormix {

double DrawSpreadingFactor(ModelRandom& random) {
    double a = random.Fraction() * 1.254 - 0.071;
    return a < 0 ? 0 : (a > 1 ? 1 : a);
}

void PlaceParticles(Particle* p, int from, int to, double radius, ModelRandom& random) {
    const double r2 = radius * radius;
    for (int i = from; i < to; ++i) {
        double x, y;
        do {
            x = (random.Fraction() - 0.5) * 2 * radius;
            y = (random.Fraction() - 0.5) * 2 * radius;
        } while (x * x + y * y > r2);
        p[i].x = x;
        p[i].y = y;
    }
}

int MovingLEs(int s, int h, int sph, int c, int n) {
    const int movers = (s >= (h + 0.5) * sph || n < 1) ? c : c - n / 2;
    return movers < 0 ? 0 : (movers > c ? c : movers);
}

void DriftStep(WeatheringModel& m, int hour, double T, Particle* p, int count) {
    m.run.random.ReseedFromClock();
    const double dt = m.run.deltat;
    const WindHour& w = m.inputs.wind[hour];
    // An hour without a wind speed moves nothing.
    const double U = w.speed > 0 ? w.speed : 0.0;
    int scalesHour = NoDataInt;
    double D1 = 0, D2 = 0;
    for (int i = 0; i < count; ++i) {
        Particle& q = p[i];
        // The random-walk scales depend only on the particle's release hour:
        // particles come in release order, so they change rarely.
        if (q.hour != scalesHour) {
            scalesHour = q.hour;
            const double age = T - (q.hour - 1) * 3600.0;
            D1 = std::sqrt(24 * 0.033 * std::pow(age, 0.16) * dt);
            D2 = std::sqrt(24 * (q.coeff / std::sqrt(age)) * dt);
        }
        // Four draws in this order: x's two, then y's two.
        double dx = (m.run.random.Fraction() - 0.5) * D2;
        dx += (m.run.random.Fraction() - 0.5) * D1;
        double dy = (m.run.random.Fraction() - 0.5) * D2;
        dy += (m.run.random.Fraction() - 0.5) * D1;
        // Between 1.2 percent (factor 0) and 3 percent (factor 1) of the wind.
        const double d = (0.018 * U * q.alpha + 0.012 * U) * dt;
        // The wind direction is where it blows from: the oil moves the other way.
        q.x += m.setup.currentDx + dx - w.sinDir * d;
        q.y += m.setup.currentDy + dy - w.cosDir * d;
    }
}

}  // namespace ormix
