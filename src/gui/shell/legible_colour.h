// Text that stays legible on a disabled control: the contrast between two colours by the relative
// luminance that accessibility guidelines use, and a disabled text colour that keeps its grey look
// yet stands out from its background. Plain colour values, no toolkit.
#pragma once

namespace qv {

// A colour of eight bits per channel (sRGB).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The relative luminance of `colour`: 0 for black, 1 for white.
double RelativeLuminance(Rgb colour);

// The contrast ratio of two colours, (lighter + 0.05) / (darker + 0.05): 1 (none) to 21.
double ContrastRatio(Rgb first, Rgb second);

// What text needs against its background to be read with ease.
inline constexpr double kLegibleContrast = 4.5;

// The disabled text colour for `background`: `disabled` itself when it reaches `minimum` there,
// otherwise the colour nearest to it on the way to the enabled text colour `enabled` that does (or
// on the way to black or white, whichever stands out more, when not even `enabled` reaches it).
// The text so stays as grey as legibility allows.
Rgb LegibleDisabledText(Rgb disabled, Rgb enabled, Rgb background, double minimum);

}  // namespace qv
