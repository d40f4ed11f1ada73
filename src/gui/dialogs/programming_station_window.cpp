#include "gui/dialogs/programming_station_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

#include "gui/dialogs/station_counters.h"
#include "gui/dialogs/station_log_view.h"
#include "gui/dialogs/station_port_tile.h"
#include "gui/dialogs/station_port_view.h"
#include "gui/dialogs/station_values_box.h"
#include "gui/shell/captions.h"
#include "gui/shell/local_path.h"
#include "gui/shell/window_texts.h"
#include "i18n/msgbox.h"
#include "link/core/port_problem.h"
#include "link/core/serial_devices.h"
#include "link/qt/serial_port.h"
#include "state/bands.h"

namespace qv {
namespace {

using Id = StationWindowTextId;

// Ports side by side in the check list, and tiles side by side on the bench once there are more
// than a column holds well.
constexpr int kPortColumns = 2;
constexpr int kTilesInAColumn = 4;

// A reason told as a sentence ends in a stop; inside the state's sentence it is only a part.
std::string WithoutStop(std::string text) {
    for (const std::string_view stop : {std::string_view("."), std::string_view("\u3002")}) {
        while (text.ends_with(stop)) text.resize(text.size() - stop.size());
    }
    return text;
}

}  // namespace

ProgrammingStationWindow::ProgrammingStationWindow(const ProgramState& setup, std::string setupName,
                                                   std::filesystem::path backupFolder,
                                                   Host& messages, QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      setupName_(std::move(setupName)),
      defaultLog_(StationLogBeside(backupFolder)),
      messages_(messages),
      language_(CaptionLanguage(setup.LanguageIsEnglish)),
      station_(std::move(backupFolder)) {
    setObjectName(QStringLiteral("frmStation"));
    setWindowTitle(WindowText(Id::WindowTitle, language_));

    auto* intro = new QLabel(
        WindowText(Id::Intro, language_,
                   {setupName_.empty() ? StationWindowText(Id::Untitled, language_) : setupName_,
                    BandAt(setup_.Combo1).listText}));
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);

    ports_ = new QGroupBox(WindowText(Id::Ports, language_));
    ports_->setObjectName(QStringLiteral("fraPorts"));
    ports_->setAccessibleName(ports_->title());
    BuildPorts(*ports_, setup_.CommPortNumber);

    values_ = new StationValuesBox({setup_.EmbeddedInfo[0], setup_.EmbeddedInfo[1]}, messages_,
                                   language_);

    auto* logCaption = new QLabel(WindowText(Id::LogFile, language_));
    logCaption->setObjectName(QStringLiteral("lblLogFile"));
    log_ = new QLineEdit(QDir::toNativeSeparators(QtPath(defaultLog_)));
    log_->setObjectName(QStringLiteral("txtLogFile"));
    log_->setAccessibleName(FieldName(logCaption->text()));
    logCaption->setBuddy(log_);
    logBrowse_ = new QPushButton(WindowText(Id::LogBrowse, language_));
    logBrowse_->setObjectName(QStringLiteral("cmdLogBrowse"));
    connect(log_, &QLineEdit::editingFinished, this, [this] {
        if (!station_.IsRunning()) logView_->Load(LogPath());
    });
    connect(logBrowse_, &QPushButton::clicked, this, &ProgrammingStationWindow::BrowseLog);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(logCaption);
    logRow->addWidget(log_, 1);
    logRow->addWidget(logBrowse_);

    verify_ = new QCheckBox(WindowText(FleetTextId::Verify, language_));
    verify_->setObjectName(QStringLiteral("chkVerify"));
    verify_->setChecked(true);
    backupFirst_ = new QCheckBox(WindowText(FleetTextId::BackupFirst, language_));
    backupFirst_->setObjectName(QStringLiteral("chkBackupFirst"));
    backupFirst_->setChecked(true);
    otherBand_ = new QCheckBox(WindowText(FleetTextId::OtherBand, language_));
    otherBand_->setObjectName(QStringLiteral("chkOtherBand"));
    for (QCheckBox* box : {verify_, backupFirst_, otherBand_}) {
        box->setAccessibleName(WithoutAccelerator(box->text()));
    }

    auto* bench = new QGroupBox(WindowText(Id::Bench, language_));
    bench->setObjectName(QStringLiteral("fraBench"));
    bench->setAccessibleName(bench->title());
    // The tiles scroll rather than squeeze when a long reason needs more lines than the window
    // has: a layout gives a wrapped text its lines only inside a scroll area.
    auto* tiles = new QScrollArea;
    tiles->setObjectName(QStringLiteral("scrBench"));
    tiles->setFrameShape(QFrame::NoFrame);
    tiles->setWidgetResizable(true);
    tiles->setFocusPolicy(Qt::NoFocus);
    // Room for a tile's state on two lines, its bar and its details, before it scrolls.
    tiles->setMinimumHeight(tiles->fontMetrics().lineSpacing() * 10);
    auto* tilesPanel = new QWidget;
    bench_ = new QGridLayout(tilesPanel);
    bench_->setContentsMargins(0, 0, 0, 0);
    tiles->setWidget(tilesPanel);
    (new QVBoxLayout(bench))->addWidget(tiles);
    benchHint_ = new QLabel(WindowText(Id::BenchHint, language_));
    benchHint_->setObjectName(QStringLiteral("lblBenchHint"));
    benchHint_->setWordWrap(true);
    benchHint_->setAlignment(Qt::AlignCenter);
    bench_->addWidget(benchHint_, 0, 0);

    counters_ = new StationCounters(language_);

    logView_ = new StationLogView(language_);
    logView_->Load(defaultLog_);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setAccessibleName(WindowText(Id::StatusName, language_));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    start_ = new QPushButton(WindowText(FleetTextId::Start, language_));
    start_->setObjectName(QStringLiteral("cmdStart"));
    stop_ = new QPushButton(WindowText(FleetTextId::Stop, language_));
    stop_->setObjectName(QStringLiteral("cmdStop"));
    close_ = new QPushButton(WindowText(DesktopText::Close, language_));
    close_->setObjectName(QStringLiteral("cmdClose"));
    // No button is the default: Enter in a field never starts writing radios, Start is pressed
    // on purpose (Alt+S, or Space on it).
    for (QPushButton* button : {logBrowse_, start_, stop_, close_}) {
        button->setAccessibleName(WithoutAccelerator(button->text()));
        button->setAutoDefault(false);
    }
    connect(start_, &QPushButton::clicked, this, &ProgrammingStationWindow::StartStation);
    connect(stop_, &QPushButton::clicked, this, &ProgrammingStationWindow::StopPressed);
    connect(close_, &QPushButton::clicked, this, &ProgrammingStationWindow::reject);
    // The counters beside the buttons, under everything: the bench above gets the height.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(counters_);
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);

    // The choices on the left keep their width; the bench and the table of the last radios take
    // what the window has besides.
    auto* choicesPanel = new QWidget;
    auto* choices = new QVBoxLayout(choicesPanel);
    choices->setContentsMargins(0, 0, 0, 0);
    choices->addWidget(ports_);
    choices->addWidget(values_);
    choices->addLayout(logRow);
    choices->addWidget(verify_);
    choices->addWidget(backupFirst_);
    choices->addWidget(otherBand_);
    choices->addStretch(1);
    choicesPanel->setMinimumWidth(choicesPanel->sizeHint().width());
    auto* atWork = new QVBoxLayout;
    atWork->addWidget(bench, 1);
    atWork->addWidget(logView_);
    auto* top = new QHBoxLayout;
    top->addWidget(choicesPanel);
    top->addLayout(atWork, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(top, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    // Down the ports, the lines, the log and the choices, then the buttons and the table.
    QList<QWidget*> order;
    for (const PortRow& row : rows_) order << row.check;
    order << values_->TabOrder();
    order << log_ << logBrowse_ << verify_ << backupFirst_ << otherBand_ << start_ << stop_
          << close_ << logView_->Table();
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    station_.SetEventHandler(
        [this](std::size_t lane, StationEvent event) { PortEvent(lane, event); });
    station_.SetStoppingHandler([this] { StationStopping(); });
    station_.SetFinishedHandler([this] {
        // Told from inside the station's handling of a port; a message box waits until that is
        // over.
        QMetaObject::invokeMethod(this, &ProgrammingStationWindow::StationFinished,
                                  Qt::QueuedConnection);
    });

    RefreshControls();
    QWidget* first = start_;
    for (const PortRow& row : rows_) {
        if (row.hasDevice && (first == start_ || row.check->isChecked())) first = row.check;
        if (row.check->isChecked()) break;
    }
    first->setFocus();
    // A window to work at for hours: room for the bench and the table beside the choices, most
    // of the screen's height for the tiles.
    QSize size = sizeHint().expandedTo(QSize(choicesPanel->sizeHint().width() * 3, 0));
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableGeometry().size();
        size = size.expandedTo(room * 0.9).boundedTo(room * 0.95);
    }
    resize(size);
}

ProgrammingStationWindow::~ProgrammingStationWindow() {
    // A window destroyed under a run (the program quitting) ends its radios as the watchdog would.
    station_.StopNow();
}

void ProgrammingStationWindow::BuildPorts(QGroupBox& box, int chosenPort) {
    auto* grid = new QGridLayout(&box);
    const SystemRoots roots = SystemInUse();
    const PortLookup lookup = SystemPortLookup(roots);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        PortRow& row = rows_[i];
        const int port = static_cast<int>(i) + 1;
        const std::string device = ResolveComPort(port, lookup);
        const std::optional<SerialDevice> described =
            device.empty() ? std::nullopt : DescribeSerialDevice(device, roots);
        const std::string shown =
            PortMenuDevice(device, described ? described->usb : std::nullopt, language_);
        const std::string com = "COM" + std::to_string(port);
        // COM&1..COM&8: Alt and the port's digit check or clear it.
        row.check = new QCheckBox(QStringLiteral("COM&%1").arg(port));
        row.check->setObjectName(QStringLiteral("chkPort%1").arg(port));
        row.check->setAccessibleName(WindowText(FleetTextId::PortName, language_, {com, shown}));
        row.hasDevice = !device.empty();
        row.check->setChecked(row.hasDevice && port == chosenPort);
        row.device = new QLabel(ToQString(shown));
        row.device->setObjectName(QStringLiteral("lblDevice%1").arg(port));
        const int line = static_cast<int>(i) / kPortColumns;
        const int column = static_cast<int>(i) % kPortColumns * 2;
        grid->addWidget(row.check, line, column);
        grid->addWidget(row.device, line, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

std::filesystem::path ProgrammingStationWindow::LogPath() const {
    const QString text = log_->text().trimmed();
    return text.isEmpty() ? defaultLog_ : LocalPath(text);
}

void ProgrammingStationWindow::BrowseLog() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgLogFile"));
    dialog.setWindowTitle(WindowText(Id::LogDialogTitle, language_));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(WindowText(Id::LogFilter, language_));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // A log is added to, never written over: choosing one that is there asks nothing.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QtPath(LogPath()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    log_->setText(QDir::toNativeSeparators(dialog.selectedFiles().front()));
    logView_->Load(LogPath());
}

void ProgrammingStationWindow::StartStation() {
    if (station_.IsRunning()) return;
    // Each port looked up once, now, and kept for the run: a cable plugged in elsewhere never
    // points a port at another radio.
    std::vector<PortName> ports;
    std::map<std::string, int> devices;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i].hasDevice || !rows_[i].check->isChecked()) continue;
        const int number = static_cast<int>(i) + 1;
        const PortName port = ResolvePortText("COM" + std::to_string(number));
        if (!port.device.empty()) {
            const auto [named, fresh] = devices.emplace(port.device, number);
            if (!fresh) {
                ShowStatus(WindowText(Id::SameDevice, language_,
                                      {"COM" + std::to_string(named->second),
                                       "COM" + std::to_string(number), port.device}));
                return;
            }
        }
        ports.push_back(port);
    }
    if (ports.empty()) {
        ShowStatus(WindowText(FleetTextId::NothingChecked, language_));
        return;
    }
    std::optional<RadioValues> values = values_->CheckedValues();
    if (!values) return;

    StationOptions options;
    options.verify = verify_->isChecked();
    options.backupFirst = backupFirst_->isChecked();
    options.allowOtherBand = otherBand_->isChecked();
    options.log = LogPath();
    options.setupName = setupName_;
    logView_->Load(options.log);
    // The tiles stand before the station tells its first event.
    BuildTiles(ports);
    if (!station_.Start(ports, setup_, std::move(*values), options)) {
        BuildTiles({});
        messages_.LocalMsgBox(station_.LogFault()->Describe(language_) + "\n\n" +
                                  StationWindowText(Id::NotStarted, language_),
                              kStyleOkStop, "");
        return;
    }
    counters_->Show(station_.Tally());
    closeWhenFinished_ = false;
    if (station_.IsRunning()) {
        ShowStatus(WindowText(Id::Running, language_, {std::to_string(ports.size())}));
    }
    RefreshControls();
    if (station_.IsRunning()) stop_->setFocus();
}

void ProgrammingStationWindow::BuildTiles(const std::vector<PortName>& ports) {
    for (StationPortTile* tile : tiles_) delete tile;
    tiles_.clear();
    for (int column = 0; column < bench_->columnCount(); ++column) {
        bench_->setColumnStretch(column, 0);
    }
    benchHint_->setVisible(ports.empty());
    const int count = static_cast<int>(ports.size());
    const int rows = count > kTilesInAColumn ? (count + 1) / 2 : std::max(count, 1);
    for (int i = 0; i < count; ++i) {
        const PortName& port = ports[static_cast<std::size_t>(i)];
        auto* tile = new StationPortTile(
            port.number,
            WindowText(
                Id::PortCaption, language_,
                {PortShortName(port),
                 port.device.empty() ? FleetText(FleetTextId::NoDevice, language_) : port.device}),
            language_);
        bench_->addWidget(tile, i % rows, i / rows);
        bench_->setColumnStretch(i / rows, 1);
        tiles_.push_back(tile);
    }
}

void ProgrammingStationWindow::StopPressed() {
    if (!station_.IsRunning()) return;
    if (station_.Stopping() == StationStop::None) {
        station_.Stop();
    } else {
        // The station told its stopping once already; this is the window's to say.
        station_.StopNow();
        ShowStatus(WindowText(Id::StoppingNow, language_));
    }
    RefreshControls();
}

void ProgrammingStationWindow::StopTakingRadios() {
    station_.Stop();
    RefreshControls();
}

void ProgrammingStationWindow::reject() {
    if (!station_.IsRunning()) {
        QDialog::reject();
        return;
    }
    const int answer = messages_.LocalMsgBox(StationWindowText(Id::CloseQuestion, language_),
                                             kStyleYesNoQuestionDefaultNo, "");
    if (answer != kIdYes || !station_.IsRunning()) {
        // A station that ended meanwhile leaves the window as it is: its end is on the screen.
        return;
    }
    closeWhenFinished_ = true;
    station_.Stop();
    RefreshControls();
}

StationRun ProgrammingStationWindow::Run() const {
    return {{setup_.EmbeddedInfo[0], setup_.EmbeddedInfo[1]},
            setup_.Combo1,
            station_.Options().verify,
            language_};
}

void ProgrammingStationWindow::PortEvent(std::size_t lane, StationEvent event) {
    if (lane >= tiles_.size()) return;
    const StationPort& port = station_.Port(lane);
    if (const std::optional<PortView> view = ViewOfPort(port, event, Run())) {
        tiles_[lane]->Show(*view);
    }
    if (event != StationEvent::RadioEnded) return;
    const StationRadio& radio = *port.radio;
    const StationLogRow& row = *radio.row;
    const bool inLog = station_.Unrecorded().empty() || !(station_.Unrecorded().back() == row);
    logView_->Add(row, WhyNotWritten(radio, Run()), inLog);
    counters_->Show(station_.Tally());
    const StationCue& cue = CueFor(row.result);
    cues_.Play(cue);
    ShowStatus(WindowText(
        Id::RadioEndedCue, language_,
        {PortShortName(port.port), std::to_string(radio.number),
         ResultText(row.result, language_).toStdString(), StationWindowText(cue.name, language_)}));
}

void ProgrammingStationWindow::StationStopping() {
    switch (station_.Stopping()) {
        case StationStop::None:
            return;
        case StationStop::Asked:
            ShowStatus(WindowText(Id::Stopping, language_));
            break;
        case StationStop::AskedNow:
            ShowStatus(WindowText(Id::StoppingNow, language_));
            break;
        case StationStop::CountReached:
        case StationStop::ValuesUsedUp:
        case StationStop::LogFailed:
            ShowStatus(ToQString(WhyStopped()));
            break;
    }
    RefreshControls();
}

std::string ProgrammingStationWindow::WhyStopped() const {
    switch (station_.Stopping()) {
        case StationStop::None:
        case StationStop::Asked:
        case StationStop::AskedNow:
            break;
        case StationStop::CountReached:
            return StationText(StationTextId::CountReached, language_,
                               {std::to_string(station_.Options().count.value_or(0))});
        case StationStop::ValuesUsedUp:
            if (const std::optional<ValuesProblem> why = station_.ValuesUsedUpBecause()) {
                return StationText(StationTextId::CounterUsedUp, language_,
                                   {DescribeValuesProblem(*why, language_)});
            }
            return StationText(StationTextId::RosterUsedUp, language_,
                               {std::to_string(station_.ValuesWritten())});
        case StationStop::LogFailed:
            return StationText(StationTextId::LogFailedStopping, language_,
                               {station_.LogFault()->Describe(language_)});
    }
    return StationWindowText(Id::StoppedAsked, language_);
}

void ProgrammingStationWindow::StationFinished() {
    if (station_.IsRunning()) return;
    const StationTally tally = station_.Tally();
    const std::string summary =
        StationText(StationTextId::Summary, language_,
                    {std::to_string(tally.handled), std::to_string(tally.written),
                     std::to_string(tally.verified), std::to_string(tally.failed),
                     std::to_string(tally.skipped)});
    ShowStatus(WindowText(Id::Stopped, language_, {WithoutStop(WhyStopped()), summary}));
    RefreshControls();
    if (station_.Stopping() == StationStop::LogFailed) {
        // What the log could not take is not lost: the box names every radio it lacks.
        QStringList missing;
        for (const StationLogRow& row : station_.Unrecorded()) {
            std::string record = StationLogRecord(row);
            record.erase(record.find_last_not_of("\r\n") + 1);
            missing << ToQString(record);
        }
        messages_.LocalMsgBox(StationWindowText(Id::LogFailedBox, language_,
                                                {station_.LogFault()->Describe(language_),
                                                 missing.join(QLatin1Char('\n')).toStdString()}),
                              kStyleOkStop, "");
    }
    if (closeWhenFinished_) {
        QDialog::reject();
        return;
    }
    start_->setFocus();
}

void ProgrammingStationWindow::RefreshControls() {
    const bool idle = !station_.IsRunning();
    for (PortRow& row : rows_) row.check->setEnabled(idle && row.hasDevice);
    for (QWidget* choice : std::initializer_list<QWidget*>{values_, log_, logBrowse_, verify_,
                                                           backupFirst_, otherBand_, start_}) {
        choice->setEnabled(idle);
    }
    // Stop takes no more radios; once it has, the same button ends the radios being written.
    const bool stopping = !idle && station_.Stopping() != StationStop::None;
    stop_->setText(stopping ? WindowText(Id::StopNow, language_)
                            : WindowText(FleetTextId::Stop, language_));
    stop_->setAccessibleName(WithoutAccelerator(stop_->text()));
    stop_->setEnabled(!idle && station_.Stopping() != StationStop::AskedNow);
}

void ProgrammingStationWindow::ShowStatus(const QString& text) {
    status_->setText(text);
    // The label's name is what it is; a screen reader reads its text as the description.
    status_->setAccessibleDescription(text);
}

}  // namespace qv
