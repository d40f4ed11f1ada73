// Caption tables built from the caption rows, once, with list runs expanded into one entry per
// item.
#include "i18n/captions.h"

#include <cstddef>
#include <span>

#include "i18n/caption_rows.h"
#include "i18n/list_items.h"

namespace qv {
namespace {

using caption_rows::Row;

constexpr std::string_view kWindowNames[] = {"Form1", "Form2", "Form4",   "Form5",
                                             "Form6", "Form7", "frmAbout"};
static_assert(std::size(kWindowNames) == kCaptionWindows.size());

std::vector<CaptionEntry> Expand(std::span<const Row> rows) {
    std::vector<CaptionEntry> entries;
    for (const Row& row : rows) {
        if (!row.list) {
            entries.push_back({row.control, row.element, row.property, row.index, row.texts.chinese,
                               row.texts.english});
            continue;
        }
        for (int position = row.index; position < row.index + row.count; ++position) {
            entries.push_back({row.control, row.element, row.property, position,
                               ListItem(*row.list, position, Language::Chinese),
                               ListItem(*row.list, position, Language::English)});
        }
    }
    return entries;
}

struct WindowTables {
    std::vector<CaptionEntry> language;
    std::vector<CaptionEntry> fixed;
};

const WindowTables& TablesOf(WindowId window) {
    static const std::array<WindowTables, kCaptionWindows.size()> tables = [] {
        std::array<WindowTables, kCaptionWindows.size()> built;
        for (WindowId id : kCaptionWindows) {
            built[static_cast<std::size_t>(id)] = {Expand(caption_rows::LanguageRows(id)),
                                                   Expand(caption_rows::FixedRows(id))};
        }
        return built;
    }();
    static const WindowTables kNone;
    const auto index = static_cast<std::size_t>(window);
    return index < tables.size() ? tables[index] : kNone;
}

const CaptionEntry* FindEntry(const std::vector<CaptionEntry>& entries, std::string_view control,
                              CaptionProperty property, int index, int element) {
    for (const CaptionEntry& entry : entries) {
        if (entry.control == control && entry.element == element && entry.property == property &&
            entry.index == index) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view WindowName(WindowId window) {
    const auto index = static_cast<std::size_t>(window);
    return index < std::size(kWindowNames) ? kWindowNames[index] : std::string_view{};
}

const std::vector<CaptionEntry>& CaptionTable(WindowId window) {
    return TablesOf(window).language;
}

const std::vector<CaptionEntry>& FixedCaptions(WindowId window) {
    return TablesOf(window).fixed;
}

std::string_view Caption(WindowId window, std::string_view control, CaptionProperty property,
                         int index, Language language, int element) {
    const WindowTables& tables = TablesOf(window);
    for (const std::vector<CaptionEntry>* entries : {&tables.language, &tables.fixed}) {
        if (const CaptionEntry* entry = FindEntry(*entries, control, property, index, element)) {
            return entry->Text(language);
        }
    }
    return {};
}

}  // namespace qv
