#include "infocommand.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

namespace fpw::cli {
namespace {

// A JSON row with names and a path of ordinary length, and its line end.
constexpr std::size_t kTypicalRowLength = 384;

// Bytes a JSON string cannot hold as they are: control characters, '"', the backslash, DEL and
// every byte of a character beyond ASCII.
constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = c < 0x20 || c >= 0x7F || c == '"' || c == '\\';
    return table;
}();

// A table look-up per byte with no branch: paths and names are checked on every row.
bool plainText(std::string_view value) {
    bool escape = false;
    for (const char c : value)
        escape |= kNeedsEscape[static_cast<unsigned char>(c)];
    return !escape;
}

// "00" to "99", two characters each.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// Costs and Battle Values have up to ten digits: written two at a time from the end, they cost
// half of what to_chars' general way does. Negative and larger values are left to to_chars.
[[gnu::noinline]] char* writeAnyInteger(char* at, long long value) {
    constexpr long long kDirectBelow = 10'000'000'000;
    if (value < 0 || value >= kDirectBelow)
        return std::to_chars(at, at + kJsonIntegerLength, value).ptr;
    char digits[10];
    char* first = std::end(digits);
    auto rest = static_cast<unsigned long long>(value);
    for (; rest >= 100; rest /= 100) {
        first -= 2;
        std::memcpy(first, &kDigitPairs[rest % 100 * 2], 2);
    }
    if (rest >= 10) {
        first -= 2;
        std::memcpy(first, &kDigitPairs[rest * 2], 2);
    } else {
        *--first = static_cast<char>('0' + rest);
    }
    const auto length = static_cast<std::size_t>(std::end(digits) - first);
    std::memcpy(at, first, length);
    return at + length;
}

// writeJsonInteger, inlined where rows are written. Most figures of a row (speeds, heat, slots,
// whole tons) are below 100: their digits copied from a table cost a fraction of to_chars'
// length count and of a call.
[[gnu::always_inline]] inline char* writeInteger(char* at, long long value) {
    if (value >= 0 && value < 100) {
        const char* pair = &kDigitPairs[static_cast<std::size_t>(value) * 2];
        if (value >= 10)
            *at++ = pair[0];
        *at++ = pair[1];
        return at;
    }
    return writeAnyInteger(at, value);
}

// One JSON object written key by key in a fixed order, at the end of a string. Rows come by the
// ten thousand, so every piece is copied into a buffer on the stack, the keys with their length
// known when compiling, and the string takes the buffer in one piece (a row fits it whole).
// Each piece is written through a local cursor kept in a register: a store through a char
// pointer might change any member, so a member cursor would be read again after each byte.
// Plain ASCII text is copied as it is; anything else goes through the JSON library, whose
// replacement of bytes that are no UTF-8 keeps a damaged name from ending the run.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) {}

    // The first key of the object opens it: `first` is known when compiling, so that no key
    // asks at run time whether it comes first.
    template <bool first = false, std::size_t N>
    void text(const char (&key)[N], std::string_view value) {
        if (value.size() <= kLongestInPlace && plainText(value)) {
            char* at = name<first>(room(N + 3 + value.size() + 2), key);
            *at++ = '"';
            std::memcpy(at, value.data(), value.size());
            at += value.size();
            *at++ = '"';
            at_ = at;
        } else {
            at_ = name<first>(room(N + 3), key);
            put(nlohmann::json(value).dump(-1, ' ', false,
                                           nlohmann::json::error_handler_t::replace));
        }
    }
    template <std::size_t N> void number(const char (&key)[N], long long value) {
        at_ = writeInteger(name(room(N + 3 + kJsonIntegerLength), key), value);
    }
    template <std::size_t N> void number(const char (&key)[N], double value) {
        at_ = writeJsonDouble(name(room(N + 3 + kJsonDoubleLength), key), value);
    }
    template <std::size_t N> void null(const char (&key)[N]) {
        char* at = name(room(N + 3 + 4), key);
        std::memcpy(at, "null", 4);
        at_ = at + 4;
    }
    // Closes the object and hands what is left in the buffer to the string.
    void finish() {
        char* at = room(1);
        *at++ = '}';
        at_ = at;
        flush();
    }

private:
    // A row with long names fits as well.
    static constexpr std::size_t kBufferLength = 512;
    // Longer texts go to the string by themselves.
    static constexpr std::size_t kLongestInPlace = kBufferLength / 2;

    // Writes the separator and the quoted key with its colon at `at`; returns the end.
    template <bool first = false, std::size_t N> char* name(char* at, const char (&key)[N]) {
        static_assert(N + 3 + kJsonDoubleLength <= kBufferLength);
        *at++ = first ? '{' : ',';
        *at++ = '"';
        std::memcpy(at, key, N - 1);
        at += N - 1;
        *at++ = '"';
        *at++ = ':';
        return at;
    }
    void put(std::string_view piece) {
        if (static_cast<std::size_t>(buffer_ + kBufferLength - at_) < piece.size()) {
            flush();
            if (piece.size() > kBufferLength) {
                out_.append(piece);
                return;
            }
        }
        std::memcpy(at_, piece.data(), piece.size());
        at_ += piece.size();
    }
    // Makes room for `size` more characters (at most the buffer's length); returns the cursor.
    char* room(std::size_t size) {
        if (static_cast<std::size_t>(buffer_ + kBufferLength - at_) < size)
            flush();
        return at_;
    }
    void flush() {
        out_.append(buffer_, static_cast<std::size_t>(at_ - buffer_));
        at_ = buffer_;
    }

    std::string& out_;
    char buffer_[kBufferLength];
    char* at_ = buffer_;
};

} // namespace

char* writeJsonInteger(char* at, long long value) {
    return writeInteger(at, value);
}

char* writeJsonDouble(char* at, double value) {
    // Tonnages are whole hundredths well below 10,000 in size. The shortest text of such a
    // value is its decimal with at most two places, which is shorter than any exponent form:
    // it is written directly, every other value (-0 and the non-finite ones too) by to_chars.
    if (value > -10000 && value < 10000) {
        const double scaled = value * 100;
        const long long hundredths = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
        if (static_cast<double>(hundredths) / 100 == value &&
            !(value == 0 && std::signbit(value))) {
            const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
            if (hundredths < 0)
                *at++ = '-';
            at = writeInteger(at, magnitude / 100);
            const int cents = static_cast<int>(magnitude % 100);
            *at++ = '.';
            *at++ = static_cast<char>('0' + cents / 10);
            if (cents % 10 != 0)
                *at++ = static_cast<char>('0' + cents % 10);
            return at;
        }
    }
    char* const start = at;
    at = std::to_chars(at, at + kJsonDoubleLength - 2, value).ptr;
    // ".0" after a whole number, as the JSON library marks one.
    if (std::string_view(start, static_cast<std::size_t>(at - start))
            .find_first_not_of("-0123456789") == std::string_view::npos) {
        *at++ = '.';
        *at++ = '0';
    }
    return at;
}

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

void appendJsonLine(std::string& out, const DesignRow& row) {
    JsonObject j(out);
    j.text<true>("file", row.file);
    if (row.error) {
        j.null("name");
        j.null("model");
        j.null("config");
        j.null("tonnage");
        j.null("total_tonnage");
        j.null("free_tonnage");
        j.null("walking");
        j.null("running");
        j.null("jumping");
        j.null("max_heat");
        j.null("heat_dissipation");
        j.null("free_slots");
        j.null("cost");
        j.null("bv");
        j.text("error", *row.error);
        j.finish();
        return;
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
    j.finish();
}

std::string jsonLine(const DesignRow& row) {
    std::string line;
    appendJsonLine(line, row);
    return line;
}

std::string textHeader() {
    std::string header = "file";
    for (const auto& [key, text] : reports::figureTexts(DesignRow{})) {
        header += '\t' + key;
    }
    return header;
}

std::string textLine(const DesignRow& row) {
    std::string line(row.file);
    for (const auto& [key, text] : reports::figureTexts(row)) {
        line += '\t' + text;
    }
    return line;
}

ItemOutput infoOutput(app::ProgramContext& ctx, const std::string& path, bool json) {
    ItemOutput output;
    // One row filled for each configuration in turn: its texts keep their storage.
    DesignRow row;
    row.file = path;
    const std::optional<std::string> failure =
        visitDesign(ctx, path, [&](model::Mech& mech, const valuation::Refreshed& refreshed) {
            // Room for every row of the design at the first, so that the lines are stored once.
            if (output.out.empty())
                output.out.reserve(kTypicalRowLength *
                                   static_cast<std::size_t>(std::max(1, mech.OmniConfigCount())));
            reports::fillDesignFigures(row, mech, refreshed.hasBV, refreshed.freeSlots);
            if (json)
                appendJsonLine(output.out, row);
            else
                output.out += textLine(row);
            output.out += '\n';
        });
    if (failure) {
        output.failed = true;
        output.err = failureLine(path, *failure);
        if (json) {
            row.error = *failure;
            appendJsonLine(output.out, row);
            output.out += '\n';
        }
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
