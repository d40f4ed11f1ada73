// The status bar's line about the chosen port: what the program last learned of the radio on it
// (a look for the radio, or a transfer's identification), "COM3: QV-7100, 400-470MHz", or that it
// is looking. Kept as data and worded in the language shown, so that it follows a switch.
#pragma once

#include <QLabel>

#include <optional>

#include "i18n/language.h"
#include "link/core/port_problem.h"
#include "link/core/radio_probe.h"

namespace qv {

class PortStatusLine : public QLabel {
    Q_OBJECT

  public:
    explicit PortStatusLine(Language language, QWidget* parent = nullptr);

    // What answered on `port`.
    void ShowAnswer(const PortName& port, const ProbeResult& answer);
    // The program is looking for the radio on every port.
    void ShowLooking();
    // Nothing known: the line goes.
    void Clear();
    // The port the line tells about; none while it tells nothing of one.
    std::optional<PortName> Port() const;

    void SetLanguage(Language language);

  private:
    void Refresh();

    Language language_;
    bool looking_ = false;
    std::optional<PortName> port_;
    ProbeResult answer_;
};

}  // namespace qv
