#pragma once

#include <cmath>

// Positions and sizes of the layout rules are in twips: 1440 to the inch, 15 to the pixel at 96 dpi.
// Conversion happens here only.
namespace Twips {

inline double parPixel(double dpiLogique = 96.0) { return 1440.0 / (dpiLogique > 0 ? dpiLogique : 96.0); }

inline int versPixels(double twips, double dpiLogique = 96.0) {
    return static_cast<int>(std::lround(twips / parPixel(dpiLogique)));
}

inline int depuisPixels(double pixels, double dpiLogique = 96.0) {
    return static_cast<int>(std::lround(pixels * parPixel(dpiLogique)));
}

} // namespace Twips
