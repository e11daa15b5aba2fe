// Printing a list of design files one after another: each opened quietly, switched to the
// configuration its row names, printed with empty pilot fields and the BV adjustment on, the
// armour diagram chosen by the "MultiPrint Type" preference.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::recordsheet {

class DrawingSurface;

inline constexpr std::string_view kNoMechsTitle = "No mechs";
inline constexpr std::string_view kNoMechsText = "There are no mechs to print.";
// The configuration column: the base chassis of an OmniMech, or no choice at all.
inline constexpr std::string_view kBaseConfig = "Base";
inline constexpr std::string_view kNoConfig = "N/A";

struct MultiPrintEntry {
    std::string file;
    std::string config; // kBaseConfig, a configuration's name or kNoConfig
};

// A new row for a design file: "Base" and the configuration names for a locked OmniMech,
// "N/A" and none for any other design; nothing, with the reason in `message`, when the file
// cannot be read.
struct MultiPrintRow {
    MultiPrintEntry entry;
    std::vector<std::string> configurations; // kBaseConfig first
};
std::optional<MultiPrintRow> multiPrintRow(app::ProgramContext& ctx, const std::string& file,
                                           std::string& message);

// Where the sheets go: a surface for each design in turn (the same document with a new page,
// or a document of its own), and the end of each design.
class MultiPrintTarget {
public:
    virtual ~MultiPrintTarget() = default;
    virtual DrawingSurface& beginDesign(const MultiPrintEntry& entry) = 0;
    // False when the design's output could not be finished (written).
    virtual bool endDesign(const MultiPrintEntry& entry) = 0;
};

struct MultiPrintResult {
    int printed = 0;
    bool stopped = false;
    // "file: reason" for every design that was not printed.
    std::vector<std::string> failures;
};

// Prints the entries in order. `status` receives "Opening " + file, "Changing omni config..."
// and "Printing " + name; `stopRequested` is asked before each design (after the interface
// has served its pending events) and ends the run when it answers true.
MultiPrintResult MultiPrint(app::ProgramContext& ctx, const std::vector<MultiPrintEntry>& entries,
                            MultiPrintTarget& target,
                            const std::function<void(const std::string&)>& status,
                            const std::function<bool()>& stopRequested);

} // namespace fpw::recordsheet
