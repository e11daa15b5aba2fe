// The headline figures of a design, as the command-line tool's `info` and the editor script's
// `state` print them: identity, weights, movement, heat, free slots, cost and Battle Value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fpw::model {
class Mech;
}

namespace fpw::reports {

struct DesignFigures {
    std::string name;
    std::string model;
    // The configuration shown, on a locked OmniMech with configurations.
    std::optional<std::string> config;
    int tonnage = 0;
    double totalTonnage = 0;
    double freeTonnage = 0;
    int walking = 0;
    int running = 0;
    int jumping = 0;
    int maxHeat = 0;
    int heatDissipation = 0;
    int freeSlots = 0;
    std::int32_t cost = 0;
    // Nothing when no BV data is loaded.
    std::optional<int> bv;
};

// The figures as the design holds them now; nothing is recomputed.
DesignFigures designFigures(const model::Mech& mech, bool hasBV);
// The same into `f`, whose texts keep their storage, with the free slots as counted by the
// caller: for one set filled design after design, right after a refresh that counted them.
void fillDesignFigures(DesignFigures& f, const model::Mech& mech, bool hasBV, int freeSlots);

// Heat sinks as the heat display counts them: single ones once, every other type twice.
int heatDissipation(const model::Mech& mech);

// Free slots over the eight slot lists.
int freeSlots(const model::Mech& mech);

// A tonnage or count as a plain decimal number: "54.5", "20", "0.25" ("0", never "-0").
std::string plainNumber(double x);

// Each figure's key and text, in a fixed order: name, model, config (empty without one),
// tonnage, total_tonnage, free_tonnage, walking, running, jumping, max_heat,
// heat_dissipation, free_slots, cost, bv ("-" without BV).
std::vector<std::pair<std::string, std::string>> figureTexts(const DesignFigures& figures);

} // namespace fpw::reports
