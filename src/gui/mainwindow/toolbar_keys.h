// The main window's toolbar: its buttons by key, in order, and what each key does.
#pragma once

#include <array>
#include <string_view>

namespace qv {

enum class ToolbarCommand { New, Open, Save, Read, Write, Relock, None };

struct ToolbarButton {
    int number;            // 1-based, as the tooltips count them
    std::string_view key;  // empty for the separator
    ToolbarCommand command;
    bool visibleAtStart;
};

inline constexpr std::array<ToolbarButton, 7> kToolbarButtons = {{
    {1, "new", ToolbarCommand::New, true},
    {2, "open", ToolbarCommand::Open, true},
    {3, "save", ToolbarCommand::Save, true},
    {4, "", ToolbarCommand::None, true},  // separator
    {5, "read", ToolbarCommand::Read, true},
    {6, "write", ToolbarCommand::Write, true},
    {7, "TAnMa", ToolbarCommand::Relock, false},  // shown by the service sequence
}};

// The command of a clicked button's key, compared exactly; any other key does nothing.
constexpr ToolbarCommand CommandOfKey(std::string_view key) {
    for (const ToolbarButton& button : kToolbarButtons) {
        if (!button.key.empty() && button.key == key) return button.command;
    }
    return ToolbarCommand::None;
}

}  // namespace qv
