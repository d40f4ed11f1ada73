#include "rules/program/print_sheet.h"

#include "i18n/captions.h"
#include "i18n/desktop_texts.h"
#include "i18n/list_items.h"
#include "rules/channels/settings_frame.h"
#include "state/bands.h"

namespace qv {
namespace {

std::string Form1Caption(std::string_view control, Language language) {
    return std::string(Caption(WindowId::Form1, control, CaptionProperty::Caption, 0, language));
}

// A caption with its "(&X)" or "&" accelerator mark taken out: a page has no keys.
std::string WithoutMark(std::string text) {
    if (const std::size_t open = text.find("(&"); open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        if (close != std::string::npos) text.erase(open, close - open + 1);
    }
    std::erase(text, '&');
    return text;
}

}  // namespace

PrintSheet BuildPrintSheet(const Setup& setup, std::string_view file, std::string_view date,
                           Language language) {
    PrintSheet sheet;
    sheet.title = DesktopTextOf(DesktopText::PrintTitle, language);
    sheet.fileLine = file.empty() ? std::string(DesktopTextOf(DesktopText::PrintNoFile, language))
                                  : DesktopTextWith(DesktopText::PrintFile, language, {file});
    sheet.dateLine = DesktopTextWith(DesktopText::PrintDate, language, {date});
    sheet.settingsHeading = WithoutMark(Form1Caption("Frame2", language));
    sheet.settings.emplace_back(WithoutMark(Form1Caption("Frame1", language)),
                                std::string(BandAt(setup.Combo1).listText));
    for (const SettingsList& list : kSettingsLists) {
        sheet.settings.emplace_back(
            WithoutMark(Form1Caption(list.label, language)),
            std::string(ListItem(list.items, setup.*list.position, language)));
    }
    for (int column = 0; column < kGridColumns; ++column) {
        sheet.headers[static_cast<std::size_t>(column)] =
            Caption(WindowId::Form1, "Grid1", CaptionProperty::GridHeader, column, language);
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        sheet.rows.push_back(setup.Grid1[static_cast<std::size_t>(row)]);
    }
    return sheet;
}

}  // namespace qv
