// What waits while a transfer runs: every control whose result would change the set-up that a
// read is about to replace or a write is sending. A file opened during a read would be replaced
// by the radio's set-up when the read ends; a band, a setting or a dialog's values taken during a
// write would be shown but not written. The controls come back when the transfer has ended.
//
// Not held: Save, which changes nothing and saves the set-up as shown when it is chosen (a user
// who started a read by mistake can still keep what was on the screen); the lock, the ports, the
// languages, help, About and Quit; Copy, Export channels, Print and Export PDF, which only read it.
#pragma once

#include <string_view>

#include "i18n/captions.h"

namespace qv {

struct TransferHold {
    WindowId window;
    std::string_view control;  // the control's name in that window
};

inline constexpr TransferHold kTransferHolds[] = {
    {WindowId::Form1, "mnuNew"},
    {WindowId::Form1, "mnuOpen"},
    {WindowId::Form1, "mnuImportCsv"},
    {WindowId::Form1, "mnuRestoreBackup"},
    // Undo, Redo and Paste also wait; the main window holds them with what else decides them.
    {WindowId::Form1, "mnuUndo"},
    {WindowId::Form1, "mnuRedo"},
    {WindowId::Form1, "mnuPaste"},
    {WindowId::Form1, "mnureadFre"},
    {WindowId::Form1, "mnuwriteFre"},
    // The Programming menu: reading, writing, comparing, writing several radios and the settings
    // dialogs.
    {WindowId::Form1, "mnupro"},
    // The service button: calibration access decides which blocks a write sends.
    {WindowId::Form1, "Toolbar1Button7"},
    {WindowId::Form1, "Combo1"},
    {WindowId::Form1, "Frame2"},
    {WindowId::Form1, "Grid1"},
    // The dialogs stay open to look at; their OK waits.
    {WindowId::Form2, "Command1"},
    {WindowId::Form4, "Command1"},
    {WindowId::Form5, "Command1"},
    {WindowId::Form6, "Command1"},
    {WindowId::Form7, "Command1"},
};

}  // namespace qv
