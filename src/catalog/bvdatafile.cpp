#include "catalog/bvdatafile.h"

#include <algorithm>
#include <cmath>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"

namespace fpw::catalog {
namespace {

constexpr std::size_t kHeaderWidth = 30;

constexpr std::string_view kCorruptMessage =
    "The Battle Value database is corrupt. No Battle Value calculations will be performed.";

template <std::size_t N> void readDoubles(app::RecordReader& in, std::array<double, N>& values) {
    for (auto& value : values) {
        value = in.doubleValue();
    }
}

bool allFinite(const BVTables& tables) {
    const auto finite = [](const auto& values) {
        return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    };
    return finite(tables.engineMultiplierIS) && finite(tables.engineMultiplierClan) &&
           finite(tables.offensiveSpeedFactor) && finite(tables.defensiveMovementFactor) &&
           std::all_of(tables.skillMultiplier.begin(), tables.skillMultiplier.end(),
                       [](const SkillMultiplier& s) { return std::isfinite(s.multiplier); });
}

template <std::size_t N>
void writeDoubles(app::RecordWriter& out, const std::array<double, N>& values) {
    for (double value : values) {
        out.doubleValue(value);
    }
}

} // namespace

ParseResult<BVTables> parseBVData(std::string_view bytes) {
    ParseResult<BVTables> result;
    result.status = ParseStatus::Damaged;
    result.message = std::string(kCorruptMessage);
    app::RecordReader in(bytes);
    if (in.remaining() < kHeaderWidth + 2 || in.header(kHeaderWidth) != kBVDataHeader) {
        return result;
    }
    const std::int16_t version = in.integer();
    if (version != kBVDataVersion) {
        result.status = ParseStatus::WrongVersion;
        result.version = version;
        result.message = "The Battle Value database is of the wrong version. No Battle Value "
                         "calculations will be performed.";
        return result;
    }
    // Short of its tables the file is damaged: BV must never be computed from half-read tables.
    if (bytes.size() < kBVDataFileSize) {
        return result;
    }
    result.status = ParseStatus::Ok;
    result.message.clear();
    BVTables& tables = result.value;
    readDoubles(in, tables.engineMultiplierIS);
    readDoubles(in, tables.engineMultiplierClan);
    readDoubles(in, tables.offensiveSpeedFactor);
    readDoubles(in, tables.defensiveMovementFactor);
    for (auto& skill : tables.skillMultiplier) {
        skill.gunnery = in.integer();
        skill.piloting = in.integer();
        skill.multiplier = in.doubleValue();
    }
    // A factor that is not a number would turn every Battle Value into one.
    if (!allFinite(tables)) {
        result.status = ParseStatus::Damaged;
        result.message = std::string(kCorruptMessage);
    }
    return result;
}

std::string writeBVData(const BVTables& tables) {
    app::RecordWriter out;
    out.fixedText(kBVDataHeader, kHeaderWidth);
    out.integer(kBVDataVersion);
    writeDoubles(out, tables.engineMultiplierIS);
    writeDoubles(out, tables.engineMultiplierClan);
    writeDoubles(out, tables.offensiveSpeedFactor);
    writeDoubles(out, tables.defensiveMovementFactor);
    for (const auto& skill : tables.skillMultiplier) {
        out.integer(skill.gunnery);
        out.integer(skill.piloting);
        out.doubleValue(skill.multiplier);
    }
    return out.release();
}

void LoadBVData(app::ProgramContext& ctx) {
    ctx.bvDataLoaded = false;
    const std::string path = ctx.programFile(kBVDataFile);
    if (!ctx.files->exists(path)) {
        ctx.user.message("The Battle Value database is missing. No Battle Value calculations "
                         "will be performed.",
                         "BV Datafile Missing", app::MessageIcon::Critical);
        return;
    }
    const auto bytes = ctx.files->read(path);
    auto parsed = bytes ? parseBVData(*bytes) : ParseResult<BVTables>{};
    if (!bytes) {
        parsed.status = ParseStatus::Damaged;
        parsed.message = std::string(kCorruptMessage);
    }
    switch (parsed.status) {
    case ParseStatus::Ok:
        ctx.bvTables = parsed.value;
        ctx.bvDataLoaded = true;
        return;
    case ParseStatus::WrongVersion:
        ctx.user.message(parsed.message, "Invalid BV Datafile", app::MessageIcon::Critical);
        return;
    case ParseStatus::Damaged:
    case ParseStatus::ReadFailure:
        ctx.user.message(parsed.message, "BV Datafile Corrupt", app::MessageIcon::Critical);
        return;
    }
}

} // namespace fpw::catalog
