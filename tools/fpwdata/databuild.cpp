#include "fpwdata/databuild.h"

#include <stdexcept>
#include <utility>

#include "app/files.h"
#include "app/recordcodec.h"
#include "catalog/bvdatafile.h"
#include "catalog/credits.h"
#include "catalog/namelists.h"
#include "catalog/pilotfile.h"
#include "catalog/plotfile.h"
#include "catalog/weapondatabase.h"
#include "fpwdata/bvtext.h"
#include "fpwdata/pilottext.h"
#include "fpwdata/plotlayout.h"
#include "fpwdata/sourcetext.h"
#include "fpwdata/weapontext.h"

namespace fpw::datatool {
namespace {

std::string readSource(const std::string& dataDir, std::string_view name) {
    const std::string path = app::joinPath(dataDir, name);
    std::optional<std::string> bytes = app::readWholeFile(path);
    if (!bytes) {
        throw std::runtime_error(path + ": cannot be read");
    }
    return std::move(*bytes);
}

// A binary file must read back as what it was made from, or the loaders would see other
// data than the sources show.
template <typename T, typename Parse>
void requireReadsBack(const std::string& bytes, const T& expected, Parse parse,
                      std::string_view fileName) {
    const auto result = parse(bytes);
    if (!result.ok() || !(result.value == expected)) {
        throw std::runtime_error(std::string(fileName) +
                                 ": the written file does not read back as its source");
    }
}

std::string headerOf(std::string_view bytes, std::size_t width) {
    if (bytes.size() < width) {
        return {};
    }
    app::RecordReader in(bytes);
    return in.header(width);
}

template <typename T>
const T& parsedOrThrow(const catalog::ParseResult<T>& result, std::string_view what) {
    if (!result.ok()) {
        throw std::runtime_error(
            std::string(what) + ": " +
            (result.message.empty() ? result.failure.description : result.message));
    }
    return result.value;
}

} // namespace

std::vector<std::string> copiedTextFiles() {
    std::vector<std::string> names;
    for (int i = 0; i < catalog::kNameListCount; ++i) {
        names.push_back(catalog::gGetListFileName(i));
    }
    names.emplace_back(catalog::kCreditsFile);
    names.emplace_back(kPlotLayoutSource);
    return names;
}

std::vector<std::string> builtFileNames() {
    std::vector<std::string> names{
        std::string(catalog::kWeaponDatabaseFile), std::string(catalog::kBVDataFile),
        std::string(catalog::kPilotFile), std::string(catalog::kArmorPlotFile.fileName),
        std::string(catalog::kInternalPlotFile.fileName)};
    for (std::string& name : copiedTextFiles()) {
        names.push_back(std::move(name));
    }
    return names;
}

void buildReferenceFiles(const std::string& dataDir, const std::string& outDir) {
    std::vector<std::pair<std::string, std::string>> outputs;

    const std::string weaponText = readSource(dataDir, kWeaponSource);
    const std::string weaponPath = app::joinPath(dataDir, kWeaponSource);
    const catalog::WeaponTable weapons = parseWeaponText(weaponText, weaponPath);
    requireCanonical(weaponText, formatWeaponText(weapons), weaponPath);
    std::string weaponBytes = catalog::writeWeaponDatabase(weapons);
    requireReadsBack(
        weaponBytes, weapons, [](std::string_view b) { return catalog::parseWeaponDatabase(b); },
        catalog::kWeaponDatabaseFile);
    outputs.emplace_back(catalog::kWeaponDatabaseFile, std::move(weaponBytes));

    const std::string bvText = readSource(dataDir, kBVSource);
    const std::string bvPath = app::joinPath(dataDir, kBVSource);
    const catalog::BVTables bv = parseBVText(bvText, bvPath);
    requireCanonical(bvText, formatBVText(bv), bvPath);
    std::string bvBytes = catalog::writeBVData(bv);
    requireReadsBack(
        bvBytes, bv, [](std::string_view b) { return catalog::parseBVData(b); },
        catalog::kBVDataFile);
    outputs.emplace_back(catalog::kBVDataFile, std::move(bvBytes));

    const std::string pilotText = readSource(dataDir, kPilotSource);
    const std::string pilotPath = app::joinPath(dataDir, kPilotSource);
    const catalog::PilotList pilots = parsePilotText(pilotText, pilotPath);
    requireCanonical(pilotText, formatPilotText(pilots), pilotPath);
    std::string pilotBytes = catalog::writePilotFile(pilots);
    if (!pilots.empty()) {
        requireReadsBack(
            pilotBytes, pilots, [](std::string_view b) { return catalog::parsePilotFile(b); },
            catalog::kPilotFile);
    }
    outputs.emplace_back(catalog::kPilotFile, std::move(pilotBytes));

    const std::string layoutText = readSource(dataDir, kPlotLayoutSource);
    const PlotLayout layout =
        parsePlotLayout(layoutText, app::joinPath(dataDir, kPlotLayoutSource));
    for (const auto& [diagram, kind] :
         {std::pair{Diagram::Armor, &catalog::kArmorPlotFile},
          std::pair{Diagram::Internal, &catalog::kInternalPlotFile}}) {
        const catalog::PlotTable table = generatePlot(layout, diagram);
        std::string bytes = catalog::writePlotFile(table, *kind);
        requireReadsBack(
            bytes, table, [kind](std::string_view b) { return catalog::parsePlotFile(b, *kind); },
            kind->fileName);
        outputs.emplace_back(kind->fileName, std::move(bytes));
    }

    for (const std::string& name : copiedTextFiles()) {
        std::string text = readSource(dataDir, name);
        // The program refuses a credits file without its first line; catch that here.
        if (name == catalog::kCreditsFile && !catalog::parseCredits(text)) {
            throw SourceError(app::joinPath(dataDir, name), 1,
                              "the first line must be \"" + std::string(catalog::kCreditsHeader) +
                                  "\"");
        }
        outputs.emplace_back(name, std::move(text));
    }

    for (const auto& [name, bytes] : outputs) {
        std::string error;
        const std::string path = app::joinPath(outDir, name);
        if (!app::writeFileAtomically(path, bytes, &error)) {
            throw std::runtime_error(path + ": " + error);
        }
    }
}

std::string dumpReferenceFile(std::string_view bytes) {
    const std::string shortHeader = headerOf(bytes, catalog::kWeaponDatabaseHeaderWidth);
    if (shortHeader == catalog::kWeaponDatabaseHeader) {
        return formatWeaponText(
            parsedOrThrow(catalog::parseWeaponDatabase(bytes), catalog::kWeaponDatabaseFile));
    }
    if (shortHeader == catalog::kBVDataHeader) {
        return formatBVText(parsedOrThrow(catalog::parseBVData(bytes), catalog::kBVDataFile));
    }
    if (shortHeader == catalog::kPilotFileHeader) {
        return formatPilotText(parsedOrThrow(catalog::parsePilotFile(bytes), catalog::kPilotFile));
    }
    const std::string longHeader = headerOf(bytes, catalog::kPlotHeaderWidth);
    for (const catalog::PlotFileKind* kind :
         {&catalog::kArmorPlotFile, &catalog::kInternalPlotFile}) {
        if (longHeader == kind->header) {
            return formatPlotText(
                parsedOrThrow(catalog::parsePlotFile(bytes, *kind), kind->fileName));
        }
    }
    throw std::runtime_error("not a weapon database, BV data, pilot or plot file");
}

std::string plotTextFromLayout(std::string_view layoutText, std::string_view fileName,
                               std::string_view diagram) {
    Diagram d;
    if (diagram == "armor") {
        d = Diagram::Armor;
    } else if (diagram == "internal") {
        d = Diagram::Internal;
    } else {
        throw std::runtime_error("the diagram is \"armor\" or \"internal\", not \"" +
                                 std::string(diagram) + "\"");
    }
    return formatPlotText(generatePlot(parsePlotLayout(layoutText, fileName), d));
}

} // namespace fpw::datatool
