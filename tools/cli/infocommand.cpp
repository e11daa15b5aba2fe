#include "infocommand.h"

#include <cstdio>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

namespace fpw::cli {
namespace {

// A tonnage as a plain decimal number: "54.5", "20".
std::string plainNumber(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

// A missing value is written as null, so that every row has every key.
template <typename T>
void putOptional(nlohmann::ordered_json& j, const char* key, const std::optional<T>& value) {
    if (value)
        j[key] = *value;
    else
        j[key] = nullptr;
}

} // namespace

std::string withoutCR(std::string_view text) {
    std::string flat;
    for (char c : text)
        if (c != '\r')
            flat += c;
    return flat;
}

std::string failureLine(std::string_view file, std::string_view message) {
    std::string line(file);
    line += ": ";
    line += withoutCR(message);
    line += '\n';
    return line;
}

std::string jsonLine(const DesignRow& row) {
    nlohmann::ordered_json j;
    j["file"] = row.file;
    const bool ok = !row.error;
    const auto figure = [&](const char* key, auto value) {
        if (ok)
            j[key] = value;
        else
            j[key] = nullptr;
    };
    figure("name", row.name);
    figure("model", row.model);
    putOptional(j, "config", ok ? row.config : std::nullopt);
    figure("tonnage", row.tonnage);
    figure("total_tonnage", row.totalTonnage);
    figure("free_tonnage", row.freeTonnage);
    figure("walking", row.walking);
    figure("running", row.running);
    figure("jumping", row.jumping);
    figure("max_heat", row.maxHeat);
    figure("heat_dissipation", row.heatDissipation);
    figure("free_slots", row.freeSlots);
    figure("cost", row.cost);
    putOptional(j, "bv", ok ? row.bv : std::nullopt);
    putOptional(j, "error", row.error);
    // Names come from files: a byte that is no UTF-8 must not end the run.
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string textHeader() {
    return "file\tname\tmodel\tconfig\ttonnage\ttotal_tonnage\tfree_tonnage\twalking\trunning\t"
           "jumping\tmax_heat\theat_dissipation\tfree_slots\tcost\tbv";
}

std::string textLine(const DesignRow& row) {
    std::string line = row.file;
    const auto add = [&line](const std::string& value) {
        line += '\t';
        line += value;
    };
    add(row.name);
    add(row.model);
    add(row.config.value_or(""));
    add(std::to_string(row.tonnage));
    add(plainNumber(row.totalTonnage));
    add(plainNumber(row.freeTonnage));
    add(std::to_string(row.walking));
    add(std::to_string(row.running));
    add(std::to_string(row.jumping));
    add(std::to_string(row.maxHeat));
    add(std::to_string(row.heatDissipation));
    add(std::to_string(row.freeSlots));
    add(std::to_string(row.cost));
    add(row.bv ? std::to_string(*row.bv) : "-");
    return line;
}

ItemOutput infoOutput(app::ProgramContext& ctx, const std::string& path, bool json) {
    ItemOutput output;
    for (const DesignRow& row : designRows(ctx, path)) {
        if (row.error) {
            output.failed = true;
            output.err += failureLine(path, *row.error);
            if (!json)
                continue;
        }
        output.out += json ? jsonLine(row) : textLine(row);
        output.out += '\n';
    }
    return output;
}

int runInfo(app::ProgramContext& ctx, const std::vector<std::string>& args, bool json,
            const BatchOptions& options, std::ostream& out, std::ostream& err) {
    if (!json)
        out << textHeader() << '\n';
    const ItemWork work = [json](app::ProgramContext& own, const std::string& path) {
        return infoOutput(own, path, json);
    };
    return runBatch(ctx, walkDesigns(ctx, args), work, options, out, err);
}

} // namespace fpw::cli
