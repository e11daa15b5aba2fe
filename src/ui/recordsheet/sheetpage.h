// The paper the record sheets are drawn on: US Letter with half-inch margins, so the
// printable area is 540 by 720 points.
#pragma once

namespace fpw::ui {

inline constexpr double kPaperWidthPoints = 612;
inline constexpr double kPaperHeightPoints = 792;
inline constexpr double kMarginPoints = 36;
inline constexpr double kPrintableWidthPoints = kPaperWidthPoints - 2 * kMarginPoints;
inline constexpr double kPrintableHeightPoints = kPaperHeightPoints - 2 * kMarginPoints;

} // namespace fpw::ui
