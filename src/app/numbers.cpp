#include "app/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace fpw::app {
namespace {

// The significant digits a number format works with.
constexpr int kSignificantDigits = 15;

template <typename Int> std::optional<Int> roundedToEven(double x) {
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    double rounded = std::round(x); // half away from zero
    // x - trunc(x) is exact, so a true tie is recognised and moved to the even neighbour.
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, x);
    }
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

template <typename Int> Int saturatedToEven(double x) {
    // Most values converted are whole already (counts, points, sums of them): in range they
    // convert as they are, without the rounding steps.
    constexpr auto kMin = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr auto kMax = static_cast<double>(std::numeric_limits<Int>::max());
    if (x >= kMin && x <= kMax && static_cast<double>(static_cast<Int>(x)) == x) {
        return static_cast<Int>(x);
    }
    if (std::isnan(x)) {
        return 0;
    }
    if (const auto value = roundedToEven<Int>(x)) {
        return *value;
    }
    return x < 0 ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
}

// A finite value rounded in decimal: sign, the digits before the point without leading zeros
// (empty for zero) and exactly `decimals` digits after it.
struct DecimalText {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

DecimalText roundDecimal(double x, int decimals) {
    DecimalText result;
    char buffer[64];
    // Scientific notation with 15 significant digits: "d.dddddddddddddde+XX".
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t exponentAt = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, exponentAt)) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    std::string_view exponentText = text.substr(exponentAt + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // Digits before the decimal point, and how many digits stay after rounding.
    int pointAt = exponent + 1;
    const int keep = pointAt + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (roundUp) {
            int i = keep - 1;
            for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
                digits[static_cast<std::size_t>(i)] = '0';
            }
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++pointAt;
            }
        }
    }
    // Place the digits around the point, padding with zeros where the form has none.
    std::string fractionDigits;
    if (pointAt <= 0) {
        fractionDigits = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else {
        const auto wholeCount = static_cast<std::size_t>(pointAt);
        if (digits.size() < wholeCount) {
            digits.append(wholeCount - digits.size(), '0');
        }
        result.whole = digits.substr(0, wholeCount);
        fractionDigits = digits.substr(wholeCount);
    }
    // Rounding left no non-zero digit beyond `decimals`, so this only pads or drops zeros.
    fractionDigits.resize(static_cast<std::size_t>(decimals), '0');
    result.fraction = fractionDigits;
    const std::size_t firstNonZero = result.whole.find_first_not_of('0');
    result.whole =
        firstNonZero == std::string::npos ? std::string() : result.whole.substr(firstNonZero);
    result.negative = x < 0 && (!result.whole.empty() ||
                                result.fraction.find_first_not_of('0') != std::string::npos);
    return result;
}

std::string groupedThousands(const std::string& whole) {
    std::string grouped;
    const std::size_t size = whole.size();
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += whole[i];
    }
    return grouped;
}

int clampedDecimals(int decimals) {
    return std::clamp(decimals, 0, kSignificantDigits);
}

} // namespace

std::optional<std::int16_t> tryToInteger(double x) {
    return roundedToEven<std::int16_t>(x);
}
std::optional<std::int32_t> tryToLong(double x) {
    return roundedToEven<std::int32_t>(x);
}
std::int16_t toInteger(double x) {
    return saturatedToEven<std::int16_t>(x);
}
std::int32_t toLong(double x) {
    return saturatedToEven<std::int32_t>(x);
}

double roundAsFormatted(double x, int decimals) {
    if (!std::isfinite(x)) {
        return x;
    }
    decimals = clampedDecimals(decimals);
    // Most values (tonnages in halves, costs in whole C-Bills) have no more places than asked:
    // x is then the double nearest to a decimal of at most 15 digits, which its 15-digit text
    // gives back unchanged. Adding 0 turns -0 into 0 as the text does.
    static constexpr double kScale[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scaled = x * kScale[decimals];
    if (hasNoMorePlaces(x, scaled, kScale[decimals])) {
        return x + 0.0;
    }
    // Away from a tie the text cannot round otherwise than the scaled value: below 1e8 units
    // the 15-digit text and the product each lie within 6e-7 units of the exact value, so a
    // fraction more than 1e-6 from one half falls on the same side in all three. The whole
    // number of units divided by the exact power of ten is then the correctly rounded double,
    // as parsing the text gives it. Only near-ties go the way of the text.
    // A product that lands exactly on one half is a tie in the text as well: it lies within
    // 2^-53 (relative) of a decimal of at most ten digits, much closer than the half unit of
    // the 15th digit, so the text shows that decimal and rounds it away from zero. Such ties
    // are common (a quarter ton to one place), so they are not left to the text.
    constexpr double kExactUnitsBelow = 1e8;
    constexpr double kTieMargin = 1e-6;
    const double magnitude = std::fabs(scaled);
    if (magnitude < kExactUnitsBelow) {
        const double whole = std::floor(magnitude);
        const double fraction = magnitude - whole;
        if (fraction == 0.5 || std::fabs(fraction - 0.5) > kTieMargin) {
            const double units = fraction >= 0.5 ? whole + 1 : whole;
            if (units == 0) {
                return 0.0; // the text has no sign for zero
            }
            const double value = units / kScale[decimals];
            return x < 0 ? -value : value;
        }
    }
    const DecimalText rounded = roundDecimal(x, decimals);
    // Built by appending: GCC 12 reports a false overlap for string + const char* chains.
    std::string text;
    text.reserve(rounded.whole.size() + rounded.fraction.size() + 4);
    if (rounded.negative) {
        text.push_back('-');
    }
    if (rounded.whole.empty()) {
        text.push_back('0');
    } else {
        text.append(rounded.whole);
    }
    text.push_back('.');
    text.append(rounded.fraction);
    text.push_back('0');
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string formatFixed(double x, int decimals, bool groupThousands, bool leadingZero) {
    if (std::isnan(x)) {
        return "NaN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-Infinity" : "Infinity";
    }
    decimals = clampedDecimals(decimals);
    const DecimalText rounded = roundDecimal(x, decimals);
    std::string text;
    text.reserve(rounded.whole.size() * 4 / 3 + rounded.fraction.size() + 3);
    if (rounded.negative) {
        text.push_back('-');
    }
    if (rounded.whole.empty()) {
        if (leadingZero || decimals == 0) {
            text.push_back('0');
        }
    } else {
        text.append(groupThousands ? groupedThousands(rounded.whole) : rounded.whole);
    }
    if (decimals > 0) {
        text.push_back('.');
        text.append(rounded.fraction);
    }
    return text;
}

std::string gFormatFourDecimals(double x) {
    return formatFixed(x, 4, false, false);
}

std::string gFormatThousands(double x) {
    return formatFixed(x, 0, true);
}

std::string gFormatThousands(std::string_view text) {
    if (const auto value = parseNumber(text)) {
        return gFormatThousands(*value);
    }
    return std::string(text);
}

std::optional<double> parseNumber(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace fpw::app
