// The particles of an open-water slick: two per LE, placed in the initial
// slick of their release hour, drifting with the wind and the current and
// spreading by a random walk.
#pragma once

#include "core/random.h"

namespace ormix {

struct WeatheringModel;

inline constexpr int kParticlesPerLE = 2;

struct Particle {
    int hour;      // release hour number (1-based): the LE's birth, truncated
    double x, y;   // m east and north of the release point
    double area;   // m2
    double vol;    // m3
    double alpha;  // spreading factor, 0..1 (wind drift between 1.2 and 3 percent)
    double coeff;  // spreading coefficient of the release hour
};

// A random spreading factor: rand() / 32768 x 1.254 - 0.071, held within 0..1.
double DrawSpreadingFactor(ModelRandom& random);

// Places particles [from, to) at random points of a disc of the given radius
// around the release point.
void PlaceParticles(Particle* p, int from, int to, double radius, ModelRandom& random);

// The LEs whose particles move in step s (counted from the start of the
// run) of hour h, with sph steps per hour, c LEs released by the end of the
// hour and n of them in the hour: all c in the second half of the hour's
// steps or when the hour releases none; in the first half, only those
// released before the middle of the hour, the first c - n / 2.
int MovingLEs(int s, int h, int sph, int c, int n);

// One time step of drift and random walk for particles [0, count) during the
// given hour (0-based); T is the time at the end of the step (s).
void DriftStep(WeatheringModel& m, int hour, double T, Particle* p, int count);

}  // namespace ormix
