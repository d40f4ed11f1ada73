// Calibration access: opened by a hidden click pattern on three labels of the optional-functions
// dialog, closed by a double click on the main window's service button ("TAnMa"). While it is
// open the calibration window's sliders move and a write sends the calibration block.
#pragma once

#include <array>

#include "state/changes.h"
#include "state/program_state.h"

namespace qv {

// The three labels of the optional-functions dialog that take part in the pattern.
enum class ServiceLabel {
    Label14,  // priority
    Label17,  // retrace time A
    Label18,  // return channel
};

// The pattern, completed within kServiceWindowMs of its first click.
inline constexpr std::array<ServiceLabel, 6> kServicePattern = {
    ServiceLabel::Label14, ServiceLabel::Label18, ServiceLabel::Label17,
    ServiceLabel::Label17, ServiceLabel::Label18, ServiceLabel::Label14,
};
inline constexpr int kServiceWindowMs = 5000;

// A click on one of the labels at `nowMs` (ms since midnight). A click that does not continue the
// pattern in time starts it anew; completing it opens access, and while the time lasts every
// further click opens it again (after a read has closed it, say). Nothing is ever shown.
Changes ClickServiceLabel(Session& session, ServiceLabel label, int nowMs);

// Shows the service button, enables the calibration sliders and opens access.
Changes OpenCalibrationAccess(Session& session);

// Forgets the pattern's progress, disables the sliders, closes access and hides the button.
Changes CloseCalibrationAccess(Session& session);

// A click on the service button at `nowMs`. Two clicks less than a second apart close access; the
// button keeps the time of a single click rounded to whole seconds, so that time may lie up to
// half a second after the click itself.
Changes ClickServiceButton(Session& session, int nowMs);

}  // namespace qv
