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

}  // namespace ormix
