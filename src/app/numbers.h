// The program's rounding rules, its Double-to-integer conversions and its number formats.
// Formatting never depends on the locale: "." is the decimal point and "," groups thousands.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::app {

// A whole number (already integral, or to be floored or ceiled by the caller) clamped to the
// range of Int; not-a-number gives 0.
template <typename Int> Int saturatedWhole(double whole) {
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    if (whole >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(whole);
}

// The rounding rules below are inline: the figures of every design go through them.

// Int(x + 0.5) as a 16-bit Integer (Int rounds towards minus infinity), saturated to the
// Integer range.
inline std::int16_t RoundHalfUp(double x) {
    return saturatedWhole<std::int16_t>(std::floor(x + 0.5));
}

// Up to the next half unit for positive values, except that an excess of less than 0.01 over
// a multiple of one half is dropped; down to the half unit below for negative values.
inline double zRoundHalf(double x) {
    if (x == 0) {
        return 0;
    }
    if (x > 0) {
        return std::floor((x + 0.49) * 2) / 2;
    }
    return std::floor(x * 2) / 2;
}

// The smallest whole number not below x, saturated to the Long range.
inline std::int32_t RoundUp(double x) {
    return saturatedWhole<std::int32_t>(std::ceil(x));
}

// The largest whole number not above x, saturated to the Long range.
inline std::int32_t RoundDown(double x) {
    return saturatedWhole<std::int32_t>(std::floor(x));
}

// The nearest 16-bit / 32-bit integer, ties to the even neighbour; nothing when the rounded
// value does not fit (or x is not a number). Callers that must report an overflow use these.
std::optional<std::int16_t> tryToInteger(double x);
std::optional<std::int32_t> tryToLong(double x);

// The same conversions saturated to the type's range; not-a-number gives 0.
std::int16_t toInteger(double x);
std::int32_t toLong(double x);

// x rounded to `decimals` places (0 to 15) as a number format rounds it: the shortest decimal
// form of x with at most 15 significant digits, rounded half away from zero. So 1.005 gives
// 1.01 although its binary value lies just below 1.005.
double roundAsFormatted(double x, int decimals);

// Whether x * scale (given as `scaled`, scale a power of ten) is a whole number of fewer than
// 15 digits that gives back x: then x has no more places than the power's and the number
// formats leave it as it is.
inline bool hasNoMorePlaces(double x, double scaled, double scale) {
    return std::fabs(scaled) < 1e15 && scaled == std::trunc(scaled) && scaled / scale == x;
}

// roundAsFormatted(x, 2): what the "####.##" and "#,##0.00" formats leave of a value. The
// common case, a value that has two places or fewer (tonnages in halves and quarters), is
// told inline: every change of a design sums its tonnage.
inline double roundTwoDecimals(double x) {
    return hasNoMorePlaces(x, x * 100, 100) ? x + 0.0 : roundAsFormatted(x, 2);
}

// Fixed-point text of x with exactly `decimals` places, rounded like roundAsFormatted,
// optionally with "," between groups of three digits. With `leadingZero` false a value below
// one shows no zero before the point (".5000"), as the "#" digit placeholder does.
std::string formatFixed(double x, int decimals, bool groupThousands, bool leadingZero = true);

// "##########.0000": four decimals, no leading zero ("12.5000", ".2500").
std::string gFormatFourDecimals(double x);

// "###,###,###,##0": a whole number with thousands separators ("1,234,567").
std::string gFormatThousands(double x);

// The text formatted as above when it is a number ("1500.4" gives "1,500"), otherwise the
// text unchanged.
std::string gFormatThousands(std::string_view text);

// The text as a Double when the whole of it (blanks around it aside) is a decimal number;
// never depends on the locale.
std::optional<double> parseNumber(std::string_view text);

} // namespace fpw::app
