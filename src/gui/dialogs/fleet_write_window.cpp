#include "gui/dialogs/fleet_write_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "gui/shell/captions.h"
#include "gui/shell/window_texts.h"
#include "i18n/desktop_texts.h"
#include "link/qt/radio_report.h"
#include "link/qt/serial_port.h"
#include "state/bands.h"

namespace qv {
namespace {

enum Column { kPortColumn, kDeviceColumn, kProgressColumn, kResultColumn, kColumns };

QString ComLabel(std::size_t row) {
    return QStringLiteral("COM%1").arg(row + 1);
}

}  // namespace

FleetWriteWindow::FleetWriteWindow(const ProgramState& setup, const WriteOptions& options,
                                   std::filesystem::path backupFolder, QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      language_(CaptionLanguage(setup.LanguageIsEnglish)),
      fleet_(std::move(backupFolder)) {
    setObjectName(QStringLiteral("frmFleetWrite"));
    setWindowTitle(WindowText(FleetTextId::WindowTitle, language_));

    auto* intro =
        new QLabel(WindowText(FleetTextId::Intro, language_, {BandAt(setup_.Combo1).listText}));
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);

    auto* radios = new QGroupBox(WindowText(FleetTextId::Radios, language_));
    radios->setObjectName(QStringLiteral("fraRadios"));
    radios->setAccessibleName(WithoutAccelerator(radios->title()));
    auto* grid = new QGridLayout(radios);
    const FleetTextId heads[] = {FleetTextId::ColumnPort, FleetTextId::ColumnDevice,
                                 FleetTextId::ColumnProgress, FleetTextId::ColumnResult};
    for (int column = 0; column < kColumns; ++column) {
        auto* head =
            new QLabel(QStringLiteral("<b>%1</b>").arg(WindowText(heads[column], language_)));
        head->setObjectName(QStringLiteral("lblHead%1").arg(column));
        grid->addWidget(head, 0, column);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        PortRow& row = rows_[i];
        const QString port = ComLabel(i);
        const QString device = DeviceForComPort(static_cast<int>(i) + 1);
        const QString shown =
            device.isEmpty() ? WindowText(FleetTextId::NoDevice, language_) : device;
        // COM&1..COM&8: Alt and the port's digit check or clear it.
        row.check = new QCheckBox(QStringLiteral("COM&%1").arg(i + 1));
        row.check->setObjectName(QStringLiteral("chkPort%1").arg(i + 1));
        row.check->setAccessibleName(WindowText(FleetTextId::PortName, language_,
                                                {port.toStdString(), shown.toStdString()}));
        row.hasDevice = !device.isEmpty();
        row.device = new QLabel(shown);
        row.device->setObjectName(QStringLiteral("lblDevice%1").arg(i + 1));
        row.progress = new QProgressBar;
        row.progress->setObjectName(QStringLiteral("prgPort%1").arg(i + 1));
        row.progress->setAccessibleName(
            WindowText(FleetTextId::ProgressName, language_, {port.toStdString()}));
        row.progress->setRange(0, 1);
        row.progress->setValue(0);
        row.progress->setTextVisible(false);
        row.result = new QLabel;
        // A reason can be a sentence long: it wraps in its cell rather than widen the window.
        row.result->setWordWrap(true);
        row.result->setObjectName(QStringLiteral("lblResult%1").arg(i + 1));
        row.result->setAccessibleName(
            WindowText(FleetTextId::ResultName, language_, {port.toStdString()}));
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(row.check, line, kPortColumn);
        grid->addWidget(row.device, line, kDeviceColumn);
        grid->addWidget(row.progress, line, kProgressColumn);
        grid->addWidget(row.result, line, kResultColumn);
    }
    grid->setColumnStretch(kResultColumn, 1);
    grid->setColumnMinimumWidth(kProgressColumn, 120);
    grid->setColumnMinimumWidth(kResultColumn, 240);

    otherBand_ = new QCheckBox(WindowText(FleetTextId::OtherBand, language_));
    otherBand_->setObjectName(QStringLiteral("chkOtherBand"));
    verify_ = new QCheckBox(WindowText(FleetTextId::Verify, language_));
    verify_->setObjectName(QStringLiteral("chkVerify"));
    verify_->setChecked(options.verifyAfterWrite);
    backupFirst_ = new QCheckBox(WindowText(FleetTextId::BackupFirst, language_));
    backupFirst_->setObjectName(QStringLiteral("chkBackupFirst"));
    backupFirst_->setChecked(options.backupBeforeWrite);
    for (QCheckBox* box : {otherBand_, verify_, backupFirst_}) {
        box->setAccessibleName(WithoutAccelerator(box->text()));
    }

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setAccessibleName(WindowText(FleetTextId::SummaryName, language_));
    summary_->setWordWrap(true);

    start_ = new QPushButton(WindowText(FleetTextId::Start, language_));
    start_->setObjectName(QStringLiteral("cmdStart"));
    stop_ = new QPushButton(WindowText(FleetTextId::Stop, language_));
    stop_->setObjectName(QStringLiteral("cmdStop"));
    close_ = new QPushButton(WindowText(DesktopText::Close, language_));
    close_->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {start_, stop_, close_}) {
        button->setAccessibleName(WithoutAccelerator(button->text()));
        button->setAutoDefault(false);
    }
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &FleetWriteWindow::StartWriting);
    connect(stop_, &QPushButton::clicked, this, [this] { fleet_.Stop(); });
    connect(close_, &QPushButton::clicked, this, &FleetWriteWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(radios, 1);
    layout->addWidget(otherBand_);
    layout->addWidget(verify_);
    layout->addWidget(backupFirst_);
    layout->addWidget(summary_);
    layout->addLayout(buttons);

    // Down the ports, then the choices, then the buttons.
    QWidget* previous = rows_.front().check;
    for (QWidget* next : std::initializer_list<QWidget*>{
             rows_[1].check, rows_[2].check, rows_[3].check, rows_[4].check, rows_[5].check,
             rows_[6].check, rows_[7].check, otherBand_, verify_, backupFirst_, start_, stop_,
             close_}) {
        setTabOrder(previous, next);
        previous = next;
    }

    fleet_.SetStepHandler(
        [this](std::size_t radio, CheckedWriteStep step) { RadioStep(radio, step); });
    fleet_.SetProgressHandler([this](std::size_t radio, int maximum, int value) {
        RadioProgress(radio, maximum, value);
    });
    fleet_.SetRadioFinishedHandler([this](std::size_t radio) { RadioEnded(radio); });
    fleet_.SetFinishedHandler([this] { AllEnded(); });

    RefreshControls();
    for (const PortRow& row : rows_) {
        if (row.hasDevice) {
            row.check->setFocus();
            break;
        }
    }
    // Room for the longest result a radio can end with, so the window need not grow on its own.
    resize(sizeHint().expandedTo(QSize(760, 0)));
}

FleetWriteWindow::~FleetWriteWindow() {
    // A window destroyed under a run (the program quitting) leaves no radio half told.
    fleet_.Stop();
}

void FleetWriteWindow::reject() {
    if (fleet_.IsRunning()) return;
    QDialog::reject();
}

void FleetWriteWindow::StartWriting() {
    if (fleet_.IsRunning()) return;
    std::vector<std::string> devices;
    runPorts_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        PortRow& row = rows_[i];
        if (!row.hasDevice || !row.check->isChecked()) continue;
        devices.push_back(ComLabel(i).toStdString());
        runPorts_.push_back(i);
    }
    if (devices.empty()) {
        ShowSummary(WindowText(FleetTextId::NothingChecked, language_));
        return;
    }
    for (PortRow& row : rows_) {
        row.progress->setRange(0, 1);
        row.progress->setValue(0);
        ShowResult(row, {});
    }
    ShowSummary(WindowText(FleetTextId::Running, language_, {std::to_string(devices.size())}));
    FleetOptions options;
    options.allowOtherBand = otherBand_->isChecked();
    options.verify = verify_->isChecked();
    options.backupFirst = backupFirst_->isChecked();
    fleet_.Start(devices, setup_, options);
    // Each radio is written through the device its port stood for as the run started.
    for (std::size_t radio = 0; radio < fleet_.Count(); ++radio) {
        const std::string& device = fleet_.Port(radio).device;
        rows_[runPorts_[radio]].device->setText(
            device.empty() ? WindowText(FleetTextId::NoDevice, language_) : ToQString(device));
    }
    RefreshControls();
    if (fleet_.IsRunning()) stop_->setFocus();
}

void FleetWriteWindow::RadioStep(std::size_t radio, CheckedWriteStep step) {
    PortRow& row = rows_[runPorts_[radio]];
    row.progress->setRange(0, 1);
    row.progress->setValue(0);
    ShowResult(row, ToQString(StepText(step, language_)));
}

void FleetWriteWindow::RadioProgress(std::size_t radio, int maximum, int value) {
    QProgressBar* progress = rows_[runPorts_[radio]].progress;
    progress->setRange(0, std::max(maximum, 1));
    progress->setValue(std::min(value, progress->maximum()));
}

void FleetWriteWindow::RadioEnded(std::size_t radio) {
    PortRow& row = rows_[runPorts_[radio]];
    const FleetRadioEnd& end = *fleet_.End(radio);
    const CheckedWriteResult& result = end.result;
    QStringList parts;
    if (result.radioIdentified) parts << ToQString(BandAt(result.radioBand).listText);
    parts << ToQString(RadioResultText(result, language_));
    for (const std::string& more : {RadioVerifyText(result, fleet_.Options().verify, language_),
                                    RadioBackupText(result, language_)}) {
        if (!more.empty()) parts << ToQString(more);
    }
    // A reason told as a sentence ends in a stop; inside the line the parts are only separated.
    for (QString& part : parts) {
        while (part.endsWith(QLatin1Char('.')) || part.endsWith(QChar(0x3002))) part.chop(1);
    }
    parts << WindowText(FleetTextId::Seconds, language_,
                        {QString::number(end.seconds, 'f', 1).toStdString()});
    QString text = parts.join(WindowText(FleetTextId::ListSeparator, language_));
    // What keeps a port that did not open from working, each finding with its fix on a line.
    for (const std::string& finding : RadioPortFindings(result, language_)) {
        text += QLatin1Char('\n') + ToQString(finding);
    }
    if (result.WriteCompleted()) row.progress->setValue(row.progress->maximum());
    ShowResult(row, text);
}

void FleetWriteWindow::AllEnded() {
    const FleetTally tally = fleet_.Tally();
    ShowSummary(WindowText(FleetTextId::Summary, language_,
                           {std::to_string(tally.written), std::to_string(tally.verified),
                            std::to_string(tally.notWritten), std::to_string(fleet_.Count())}));
    RefreshControls();
    close_->setFocus();
}

void FleetWriteWindow::ShowSummary(const QString& text) {
    summary_->setText(text);
    // The label's name is what it is; a screen reader reads its text as the description.
    summary_->setAccessibleDescription(text);
}

void FleetWriteWindow::ShowResult(PortRow& row, const QString& text) {
    row.result->setText(text);
    row.result->setToolTip(text);
    row.result->setAccessibleDescription(text);
    // A window does not grow for the lines a wrapped text needs unless its row asks for them: the
    // label's height at the width it has is the row's least.
    row.result->setMinimumHeight(
        row.result->heightForWidth(std::max(row.result->width(), row.result->minimumWidth())));
}

void FleetWriteWindow::RefreshControls() {
    const bool idle = !fleet_.IsRunning();
    for (PortRow& row : rows_) {
        row.check->setEnabled(idle && row.hasDevice);
    }
    for (QWidget* choice :
         std::initializer_list<QWidget*>{otherBand_, verify_, backupFirst_, start_, close_}) {
        choice->setEnabled(idle);
    }
    stop_->setEnabled(!idle);
}

}  // namespace qv
