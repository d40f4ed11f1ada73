#include "image/frequency_raster.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "image/text.h"

namespace qv {

double SnapFrequency(std::string_view frequencyText) {
    if (frequencyText.size() < 4) return Val(frequencyText);
    // The last four digits are tens of hertz within the current 100 kHz.
    const std::string_view head = frequencyText.substr(0, frequencyText.size() - 4);
    const int tens = ValInt(frequencyText.substr(frequencyText.size() - 4));
    const int r5 = tens % 500;
    const int r625 = tens % 625;
    if (r5 == 0 || r625 == 0) return Val(frequencyText);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04d", tens - std::min(r5, r625));
    return Val(std::string(head) + digits);
}

double StepRemainder(double step, double value) {
    if (value < step) return value;
    const double quotient = value / step;
    // Past 15 digits no step count is exact any more; the remainder is all that can be given.
    if (quotient >= 1e15) return std::fmod(value, step);
    // Written the way "%.15g" writes it, but with "." whatever the process's locale says.
    char shown[64];
    const auto written =
        std::to_chars(shown, shown + sizeof shown, quotient, std::chars_format::general, 15);
    if (std::string_view(shown, static_cast<std::size_t>(written.ptr - shown))
            .find_first_of(".e") == std::string_view::npos) {
        return 0.0;
    }
    // Taking away one step after another stops at the first n that leaves less than a step; that
    // n lies next to the rounded-down quotient, so start just below it instead of at 1.
    double n = std::max(1.0, std::floor(quotient) - 2.0);
    while (value - n * step >= step) n += 1.0;
    return value - n * step;
}

}  // namespace qv
