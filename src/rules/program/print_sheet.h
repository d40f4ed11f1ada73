// The set-up as one printed page: a header with the file the set-up came from and the date, the
// band, the function settings and the channel table, every text in the language asked for. The
// page is drawn by the desktop program; what stands on it is decided here.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "i18n/language.h"
#include "state/program_state.h"

namespace qv {

struct PrintSheet {
    std::string title;
    std::string fileLine;  // the file the set-up came from, or that it has none
    std::string dateLine;
    // Label and value: the band first, then the function settings from top to bottom.
    std::vector<std::pair<std::string, std::string>> settings;
    std::string settingsHeading;
    std::array<std::string, kGridColumns> headers;  // the channel table's header row
    // The 48 channel rows as the grid shows them, the label in column 0.
    std::vector<std::array<std::string, kGridColumns>> rows;
};

// `file` is empty for a set-up from no file; `date` is already written out.
PrintSheet BuildPrintSheet(const Setup& setup, std::string_view file, std::string_view date,
                           Language language);

}  // namespace qv
