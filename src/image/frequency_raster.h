// The channel rasters: the radio tunes in steps of 5 kHz or 6.25 kHz, and a typed frequency is
// moved onto one of them.
#pragma once

#include <string_view>

namespace qv {

// Moves a frequency text with five decimals (MHz) down to the nearest point at or below it on the
// 5 kHz or the 6.25 kHz raster, whichever is nearer; a point on either raster stays.
// "435.12600" gives 435.125, "435.11900" gives 435.11875.
double SnapFrequency(std::string_view frequencyText);

// What is left of `value` after taking away whole steps, with rounding noise in the division
// tolerated: a quotient that shows no fraction at 15 significant digits leaves 0.
double StepRemainder(double step, double value);

}  // namespace qv
