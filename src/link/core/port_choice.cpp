#include "link/core/port_choice.h"

#include "i18n/language.h"
#include "i18n/msgbox.h"
#include "link/core/port_mapping.h"

namespace qv {

void ChoosePort(ProgramState& state, Host& host, PortControl& serial, int port) {
    if (port < 1 || port > kPortCount) return;
    if (!state.mnucomChecked[port]) {
        for (int other = 1; other <= kPortCount; ++other) {
            if (other != port) state.mnucomChecked[other] = false;
        }
    }
    serial.Reopen(port);
    if (serial.IsOpen()) {
        state.mnucomChecked[port] = true;
        state.CommPortNumber = port;
    } else {
        host.LocalMsgBox(
            PortOpenMessage(serial.LastOpenError(), {port, serial.DeviceName()},
                            MessageLanguage(state.LanguageIsEnglish), serial.Diagnose()),
            kStyleOkInformation, "");
    }
    serial.ApplyCommTimeouts(kProgrammingTimeouts);
}

}  // namespace qv
