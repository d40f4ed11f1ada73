#include "gui/mainwindow/port_status_line.h"

#include "gui/shell/captions.h"
#include "i18n/detect_texts.h"
#include "link/core/probe_report.h"

namespace qv {

PortStatusLine::PortStatusLine(Language language, QWidget* parent)
    : QLabel(parent), language_(language) {
    setObjectName(QStringLiteral("lblPortStatus"));
    hide();
}

void PortStatusLine::ShowAnswer(const PortName& port, const ProbeResult& answer) {
    looking_ = false;
    port_ = port;
    answer_ = answer;
    Refresh();
}

void PortStatusLine::ShowLooking() {
    looking_ = true;
    port_.reset();
    Refresh();
}

void PortStatusLine::Clear() {
    looking_ = false;
    port_.reset();
    Refresh();
}

std::optional<PortName> PortStatusLine::Port() const {
    return port_;
}

void PortStatusLine::SetLanguage(Language language) {
    language_ = language;
    Refresh();
}

void PortStatusLine::Refresh() {
    QString text;
    if (looking_) {
        text = ToQString(DetectText(DetectTextId::Finding, language_));
    } else if (port_) {
        text = ToQString(PortStatusText(answer_, *port_, language_));
    }
    setText(text);
    // What it says is what it is: a screen reader reads the line as its name.
    setAccessibleName(text);
    setVisible(!text.isEmpty());
}

}  // namespace qv
