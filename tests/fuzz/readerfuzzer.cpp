#include "fuzz/readerfuzzer.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <unistd.h>

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

namespace fs = std::filesystem;

// Answers nothing and counts what it was shown.
class QuietUser : public app::UnattendedUser {
public:
    int messages = 0;
    void message(std::string_view, std::string_view, app::MessageIcon) override { ++messages; }
};

struct Run {
    app::ProgramContext& ctx;
    QuietUser& user;
    const catalog::WeaponTable& shippedWeapons;
    // Puts the input where the reader looks for `fileName`; returns the full path.
    std::string place(std::string_view fileName, std::string_view input) const {
        const std::string path = ctx.programFile(fileName);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.data(), static_cast<std::streamsize>(input.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write the scratch file " + path);
        }
        return path;
    }
};

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

std::string designFile(const Run& run, std::string_view input) {
    run.ctx.weapons = run.shippedWeapons;
    const std::string path = run.place("fuzzed.fpm", input);
    model::Mech mech(run.ctx);
    const model::Mech before = mech;
    std::string message;
    const bool opened = io::TOpenMech(mech, path, true, message);
    if (run.user.messages != 0) {
        return "the quiet open showed a message";
    }
    if (!opened) {
        if (!(mech == before)) {
            return "a refused file changed the design";
        }
        return message.empty() ? "a refused file gave no message" : "";
    }
    std::string written;
    try {
        written = io::writeDesignFile(mech);
    } catch (const std::length_error&) {
        return ""; // lists longer than the file can hold are refused when saving
    }
    const io::DesignFileResult again = io::parseDesignFile(written, run.ctx);
    if (!again.ok()) {
        return "a design that opened does not open once saved: " + again.message;
    }
    if (io::writeDesignFile(*again.mech) != written) {
        return "a design that opened does not save the same twice";
    }
    return "";
}

std::string weaponDatabase(const Run& run, std::string_view input) {
    run.place(catalog::kWeaponDatabaseFile, input);
    run.ctx.weapons = run.shippedWeapons;
    if (!catalog::LoadWeapons(run.ctx)) {
        if (!(run.ctx.weapons == run.shippedWeapons)) {
            return "a refused database changed the weapon table";
        }
        return failsWithoutMessage(run.user);
    }
    return roundTrips(run.ctx.weapons, catalog::writeWeaponDatabase,
                      [](const std::string& bytes) { return catalog::parseWeaponDatabase(bytes); });
}

std::string bvData(const Run& run, std::string_view input) {
    run.place(catalog::kBVDataFile, input);
    const catalog::BVTables before = run.ctx.bvTables;
    catalog::LoadBVData(run.ctx);
    if (!run.ctx.bvDataLoaded) {
        if (!(run.ctx.bvTables == before)) {
            return "refused BV tables changed the loaded ones";
        }
        return failsWithoutMessage(run.user);
    }
    return roundTrips(run.ctx.bvTables, catalog::writeBVData, catalog::parseBVData);
}

std::string pilotFile(const Run& run, std::string_view input) {
    run.place(catalog::kPilotFile, input);
    catalog::LoadPilotData(run.ctx);
    if (run.user.messages != 0) {
        return run.ctx.pilots == catalog::PilotList{catalog::Pilot{}}
                   ? ""
                   : "a refused pilot file left pilots behind";
    }
    return roundTrips(run.ctx.pilots, catalog::writePilotFile, catalog::parsePilotFile);
}

std::string plotFile(const Run& run, std::string_view input, const catalog::PlotFileKind& kind,
                     const std::function<bool(app::ProgramContext&)>& load,
                     catalog::PlotTable& table) {
    run.place(kind.fileName, input);
    const catalog::PlotTable before = table;
    if (!load(run.ctx)) {
        if (!(table == before)) {
            return "a refused plot file changed the plot";
        }
        return failsWithoutMessage(run.user);
    }
    return roundTrips(
        table, [&](const catalog::PlotTable& t) { return catalog::writePlotFile(t, kind); },
        [&](const std::string& bytes) { return catalog::parsePlotFile(bytes, kind); });
}

std::string nameList(const Run& run, std::string_view input) {
    const std::vector<std::string> entries =
        catalog::readNameListFile(run.place(catalog::gGetListFileName(0), input));
    for (const std::string& entry : entries) {
        if (entry.find_first_of("\r\n") != std::string::npos) {
            return "a name list entry holds a line break";
        }
    }
    return "";
}

std::string credits(const Run& run, std::string_view input) {
    run.place(catalog::kCreditsFile, input);
    run.ctx.credits = {"earlier page"};
    const auto before = run.ctx.credits;
    if (!catalog::TLoadCredits(run.ctx)) {
        return run.ctx.credits == before && !run.ctx.creditsLoaded
                   ? ""
                   : "refused credits changed the loaded ones";
    }
    const auto again = catalog::parseCredits(catalog::writeCredits(run.ctx.credits));
    return again && *again == run.ctx.credits ? "" : "credits that read do not read back the same";
}

std::string parameters(const Run& run, std::string_view input) {
    run.place(app::kParameterFile, input);
    for (std::string_view name : {app::parameter::kCustomPrices, app::parameter::kVerboseLog,
                                  app::parameter::kClanLAMs, app::parameter::kMuxSaving}) {
        app::ParmExists(run.ctx, name);
    }
    return run.user.messages == 0 ? "" : "reading the parameters showed a message";
}

std::string customPrices(const Run& run, std::string_view input) {
    run.ctx.weapons = run.shippedWeapons;
    const std::string path = run.place(app::kCustomPriceFile, input);
    app::ReadCustomData(run.ctx, path);
    if (run.ctx.weapons.size() != run.shippedWeapons.size()) {
        return "custom prices changed the number of weapons";
    }
    for (std::size_t i = 0; i < run.ctx.weapons.size(); ++i) {
        catalog::WeaponRecord priced = run.shippedWeapons[i];
        priced.cost = run.ctx.weapons[i].cost;
        if (!(priced == run.ctx.weapons[i])) {
            return "custom prices changed more than a price";
        }
    }
    return "";
}

// The input's lines are the stored texts of the settings in the table's order; a line that is
// a single 0x01 byte stands for a value the store does not hold.
std::string settings(const Run& run, std::string_view input) {
    app::MemorySettingsStore store;
    for (const app::SettingEntry& entry : app::settingsTable()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line != "\x01") {
            store.setValue(entry.section, entry.name, line);
        }
    }
    const app::ScreenSize screen{15360, 11520};
    const bool complete = app::ReadINI(run.ctx, store, screen);
    if (complete != (run.user.messages == 0)) {
        return "a setting was refused without a message, or a message came with no refusal";
    }
    if (run.ctx.settings.top > screen.heightTwips || run.ctx.settings.left > screen.widthTwips) {
        return "the editor would open off the screen";
    }
    return "";
}

constexpr std::array<std::string_view, 11> kReaders{
    "design",   "weapons", "bvdata",     "pilots",       "armorplot", "internalplot",
    "namelist", "credits", "parameters", "customprices", "settings"};

} // namespace

std::span<const std::string_view> readerNames() {
    return kReaders;
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
    shippedWeapons_ = std::move(parsed.value);
    // Every input is written to a file, so a memory-backed folder is worth taking if there is one.
    std::error_code ec;
    const fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    scratch_ = (base / ("fpw-fuzz-" + std::to_string(::getpid()))).string();
    fs::create_directories(scratch_);
}

ReaderFuzzer::~ReaderFuzzer() {
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
}

std::string ReaderFuzzer::run(std::string_view reader, std::string_view input) {
    QuietUser user;
    app::ProgramContext ctx(scratch_, user);
    const Run run{ctx, user, shippedWeapons_};
    using Target = std::function<std::string(const Run&, std::string_view)>;
    static const std::map<std::string_view, Target> targets{
        {"design", designFile},
        {"weapons", weaponDatabase},
        {"bvdata", bvData},
        {"pilots", pilotFile},
        {"armorplot",
         [](const Run& r, std::string_view in) {
             return plotFile(r, in, catalog::kArmorPlotFile, catalog::LoadArmorPlot,
                             r.ctx.armorPlot);
         }},
        {"internalplot",
         [](const Run& r, std::string_view in) {
             return plotFile(r, in, catalog::kInternalPlotFile, catalog::LoadInternalPlot,
                             r.ctx.internalPlot);
         }},
        {"namelist", nameList},
        {"credits", credits},
        {"parameters", parameters},
        {"customprices", customPrices},
        {"settings", settings},
    };
    const auto found = targets.find(reader);
    if (found == targets.end()) {
        throw std::invalid_argument("no reader named " + std::string(reader));
    }
    return found->second(run, input);
}

} // namespace fpw::fuzzing
