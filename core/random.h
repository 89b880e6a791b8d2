// The model's random generator.
//
// It follows the classic rand() contract (values 0..32767) so that every
// random factor of the model has the same resolution. Seeded from the clock
// by default; a generator seeded explicitly keeps its one stream through the
// whole run, which makes a seeded run reproducible bit for bit.
#pragma once

#include <cstdint>

namespace ormix {

class ModelRandom {
public:
    static constexpr int kMax = 32767;

    // A generator seeded from the clock.
    ModelRandom();

    // Fixes the seed: from now on the generator is never re-seeded.
    void Seed(std::uint32_t seed);
    bool IsSeeded() const { return seeded_; }

    // The model re-seeds from the clock at the start of its random work (LE
    // initialisation, each spreading step). With an explicit seed this does
    // nothing, so the stream stays reproducible.
    void ReseedFromClock();

    // Next value, 0..32767.
    int Next();

    // rand() / 32768: a fraction in [0, 1).
    double Fraction() { return Next() / 32768.0; }

private:
    std::uint32_t state_;
    bool seeded_ = false;
};

}  // namespace ormix
