// Every program-wide value of the tool, as plain fields named after the variables and controls
// they stand for. The windows show this state; they own none of their own.
//
// The values fall in two groups. The set-up is what travels in the memory image, with the
// dialogs' working copies: a plain value that can be copied (undo) and compared (unsaved changes,
// verify after a write), and that decoding an image produces without touching anything else. The
// session is how this run of the program stands: language, serial port, lock, calibration access
// and the enabled state of the frames.
//
// Dialog controls are kept as records beside the held values because a dialog's controls are a
// working copy: OK copies them into the held values, the decoder writes both at once, and the
// user may have edited a control without confirming it.
#pragma once

#include <array>
#include <string>

#include "state/bands.h"

namespace qv {

inline constexpr int kChannelCount = 48;
inline constexpr int kGridColumns = 9;   // column 0 is the channel label, 1..8 the channel row
inline constexpr int kNoSelection = -1;  // a list with no selected item
inline constexpr int kEmbeddedInfoChars = 32;  // each line of embedded information

// Channel grid columns.
enum GridColumn : int {
    kColRxFrequency = 1,
    kColRxTone = 2,
    kColTxFrequency = 3,
    kColTxTone = 4,
    kColPower = 5,
    kColBusyLockout = 6,
    kColBandwidth = 7,
    kColScan = 8,
};

// Grid1: rows 0..48 (0 is the header), columns 0..8, all cell texts (UTF-8).
using ChannelGrid = std::array<std::array<std::string, kGridColumns>, kChannelCount + 1>;
// ChannelFlags(channel 1..48, column 2..11): the list position shown in a list-valued cell.
using ChannelFlagTable = std::array<std::array<int, 12>, kChannelCount + 1>;

// Transmit-power calibration window. Its value labels always show the sliders' values.
struct CalibrationControls {
    int Slider1 = 0;  // high power
    int Slider3 = 0;  // low power

    friend bool operator==(const CalibrationControls&, const CalibrationControls&) = default;
};

// Test-frequency window: mfgrid1 rows 0..16, columns 0..2.
struct ServiceFrequenciesControls {
    std::array<std::array<std::string, 3>, 17> mfgrid1;

    friend bool operator==(const ServiceFrequenciesControls&, const ServiceFrequenciesControls&) = default;
};

// Optional-functions dialog. Lists hold a 0-based position, check boxes 0 or 1.
struct OptionalFunctionsControls {
    int Combo0 = kNoSelection;   // DTMF rate
    int Combo1 = kNoSelection;   // current channel (no held copy)
    int Combo2 = kNoSelection;   // call answer (no held copy)
    int Combo3 = kNoSelection;   // work group (no held copy)
    int Combo4 = kNoSelection;   // PTT ID
    int Combo6 = kNoSelection;   // VOX function
    int Combo7 = kNoSelection;   // VOX gain level
    int Combo8 = kNoSelection;   // VOX delay
    int Combo9 = kNoSelection;   // VOX volume control
    int Combo10 = kNoSelection;  // remote alarm
    int Combo11 = kNoSelection;  // priority mode
    int Combo12 = kNoSelection;  // priority channel
    int Combo13 = kNoSelection;  // retrace time A
    int Combo14 = kNoSelection;  // retrace time B
    int Combo15 = kNoSelection;  // return channel
    int Combo16 = kNoSelection;  // first-digit time
    int Combo17 = kNoSelection;  // '*' and '#' tone duration
    int Combo18 = kNoSelection;  // first-digit delay
    int Combo19 = kNoSelection;  // D-key setting
    int Combo20 = kNoSelection;  // DTMF sidetone
    int Combo21 = kNoSelection;  // auto-reset timer
    int Combo22 = kNoSelection;  // group call code
    int Check3 = 0;              // cancel operation
    int Check4 = 0;              // VOX banned while receiving
    std::string Text5;           // scan receive resume delay
    std::string Text6;           // scan transmit resume delay
    int VScroll1 = 0;
    int VScroll2 = 0;
    // DTMF code grid mfgrid1, rows 0..8, columns 0..1.
    std::array<std::array<std::string, 2>, 9> mfgrid1;
    // The channel (1..16) found when the priority mode was last set to "fixed"; 0 before.
    int FixedPriorityChannel = 0;

    friend bool operator==(const OptionalFunctionsControls&, const OptionalFunctionsControls&) = default;
};

// Key-assignment dialog: Combo[1..10] are the lists Combo1..Combo10 (index 0 unused).
struct KeyAssignmentControls {
    std::array<int, 11> Combo{};

    friend bool operator==(const KeyAssignmentControls&, const KeyAssignmentControls&) = default;
};

// Embedded-information dialog.
struct EmbeddedInfoControls {
    std::string Text1;
    std::string Text2;

    friend bool operator==(const EmbeddedInfoControls&, const EmbeddedInfoControls&) = default;
};

// What travels in the memory image, and the dialogs' working copies of it.
struct Setup {
    // --- main window ---
    ChannelGrid Grid1;
    ChannelFlagTable ChannelFlags{};

    int Combo1 = 0;             // band list position: the band shown
    int BandIndex = 0;          // position of the band the channel table belongs to
    int Combo2 = kNoSelection;  // voice-prompt language
    int Combo3 = kNoSelection;  // transmit time-out
    int Combo4 = kNoSelection;  // time-out pre-alert
    int Combo6 = kNoSelection;  // battery saver
    int Combo7 = kNoSelection;  // key beep
    int Combo9 = kNoSelection;  // squelch level

    // --- held values ---
    // OptionValue[2] (first-digit delay) is held in milliseconds: the image byte is a tenth of it
    // and the dialog's list shows it in 50 ms steps from 100 ms.
    std::array<int, 8> OptionValue{};
    std::array<std::string, 24> OptionText;
    std::array<std::string, 8> DtmfCodes;
    std::array<int, 10> KeyFunctionCodes{};
    int PowerHighLevel = 0;
    int PowerLowLevel = 0;
    // TestFrequencyTable[0][i] receive, [1][i] transmit frequency of test channel i + 1.
    std::array<std::array<std::string, 16>, 2> TestFrequencyTable;
    std::array<std::string, 2> EmbeddedInfo;
    std::string CommPassword;

    // --- dialogs' controls ---
    CalibrationControls Form2;
    ServiceFrequenciesControls Form4;
    OptionalFunctionsControls Form5;
    KeyAssignmentControls Form6;
    EmbeddedInfoControls Form7;

    // The channel frequencies the grid accepts follow the band shown, also when the user declined
    // to clear the table for it.
    int BandLowMHz() const { return BandAt(Combo1).lowMHz; }    // inclusive
    int BandHighMHz() const { return BandAt(Combo1).highMHz; }  // exclusive

    friend bool operator==(const Setup&, const Setup&) = default;
};

// How far the optional-functions dialog's hidden service sequence has come. Completing its click
// pattern opens calibration access; closing access clears it.
struct ServiceSequence {
    int matched = 0;         // clicks of the pattern matched so far
    int startedAtMs = 0;     // time of day of the pattern's first click, ms since midnight
    bool completed = false;  // the pattern was completed; further clicks in its time repeat it

    friend bool operator==(const ServiceSequence&, const ServiceSequence&) = default;
};

// How this run of the program stands.
struct Session {
    int LanguageIsEnglish = 0;  // 0 Chinese, 1 English; other values come only from foreign files
    int CommPortNumber = 0;     // 1..8, 0 when no port was ever chosen
    // Check marks of the port menu items COM1..COM8 (index 0 unused); none at start-up.
    std::array<bool, 9> mnucomChecked{};

    bool mnulockChecked = false;  // edit lock
    bool Frame1Enabled = true;    // band frame
    bool Frame2Enabled = true;    // function-settings frame
    bool Grid1Enabled = true;

    // Calibration access: the write sends the calibration block only while it is open. Decoding an
    // image closes it without disabling the sliders or hiding the service button.
    bool CalibrationUnlocked = false;
    bool Form2SlidersEnabled = false;
    bool ServiceButtonVisible = false;  // toolbar button 7, "TAnMa"
    ServiceSequence Form5Sequence;
    // The service button's last single click: whole seconds since midnight, 0 when none.
    int ServiceButtonClickSeconds = 0;

    friend bool operator==(const Session&, const Session&) = default;
};

// Both groups; code that needs only one takes it by its own type (`const Setup&`), and a copy of
// the set-up is `Setup copy = state;`.
struct ProgramState : Setup, Session {};

// True when the channel row holds a channel (its receive-frequency cell is not empty).
inline bool ChannelInUse(const Setup& setup, int row) {
    return !setup.Grid1[row][kColRxFrequency].empty();
}

}  // namespace qv
