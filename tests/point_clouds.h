// Point clouds for the triangulation tests, drawn from the model's own
// generator so that a seed always gives the same cloud.
#pragma once

#include <cstdint>
#include <vector>

#include "core/random.h"

namespace ormix {

struct Cloud {
    std::vector<double> x, y;
    int Size() const { return static_cast<int>(x.size()); }
    void Add(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
};

// Uniform over a width x height rectangle with a corner at the origin.
inline Cloud UniformCloud(std::uint32_t seed, int n, double width, double height) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    for (int i = 0; i < n; ++i) {
        const double px = r.Fraction() * width;
        c.Add(px, r.Fraction() * height);
    }
    return c;
}

// Patches a few grid units across: most points merge, and survivors move
// into the reach of others.
inline Cloud Patches(std::uint32_t seed, int n) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    double cx[12], cy[12];
    for (int k = 0; k < 12; ++k) {
        cx[k] = r.Fraction() * 5000;
        cy[k] = r.Fraction() * 5000;
    }
    for (int i = 0; i < n; ++i) {
        if (i % 10 == 0) {
            const double px = r.Fraction() * 5000;
            c.Add(px, r.Fraction() * 5000);
            continue;
        }
        const int k = r.Next() % 12;
        const double px = cx[k] + (r.Fraction() - 0.5) * 8;
        c.Add(px, cy[k] + (r.Fraction() - 0.5) * 8);
    }
    return c;
}

// Whole-numbered positions on a small lattice: repeated points, many points
// on one line and four on one circle, points on the edges of triangles.
inline Cloud Lattice(std::uint32_t seed, int n, int columns, int rows, double step) {
    ModelRandom r;
    r.Seed(seed);
    Cloud c;
    for (int i = 0; i < n; ++i) {
        const double px = r.Next() % columns * step;
        c.Add(px, r.Next() % rows * step);
    }
    return c;
}

// A grid coordinate for the predicate checks: on a line, one of nine
// multiples of 512 (so that many points fall on y = x); off it, any value
// in -2048..2048.
inline std::int64_t GridCoordinate(ModelRandom& r, bool line) {
    return line ? (r.Next() % 9 - 4) * 512 : r.Next() % 4097 - 2048;
}

}  // namespace ormix
