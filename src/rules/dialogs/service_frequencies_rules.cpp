#include "rules/dialogs/service_frequencies_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "image/decimal_text.h"
#include "image/frequency_raster.h"
#include "image/held_controls.h"
#include "image/text.h"

namespace qv {
namespace {

constexpr double kRaster5 = 0.005;      // MHz
constexpr double kRaster625 = 0.00625;  // MHz

// The leading number of a cell; a number too large to be held counts as none, like a text that
// holds no number at all.
double CellValue(std::string_view typed) {
    const double value = Val(typed);
    return std::isfinite(value) ? value : 0.0;
}

// Five decimals with a point, whatever the process's locale says.
std::string FiveDecimals(double megahertz) {
    char text[400];  // room for the largest double written out in full
    const auto written =
        std::to_chars(text, text + sizeof text, megahertz, std::chars_format::fixed, 5);
    return {text, static_cast<std::size_t>(written.ptr - text)};
}

}  // namespace

std::string RxTestFrequency(std::string_view typed) {
    const double v = CellValue(typed);
    const double r5 = StepRemainder(kRaster5, v);
    const double r625 = StepRemainder(kRaster625, v);
    return FiveDecimals(r5 >= r625 ? v - r625 : v - r5);
}

std::string TxTestFrequency(std::string_view typed) {
    const double v = CellValue(typed);
    const double step = StepRemainder(kRaster625, v) == 0.0 ? kRaster625 : kRaster5;
    return FiveDecimals(v - StepRemainder(step, v));
}

bool IsTestFrequency(std::string_view typed) {
    const std::string_view number = TrimBlanks(typed);
    if (!IsPlainDecimal(number)) return false;
    const double mhz = Val(number);
    return mhz >= kLowestTestMHz && mhz <= kHighestTestMHz;
}

bool TestFrequencyCellEditable(const Setup& setup, int row, int column) {
    if (row < 1 || row > kTestChannels) return false;
    if (column == kTestRxColumn) return true;
    return column == kTestTxColumn && !setup.Form4.mfgrid1[row][kTestRxColumn].empty();
}

Changes EditTestFrequency(ProgramState& state, Host& host, int row, int column,
                          std::string_view text) {
    if (!TestFrequencyCellEditable(state, row, column)) return {};
    const std::string_view typed = TrimBlanks(text);
    if (!typed.empty() && !IsTestFrequency(typed)) {
        // Rastered, such a number would be saved with other digits than the cell shows.
        const Language language = MessageLanguage(state.LanguageIsEnglish);
        (void)host.LocalMsgBox(
            std::string(MessageText(MessageId::TestFrequencyOutOfField, language)), kStyleOk, "");
        return {};
    }
    auto& cells = state.Form4.mfgrid1[row];
    if (column == kTestRxColumn) {
        cells[kTestRxColumn] = typed.empty() ? std::string() : RxTestFrequency(typed);
        cells[kTestTxColumn] = cells[kTestRxColumn];
    } else {
        cells[kTestTxColumn] = typed.empty() ? cells[kTestRxColumn] : TxTestFrequency(typed);
    }
    return StatePart::Form4;
}

Changes StoreTestFrequencies(Setup& setup) {
    for (int row = 1; row <= kTestChannels; ++row) {
        setup.TestFrequencyTable[0][row - 1] = setup.Form4.mfgrid1[row][kTestRxColumn];
        setup.TestFrequencyTable[1][row - 1] = setup.Form4.mfgrid1[row][kTestTxColumn];
    }
    return StatePart::Form4;
}

void LoadServiceFrequenciesDialog(Setup& setup) {
    for (int channel = 1; channel <= kTestChannels; ++channel) {
        char label[4];
        std::snprintf(label, sizeof label, "%02d", channel);
        setup.Form4.mfgrid1[channel][0] = label;
        ShowTestChannel(setup, channel);
    }
}

}  // namespace qv
