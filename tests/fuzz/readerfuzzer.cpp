#include "fuzz/readerfuzzer.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/customprices.h"
#include "app/files.h"
#include "app/inisettings.h"
#include "app/parameters.h"
#include "app/programcontext.h"
#include "app/unattendeduser.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/namelists.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/weapondatabase.h"
#include "io/designfile.h"
#include "model/mech.h"

namespace fpw::fuzzing {
namespace {

// Where the served files seem to live: no such folder exists, so the odd log line a reader
// writes goes nowhere.
constexpr std::string_view kServedFolder = "/fpw-fuzz-input";

// Answers nothing and counts what it was shown.
class QuietUser : public app::UnattendedUser {
public:
    int messages = 0;
    void message(std::string_view, std::string_view, app::MessageIcon) override { ++messages; }
};

// The one file the input stands for, served from memory; every other file is missing, and
// nothing can be written.
class ServedFile : public app::FileLayer {
public:
    std::string path;
    std::string_view bytes;

    std::unique_ptr<app::OutputFile> create(const std::string&) override { return nullptr; }
    bool rename(const std::string&, const std::string&, std::string& error) override {
        error = "read-only";
        return false;
    }
    void remove(const std::string&) override {}
    std::optional<std::string> read(const std::string& wanted) override {
        return exists(wanted) ? std::optional<std::string>(bytes) : std::nullopt;
    }
    bool exists(const std::string& wanted) override { return wanted == path; }
};

} // namespace

struct ReaderFuzzer::Harness {
    explicit Harness(catalog::WeaponTable weapons)
        : ctx(std::string(kServedFolder), user), shippedWeapons(std::move(weapons)),
          blankDesign(prepared()), design(blankDesign) {}
    // The context with the shipped weapons, reading through the served file.
    app::ProgramContext& prepared() {
        ctx.files = &served;
        ctx.weapons = shippedWeapons;
        return ctx;
    }
    // Serves `input` as the program's file `fileName`; returns its full path.
    const std::string& serve(std::string_view fileName, std::string_view input) {
        served.path = ctx.programFile(fileName);
        served.bytes = input;
        return served.path;
    }

    QuietUser user;
    ServedFile served;
    app::ProgramContext ctx;
    const catalog::WeaponTable shippedWeapons;
    // A design as the editor holds one before anything is opened, and the one opened into.
    model::Mech blankDesign;
    model::Mech design;
};

namespace {

using Harness = ReaderFuzzer::Harness;

std::string failsWithoutMessage(const QuietUser& user) {
    return user.messages == 0 ? "the reader refused the file without a message" : "";
}

// A file that read must come out of its writer as something that reads to the same value.
template <class Value, class Write, class Parse>
std::string roundTrips(const Value& value, Write write, Parse parse) {
    const auto again = parse(write(value));
    if (!again.ok() || !(again.value == value)) {
        return "what was read does not read back the same once written";
    }
    return "";
}

std::string designFile(Harness& h, std::string_view input) {
    const std::string& path = h.serve("fuzzed.fpm", input);
    std::string message;
    const bool opened = io::TOpenMech(h.design, path, true, message);
    if (h.user.messages != 0) {
        return "the quiet open showed a message";
    }
    if (!opened) {
        if (!(h.design == h.blankDesign)) {
            return "a refused file changed the design";
        }
        return message.empty() ? "a refused file gave no message" : "";
    }
    std::string problem;
    try {
        const std::string written = io::writeDesignFile(h.design);
        const io::DesignFileResult again = io::parseDesignFile(written, h.ctx);
        if (!again.ok()) {
            problem = "a design that opened does not open once saved: " + again.message;
        } else if (io::writeDesignFile(*again.mech) != written) {
            problem = "a design that opened does not save the same twice";
        }
    } catch (const std::length_error&) {
        // lists longer than the file can hold are refused when saving
    }
    h.design = h.blankDesign;
    return problem;
}

std::string weaponDatabase(Harness& h, std::string_view input) {
    h.serve(catalog::kWeaponDatabaseFile, input);
    if (!catalog::LoadWeapons(h.ctx)) {
        if (!(h.ctx.weapons == h.shippedWeapons)) {
            return "a refused database changed the weapon table";
        }
        return failsWithoutMessage(h.user);
    }
    std::string problem =
        roundTrips(h.ctx.weapons, catalog::writeWeaponDatabase,
                   [](const std::string& bytes) { return catalog::parseWeaponDatabase(bytes); });
    h.ctx.weapons = h.shippedWeapons;
    return problem;
}

std::string bvData(Harness& h, std::string_view input) {
    h.serve(catalog::kBVDataFile, input);
    catalog::LoadBVData(h.ctx);
    if (!h.ctx.bvDataLoaded) {
        if (!(h.ctx.bvTables == catalog::BVTables{})) {
            return "refused BV tables changed the loaded ones";
        }
        return failsWithoutMessage(h.user);
    }
    std::string problem = roundTrips(h.ctx.bvTables, catalog::writeBVData, catalog::parseBVData);
    h.ctx.bvTables = {};
    return problem;
}

std::string pilotFile(Harness& h, std::string_view input) {
    h.serve(catalog::kPilotFile, input);
    catalog::LoadPilotData(h.ctx);
    if (h.user.messages != 0) {
        return h.ctx.pilots == catalog::PilotList{catalog::Pilot{}}
                   ? ""
                   : "a refused pilot file left pilots behind";
    }
    return roundTrips(h.ctx.pilots, catalog::writePilotFile, catalog::parsePilotFile);
}

std::string plotFile(Harness& h, std::string_view input, const catalog::PlotFileKind& kind,
                     bool (*load)(app::ProgramContext&), catalog::PlotTable& table) {
    h.serve(kind.fileName, input);
    if (!load(h.ctx)) {
        if (!table.empty()) {
            return "a refused plot file changed the plot";
        }
        return failsWithoutMessage(h.user);
    }
    std::string problem = roundTrips(
        table, [&](const catalog::PlotTable& t) { return catalog::writePlotFile(t, kind); },
        [&](const std::string& bytes) { return catalog::parsePlotFile(bytes, kind); });
    table.clear();
    return problem;
}

std::string nameList(Harness& h, std::string_view input) {
    const std::vector<std::string> entries =
        catalog::readNameListFile(h.serve(catalog::gGetListFileName(0), input), h.served);
    for (const std::string& entry : entries) {
        if (entry.find_first_of("\r\n") != std::string::npos) {
            return "a name list entry holds a line break";
        }
    }
    return "";
}

std::string credits(Harness& h, std::string_view input) {
    static const std::vector<std::string> earlier{"earlier page"};
    if (h.ctx.credits != earlier) {
        h.ctx.credits = earlier;
    }
    h.serve(catalog::kCreditsFile, input);
    if (!catalog::TLoadCredits(h.ctx)) {
        return h.ctx.credits == earlier && !h.ctx.creditsLoaded
                   ? ""
                   : "refused credits changed the loaded ones";
    }
    const auto again = catalog::parseCredits(catalog::writeCredits(h.ctx.credits));
    const bool same = again && *again == h.ctx.credits;
    return same ? "" : "credits that read do not read back the same";
}

std::string parameters(Harness& h, std::string_view input) {
    h.serve(app::kParameterFile, input);
    for (std::string_view name : {app::parameter::kCustomPrices, app::parameter::kVerboseLog,
                                  app::parameter::kClanLAMs, app::parameter::kMuxSaving}) {
        app::ParmExists(h.ctx, name);
    }
    return h.user.messages == 0 ? "" : "reading the parameters showed a message";
}

std::string customPrices(Harness& h, std::string_view input) {
    app::ReadCustomData(h.ctx, h.serve(app::kCustomPriceFile, input));
    h.ctx.prices = {};
    catalog::WeaponTable& weapons = h.ctx.weapons;
    if (weapons.size() != h.shippedWeapons.size()) {
        return "custom prices changed the number of weapons";
    }
    for (std::size_t i = 0; i < weapons.size(); ++i) {
        // Put the shipped price back, after which nothing else may differ.
        weapons[i].cost = h.shippedWeapons[i].cost;
        if (!(weapons[i] == h.shippedWeapons[i])) {
            return "custom prices changed more than a price";
        }
    }
    return "";
}

// The input's lines are the stored texts of the settings in the table's order; a line that is
// a single 0x01 byte stands for a value the store does not hold.
std::string settings(Harness& h, std::string_view input) {
    app::MemorySettingsStore store;
    for (const app::SettingEntry& entry : app::settingsTable()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line != "\x01") {
            store.setValue(entry.section, entry.name, line);
        }
    }
    h.ctx.settings = {};
    const app::ScreenSize screen{15360, 11520};
    const bool complete = app::ReadINI(h.ctx, store, screen);
    if (complete != (h.user.messages == 0)) {
        return "a setting was refused without a message, or a message came with no refusal";
    }
    if (h.ctx.settings.top > screen.heightTwips || h.ctx.settings.left > screen.widthTwips) {
        return "the editor would open off the screen";
    }
    return "";
}

using Target = std::string (*)(Harness&, std::string_view);

std::string armorPlot(Harness& h, std::string_view input) {
    return plotFile(h, input, catalog::kArmorPlotFile, catalog::LoadArmorPlot, h.ctx.armorPlot);
}

std::string internalPlot(Harness& h, std::string_view input) {
    return plotFile(h, input, catalog::kInternalPlotFile, catalog::LoadInternalPlot,
                    h.ctx.internalPlot);
}

constexpr std::array<std::pair<std::string_view, Target>, 11> kReaders{{
    {"design", designFile},
    {"weapons", weaponDatabase},
    {"bvdata", bvData},
    {"pilots", pilotFile},
    {"armorplot", armorPlot},
    {"internalplot", internalPlot},
    {"namelist", nameList},
    {"credits", credits},
    {"parameters", parameters},
    {"customprices", customPrices},
    {"settings", settings},
}};

constexpr std::array<std::string_view, kReaders.size()> kReaderNames = [] {
    std::array<std::string_view, kReaders.size()> names;
    for (std::size_t i = 0; i < kReaders.size(); ++i) {
        names[i] = kReaders[i].first;
    }
    return names;
}();

} // namespace

std::span<const std::string_view> readerNames() {
    return kReaderNames;
}

ReaderFuzzer::ReaderFuzzer(const std::string& shippedProgramDirectory) {
    const auto database =
        app::readWholeFile(app::joinPath(shippedProgramDirectory, catalog::kWeaponDatabaseFile));
    if (!database) {
        throw std::runtime_error("no weapon database in " + shippedProgramDirectory);
    }
    auto parsed = catalog::parseWeaponDatabase(*database);
    if (!parsed.ok()) {
        throw std::runtime_error("the shipped weapon database does not read");
    }
    harness_ = std::make_unique<Harness>(std::move(parsed.value));
}

ReaderFuzzer::~ReaderFuzzer() = default;

std::string ReaderFuzzer::run(std::string_view reader, std::string_view input) {
    for (const auto& [name, target] : kReaders) {
        if (name == reader) {
            harness_->user.messages = 0;
            return target(*harness_, input);
        }
    }
    throw std::invalid_argument("no reader named " + std::string(reader));
}

} // namespace fpw::fuzzing
