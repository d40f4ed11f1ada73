#include "link/core/port_choice.h"

#include "i18n/language.h"
#include "i18n/messages.h"
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
        const Language language = MessageLanguage(state.LanguageIsEnglish);
        const std::string text = serial.LastOpenError() == PortOpenError::NoPermission
                                     ? PortPermissionMessage(serial.DeviceName(), language)
                                     : PortBusyMessage(port, language);
        host.LocalMsgBox(text, kStyleOkInformation, "");
    }
    serial.ApplyCommTimeouts(kProgrammingTimeouts);
}

}  // namespace qv
