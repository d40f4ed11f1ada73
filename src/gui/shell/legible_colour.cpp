#include "gui/shell/legible_colour.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

// How finely the way from the disabled colour to the ink is searched.
constexpr int kBlendSteps = 256;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// One sRGB channel (0..255) as linear light (0..1).
double LinearChannel(int value) {
    const double c = std::clamp(value, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Mix(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

Rgb Blend(Rgb from, Rgb to, double share) {
    return {Mix(from.red, to.red, share), Mix(from.green, to.green, share),
            Mix(from.blue, to.blue, share)};
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb LegibleDisabledText(Rgb disabled, Rgb enabled, Rgb background, double minimum) {
    if (ContrastRatio(disabled, background) >= minimum) return disabled;
    Rgb ink = enabled;
    if (ContrastRatio(ink, background) < minimum) {
        ink = ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack
                                                                                     : kWhite;
    }
    for (int step = 1; step <= kBlendSteps; ++step) {
        const Rgb candidate = Blend(disabled, ink, static_cast<double>(step) / kBlendSteps);
        if (ContrastRatio(candidate, background) >= minimum) return candidate;
    }
    return ink;
}

}  // namespace qv
