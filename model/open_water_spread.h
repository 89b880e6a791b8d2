// The open-water spreading of one run, hour by hour, in three parts: the
// drift of the particles (in order: it draws random numbers), the
// triangulation of their positions with each particle's share of the
// triangles (any hours at once, each on its own triangulation), and the LE
// areas and thicknesses (in order: each hour is smoothed with the one before).
#pragma once

#include <memory>
#include <vector>

#include "core/messages.h"
#include "model/particle_drift.h"
#include "model/triangulation.h"
#include "model/weathering_model.h"

namespace ormix {

class OpenWaterSpread {
public:
    OpenWaterSpread(WeatheringModel& m, int les, MessageSink& messages)
        : m_(m), les_(les), messages_(messages), triangulation_(DiscardMessages()) {}

    // Takes the working storage of every hour; throws std::bad_alloc when it
    // cannot.
    void Allocate();

    // Places the particles. Reads what it needs of the LEs (release hour,
    // area, volume, spreading factor), so that the hours can then be spread
    // while the run changes the LEs' volumes.
    void Start();

    // Spreads hour h whole: its LE areas and thicknesses are then final.
    void Hour(int h) {
        Drift(h);
        Triangulate(h, triangulation_);
        Finish(h);
    }

    // The three parts of an hour. Drift the hours in order; triangulate an
    // hour once drifted, with a triangulation no other thread uses at the
    // time; finish the hours in order, each once triangulated.
    void Drift(int h);
    void Triangulate(int h, DagTriangulation& triangulation);
    void Finish(int h);

    int Hours() const { return static_cast<int>(hours_.size()); }

private:
    // What an hour leaves between its parts: the positions of the particles
    // that moved last, each particle's count and sum of triangle areas, and
    // the messages of its triangulation (handed on when it is finished, so
    // that they come in the order of the hours).
    struct HourCloud {
        int les = 0, moved = 0, placed = 0;
        std::vector<double> x, y;
        std::vector<int> count;
        std::vector<double> sum;
        CollectingSink messages;
    };

    void ShareTriangles(HourCloud& c, DagTriangulation& triangulation);
    void LEAreas(int h, const HourCloud& c);
    void Smooth(int h);
    // The largest area that a volume may cover: at a quarter of the minimum
    // thickness. Without a minimum thickness there is no limit.
    bool Limited() const { return q_ > 0; }

    WeatheringModel& m_;
    const int les_;
    MessageSink& messages_;
    double q_ = 0;
    int placed_ = 0;
    DagTriangulation triangulation_;  // for the hours spread whole
    std::vector<Particle> particles_;
    std::vector<HourCloud> hours_;
    std::vector<double> vol_;  // each LE's volume when the spreading started
};

// Whether the model's hour and LE counts are ones the spreading can take.
bool SpreadableModel(const WeatheringModel& m);

// The open-water spreading of the model, ready for its first hour; null
// (the reason given) when its storage cannot be had.
std::unique_ptr<OpenWaterSpread> StartOpenWater(WeatheringModel& m, MessageSink& messages);

}  // namespace ormix
