// Looking for the radio: every COMn that stands for a device asked at once who answers, while the
// window stays in use; then the port where a QV-7100 answered chosen as its menu item chooses it
// (the user asked when radios answered on several), what answered on every port told, and the
// status line of the chosen port kept by every transfer after.
#include <QAction>

#include "gui/dialogs/radio_choice_window.h"
#include "gui/mainwindow/main_window.h"
#include "gui/mainwindow/port_status_line.h"
#include "i18n/detect_texts.h"
#include "i18n/msgbox.h"
#include "link/core/port_choice.h"
#include "link/core/probe_report.h"
#include "link/core/transfer_answer.h"

namespace qv {

void MainWindow::FindRadio() {
    if (RadioBusy()) return;
    const std::vector<PortName> ports = PortsToDetect();
    if (ports.empty()) {
        program_.MessageBox().LocalMsgBox(
            DetectText(DetectTextId::NoPortToProbe, MessageLanguage(state_.LanguageIsEnglish)),
            kStyleOkInformation, "");
        return;
    }
    // Held open by this window since it was chosen, the port would be found busy.
    reopenAfterFind_ = port_.IsOpen();
    port_.Close();
    transfer_ = RunningTransfer::Find;
    // What starts a transfer waits; what edits the set-up does not, as the look changes nothing
    // of it. A port chosen meanwhile would be opened under a probe.
    heldUntilTheResult_ = true;
    HoldTransferControls();
    for (int port = 1; port <= kPortCount; ++port) {
        portItems_[static_cast<std::size_t>(port)]->setEnabled(false);
    }
    portStatus_->ShowLooking();
    detection_.Start(ports);
}

void MainWindow::RadiosFound() {
    transfer_ = RunningTransfer::None;
    heldUntilTheResult_ = false;
    HoldTransferControls();
    for (int port = 1; port <= kPortCount; ++port) {
        portItems_[static_cast<std::size_t>(port)]->setEnabled(true);
    }
    ShowPortStatusOfLook();
    const std::vector<std::size_t> found = detection_.RadiosFound();
    std::optional<std::size_t> chosen;
    if (found.size() == 1) chosen = found.front();
    if (found.size() > 1) chosen = AskWhichRadio(found);
    if (chosen) {
        ChoosePort(state_, program_.MessageBox(), port_, detection_.Port(*chosen).number);
        program_.Changed(StatePart::Ports);
    } else if (reopenAfterFind_) {
        // As it was: open, as its last choice left it.
        port_.Reopen(state_.CommPortNumber);
    }
    ShowPortStatusOfLook();
    ShowWhatWasFound(found, chosen);
}

void MainWindow::ShowPortStatusOfLook() {
    portStatus_->Clear();
    for (std::size_t i = 0; i < detection_.Count(); ++i) {
        if (detection_.Port(i) == port_.Name()) {
            portStatus_->ShowAnswer(detection_.Port(i), detection_.End(i)->probe);
        }
    }
}

std::optional<std::size_t> MainWindow::AskWhichRadio(const std::vector<std::size_t>& found) {
    const Language language = CaptionLanguage(state_.LanguageIsEnglish);
    std::vector<std::string> lines;
    for (const std::size_t port : found) {
        lines.push_back(
            ProbeReportLine(detection_.End(port)->probe, detection_.Port(port), language));
    }
    RadioChoiceWindow window(lines, language, this);
    window.exec();
    const std::optional<std::size_t> chosen = window.Chosen();
    if (!chosen) return std::nullopt;
    return found.at(*chosen);
}

void MainWindow::ShowWhatWasFound(const std::vector<std::size_t>& found,
                                  std::optional<std::size_t> chosen) {
    const Language language = MessageLanguage(state_.LanguageIsEnglish);
    const std::string count = std::to_string(found.size());
    std::string headline;
    if (found.empty()) {
        headline = DetectText(DetectTextId::NoRadioFound, language);
    } else if (found.size() == 1) {
        headline = DetectText(DetectTextId::RadioFoundOn, language,
                              {PortLabel(detection_.Port(found.front()))});
    } else if (chosen) {
        headline = DetectText(DetectTextId::SeveralFoundChosen, language,
                              {count, PortLabel(detection_.Port(*chosen))});
    } else {
        headline = DetectText(DetectTextId::SeveralFoundNoneChosen, language, {count});
    }
    std::vector<std::string> lines;
    bool paragraphs = false;
    for (std::size_t i = 0; i < detection_.Count(); ++i) {
        lines.push_back(ProbeReportLine(detection_.End(i)->probe, detection_.Port(i), language));
        paragraphs = paragraphs || lines.back().find('\n') != std::string::npos;
    }
    // A line a port; a port told in paragraphs (what keeps it from working) stands apart.
    std::string details;
    for (const std::string& line : lines) {
        if (!details.empty()) details += paragraphs ? "\n\n" : "\n";
        details += line;
    }
    program_.MessageBox().LocalMsgBoxWithDetails(headline, details, kStyleOkInformation, "");
}

void MainWindow::ShowPortStatusAfter(RunningTransfer ended, TransferOutcome outcome) {
    const TransferDriver* driver = nullptr;
    if (ended == RunningTransfer::Read || ended == RunningTransfer::Compare) driver = &driver_;
    if (ended == RunningTransfer::Write) driver = radioWrite_.Driver();
    if (driver == nullptr) return;
    portStatus_->ShowAnswer(port_.Name(), AnswerOfTransfer(outcome, driver->Engine().Variables(),
                                                           port_.LastOpenError()));
}

}  // namespace qv
