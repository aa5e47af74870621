#pragma once

#include <QRgb>
#include <array>

// The flat colours the field is painted in, as 0xRRGGBB. Only the character sprites and the
// anti-aliased text bring other colours. The end-to-end tests read their screenshots with
// these very values: shotprobe includes this header and hands them to the scripts.
namespace FieldPalette {

inline constexpr QRgb Sky = 0x000080;
inline constexpr QRgb Cloud = 0xffffff;
inline constexpr QRgb Title = 0xf0f0f0;
inline constexpr QRgb Results = 0xffffff;
// The one-pixel ring around each line of the results.
inline constexpr QRgb ResultsOutline = 0x000040;
// The six stripes of a lumabel, top first.
inline constexpr std::array<QRgb, 6> Stripes = {0xff0000, 0xff8000, 0xffff00,
                                                0x00ff00, 0x0080ff, 0x8080ff};

}  // namespace FieldPalette
