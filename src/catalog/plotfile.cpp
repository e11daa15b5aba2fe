#include "catalog/plotfile.h"

#include <stdexcept>

#include "app/files.h"
#include "app/identity.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"

namespace fpw::catalog {
namespace {

std::string contactText() {
    return ". Please contact " + std::string(app::kCompanyName) + " at " +
           std::string(app::kSupportAddress) + " for information about obtaining a new database.";
}

std::string corruptMessage(const PlotFileKind& kind) {
    return "The " + std::string(kind.description) + " database is corrupt" + contactText();
}

std::string wrongVersionMessage(const PlotFileKind& kind, std::int16_t found) {
    return "The " + std::string(kind.description) +
           " database is the wrong version. The program is looking for a database of version " +
           std::to_string(kPlotFileVersion) + " but this database is version " +
           std::to_string(found) + contactText();
}

ParseResult<PlotTable> damaged(const PlotFileKind& kind) {
    ParseResult<PlotTable> result;
    result.status = ParseStatus::Damaged;
    result.message = corruptMessage(kind);
    return result;
}

bool loadPlot(app::ProgramContext& ctx, const PlotFileKind& kind, PlotTable& target) {
    const auto bytes = ctx.files->read(ctx.programFile(kind.fileName));
    if (!bytes) {
        ctx.user.message("The " + std::string(kind.description) + " database is missing.");
        return false;
    }
    auto parsed = parsePlotFile(*bytes, kind);
    switch (parsed.status) {
    case ParseStatus::Ok:
        target = std::move(parsed.value);
        return true;
    case ParseStatus::Damaged:
    case ParseStatus::WrongVersion:
        ctx.user.message(parsed.message, "Database corrupt", app::MessageIcon::Critical);
        return false;
    case ParseStatus::ReadFailure:
        ctx.errors.report(kind.procedure, parsed.failure);
        return false;
    }
    return false;
}

bool getPlotPoint(const PlotTable& plot, std::size_t locations, int location, int point,
                  PlotPoint& out) {
    if (location < 0 || static_cast<std::size_t>(location) >= locations ||
        static_cast<std::size_t>(location) >= plot.size()) {
        return false;
    }
    const PlotRecord& record = plot[static_cast<std::size_t>(location)];
    const std::int64_t offset = std::int64_t{point} - record.lowerBound;
    if (offset < 0 || offset >= static_cast<std::int64_t>(record.x.size()) ||
        offset >= static_cast<std::int64_t>(record.y.size())) {
        return false;
    }
    out.x = record.x[static_cast<std::size_t>(offset)];
    out.y = record.y[static_cast<std::size_t>(offset)];
    out.size = record.pointSize;
    return true;
}

} // namespace

ParseResult<PlotTable> parsePlotFile(std::string_view bytes, const PlotFileKind& kind) {
    app::RecordReader in(bytes);
    if (in.remaining() < kPlotHeaderWidth + 2 || in.header(kPlotHeaderWidth) != kind.header) {
        return damaged(kind);
    }
    const std::int16_t version = in.integer();
    if (version != kPlotFileVersion) {
        ParseResult<PlotTable> result;
        result.status = ParseStatus::WrongVersion;
        result.version = version;
        result.message = wrongVersionMessage(kind, version);
        return result;
    }
    ParseResult<PlotTable> result;
    PlotTable table;
    try {
        for (std::size_t i = 0; i < kind.recordCount; ++i) {
            PlotRecord record;
            record.pointSize = in.integer();
            std::int32_t yLowerBound = 0;
            record.x = in.integerArray(&record.lowerBound);
            record.y = in.integerArray(&yLowerBound);
            // Point i is (X(i), Y(i)): arrays of different bounds have no such pairs.
            if (record.x.size() != record.y.size() ||
                (!record.x.empty() && record.lowerBound != yLowerBound)) {
                return damaged(kind);
            }
            if (record.x.empty()) {
                record.lowerBound = 0; // a bound without points means nothing and is not kept
            }
            table.push_back(std::move(record));
        }
    } catch (const app::ReadError&) {
        result.setInputPastEnd();
        return result;
    }
    result.value = std::move(table);
    return result;
}

std::string writePlotFile(const PlotTable& table, const PlotFileKind& kind) {
    if (table.size() != kind.recordCount) {
        throw std::invalid_argument("a plot file holds a fixed number of locations");
    }
    app::RecordWriter out;
    out.fixedText(kind.header, kPlotHeaderWidth);
    out.integer(kPlotFileVersion);
    for (const auto& record : table) {
        if (record.x.size() != record.y.size()) {
            throw std::invalid_argument("plot point arrays of different sizes");
        }
        out.integer(record.pointSize);
        out.integerArray(record.x, record.lowerBound);
        out.integerArray(record.y, record.lowerBound);
    }
    return out.release();
}

bool LoadArmorPlot(app::ProgramContext& ctx) {
    return loadPlot(ctx, kArmorPlotFile, ctx.armorPlot);
}

bool LoadInternalPlot(app::ProgramContext& ctx) {
    return loadPlot(ctx, kInternalPlotFile, ctx.internalPlot);
}

bool gGetArmorPlotPoint(const PlotTable& armorPlot, int location, int point, PlotPoint& out) {
    return getPlotPoint(armorPlot, kArmorPlotFile.recordCount, location, point, out);
}

bool gGetInternalPlotPoint(const PlotTable& internalPlot, int location, int point, PlotPoint& out) {
    return getPlotPoint(internalPlot, kInternalPlotFile.recordCount, location, point, out);
}

} // namespace fpw::catalog
