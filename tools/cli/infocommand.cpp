#include "infocommand.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

namespace fpw::cli {
namespace {

// One JSON object written key by key in a fixed order. Plain ASCII text is copied as it is;
// anything else goes through the JSON library, whose replacement of bytes that are no UTF-8
// keeps a damaged name from ending the run.
class JsonObject {
public:
    JsonObject() { out_.reserve(kTypicalLength); }

    void text(const char* key, std::string_view value) {
        name(key);
        const bool plain = std::all_of(value.begin(), value.end(), [](char c) {
            return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
        });
        if (plain) {
            out_ += '"';
            out_ += value;
            out_ += '"';
        } else {
            out_ += nlohmann::json(value).dump(-1, ' ', false,
                                               nlohmann::json::error_handler_t::replace);
        }
    }
    void number(const char* key, long long value) {
        name(key);
        char buffer[24];
        out_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
    // As the JSON library writes a double: the shortest exact form, ".0" after a whole one.
    void number(const char* key, double value) {
        name(key);
        char buffer[40];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
        out_ += digits;
        if (digits.find_first_not_of("-0123456789") == std::string_view::npos)
            out_ += ".0";
    }
    void null(const char* key) {
        name(key);
        out_ += "null";
    }
    std::string take() {
        out_ += '}';
        return std::move(out_);
    }

private:
    // Room for a row with long names, so that the line is not moved while it grows.
    static constexpr std::size_t kTypicalLength = 512;

    void name(const char* key) {
        out_ += out_.empty() ? "{\"" : ",\"";
        out_ += key;
        out_ += "\":";
    }

    std::string out_;
};

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
    JsonObject j;
    j.text("file", row.file);
    if (row.error) {
        for (const char* key :
             {"name", "model", "config", "tonnage", "total_tonnage", "free_tonnage", "walking",
              "running", "jumping", "max_heat", "heat_dissipation", "free_slots", "cost", "bv"})
            j.null(key);
        j.text("error", *row.error);
        return j.take();
    }
    j.text("name", row.name);
    j.text("model", row.model);
    if (row.config)
        j.text("config", *row.config);
    else
        j.null("config");
    j.number("tonnage", static_cast<long long>(row.tonnage));
    j.number("total_tonnage", row.totalTonnage);
    j.number("free_tonnage", row.freeTonnage);
    j.number("walking", static_cast<long long>(row.walking));
    j.number("running", static_cast<long long>(row.running));
    j.number("jumping", static_cast<long long>(row.jumping));
    j.number("max_heat", static_cast<long long>(row.maxHeat));
    j.number("heat_dissipation", static_cast<long long>(row.heatDissipation));
    j.number("free_slots", static_cast<long long>(row.freeSlots));
    j.number("cost", static_cast<long long>(row.cost));
    if (row.bv)
        j.number("bv", static_cast<long long>(*row.bv));
    else
        j.null("bv");
    j.null("error");
    return j.take();
}

std::string textHeader() {
    std::string header = "file";
    for (const auto& [key, text] : reports::figureTexts(DesignRow{})) {
        header += '\t' + key;
    }
    return header;
}

std::string textLine(const DesignRow& row) {
    std::string line = row.file;
    for (const auto& [key, text] : reports::figureTexts(row)) {
        line += '\t' + text;
    }
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
    return runBatch(ctx, args, work, options, out, err);
}

} // namespace fpw::cli
