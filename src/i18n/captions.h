// Caption tables: the texts every window shows, by control and property, in Chinese and English.
// A window's table lists the texts that follow the language, in the order they are applied; its
// fixed captions are the texts that read the same in both languages.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "i18n/language.h"

namespace qv {

enum class WindowId { Form1, Form2, Form4, Form5, Form6, Form7, About };

// The windows in the order the language switch treats them.
inline constexpr std::array<WindowId, 7> kCaptionWindows = {
    WindowId::Form1, WindowId::Form2, WindowId::Form4, WindowId::Form5,
    WindowId::Form6, WindowId::Form7, WindowId::About};

enum class CaptionProperty {
    WindowTitle,
    Caption,         // menu item, frame, label, check box, button
    ListItem,        // the item at position `index` of a drop-down list
    ToolTip,         // toolbar button number `index`, counted from 1
    GridHeader,      // header cell (row 0) of column `index`
    AccessibleName,  // what a screen reader calls a control that shows no caption of its own (on
                     // a toolbar: of its button `index`)
};

// Marks a control that is not an element of a control array.
inline constexpr int kNoElement = -1;

struct CaptionEntry {
    std::string_view control;  // control name: "mnuFile", "Label4", "Combo5" ...
    int element = kNoElement;  // index within a control array (Combo5 elements 5 to 8)
    CaptionProperty property = CaptionProperty::Caption;
    int index = 0;  // list position, toolbar button or grid column; 0 for the other properties
    std::string_view chinese;
    std::string_view english;

    std::string_view Text(Language language) const {
        return language == Language::English ? english : chinese;
    }
};

// The name the window has as a control: "Form1" ... "Form7", "frmAbout".
std::string_view WindowName(WindowId window);

// The texts of `window` that follow the language, in the order they are applied.
const std::vector<CaptionEntry>& CaptionTable(WindowId window);

// The texts of `window` that read the same in both languages (chinese equals english).
const std::vector<CaptionEntry>& FixedCaptions(WindowId window);

// The text of a control's property in `language`, from the window's caption table or its fixed
// captions; empty when neither names it.
std::string_view Caption(WindowId window, std::string_view control, CaptionProperty property,
                         int index, Language language, int element = kNoElement);

}  // namespace qv
