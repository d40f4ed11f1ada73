// Building the main window and showing the state in it.
#include "gui/mainwindow/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "gui/dialogs/about_window.h"
#include "gui/dialogs/calibration_window.h"
#include "gui/dialogs/embedded_info_dialog.h"
#include "gui/dialogs/key_assignment_dialog.h"
#include "gui/dialogs/optional_functions_dialog.h"
#include "gui/dialogs/service_frequencies_dialog.h"
#include "gui/mainwindow/band_list.h"
#include "gui/mainwindow/channel_grid_editors.h"
#include "gui/mainwindow/channel_grid_view.h"
#include "gui/mainwindow/port_status_line.h"
#include "gui/mainwindow/toolbar_icons.h"
#include "gui/shell/captions.h"
#include "gui/shell/clickable_label.h"
#include "gui/shell/list_controls.h"
#include "gui/shell/web_link.h"
#include "i18n/list_items.h"
#include "link/core/port_mapping.h"
#include "link/core/port_problem.h"
#include "link/core/serial_devices.h"
#include "rules/channels/band_rules.h"
#include "rules/channels/settings_frame.h"
#include "rules/program/unsaved_changes.h"
#include "state/bands.h"

namespace qv {
namespace {

// How deep the window's layouts nest: a list in a frame, in the side column, in the window.
constexpr int kLayoutLevels = 4;

// How each dialog is made. The settings dialogs are windows of their own, without an owner; the
// About box belongs to the main window.
struct DialogMaker {
    WindowId window;
    DialogWindow* (*make)(Program& program, QWidget& owner);
};
constexpr DialogMaker kDialogMakers[] = {
    {WindowId::Form2,
     [](Program& program, QWidget&) -> DialogWindow* { return new CalibrationWindow(program); }},
    {WindowId::Form4,
     [](Program& program, QWidget&) -> DialogWindow* {
         return new ServiceFrequenciesDialog(program);
     }},
    {WindowId::Form5,
     [](Program& program, QWidget&) -> DialogWindow* {
         return new OptionalFunctionsDialog(program);
     }},
    {WindowId::Form6,
     [](Program& program, QWidget&) -> DialogWindow* { return new KeyAssignmentDialog(program); }},
    {WindowId::Form7,
     [](Program& program, QWidget&) -> DialogWindow* { return new EmbeddedInfoDialog(program); }},
    {WindowId::About,
     [](Program& program, QWidget& owner) -> DialogWindow* {
         return new AboutWindow(program, &owner);
     }},
};

QLabel* LabelFor(const std::string_view name, QWidget* buddy) {
    auto* label = new QLabel;
    label->setObjectName(ToQString(name));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

MainWindow::MainWindow(Program& program)
    : program_(program),
      state_(program.State()),
      driver_(program.State(), program.MessageBox(), port_, *this),
      radioWrite_(program, port_, *this),
      gridModel_(program.State()) {
    setObjectName(QStringLiteral("Form1"));
    program_.MessageBox().SetOwner(this);
    driver_.SetStateChangedHandler([this](Changes changes) { program_.Changed(changes); });
    connect(&program_, &Program::StateChanged, this, &MainWindow::Refresh);
    connect(&program_.History(), &SetupHistory::Moved, this, [this] {
        RefreshTitle();
        RefreshEditCommands();
    });

    BuildCommands();
    BuildToolbar();
    BuildCentralWidget();
    BuildStatusBar();
    ApplyFixedCaptions(*this, WindowId::Form1);
    ApplyCaptionTable(*this, WindowId::Form1, CaptionLanguage(state_.LanguageIsEnglish));
    RefreshTitle();
    RefreshWriteOptions();
    Refresh(Changes::WholeSetup() | StatePart::Lock | StatePart::Ports | StatePart::Calibration);
    RefreshPortItems();
    resize(SizeToShowTheChannels());
    grid_->setFocus();
    // The application's quit (a session's end) is seen before it closes any window.
    QCoreApplication::instance()->installEventFilter(this);
}

QSize MainWindow::SizeToShowTheChannels() const {
    // Every column and as many channel rows as the screen allows; never larger than the screen,
    // where the grid scrolls instead.
    QSize size = sizeHint();
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    return size;
}

MainWindow::~MainWindow() {
    QCoreApplication::instance()->removeEventFilter(this);
    program_.MessageBox().SetOwner(nullptr);
    // The settings dialogs are windows without an owner; the main window still ends them.
    for (auto& [window, dialog] : dialogs_) {
        if (dialog->parent() == nullptr) delete dialog;
    }
}

DialogWindow& MainWindow::Dialog(WindowId window) {
    if (const auto made = dialogs_.find(window); made != dialogs_.end()) return *made->second;
    DialogWindow* dialog = nullptr;
    for (const DialogMaker& maker : kDialogMakers) {
        if (maker.window == window) dialog = maker.make(program_, *this);
    }
    dialogs_[window] = dialog;
    if (heldWithTheTransfer_ || heldUntilTheResult_) HoldTransferControls();
    return *dialog;
}

// Every command's one action, placed in its menu; the toolbar takes its own from them.
void MainWindow::BuildCommands() {
    std::map<std::string_view, QMenu*> menus;
    for (const std::string_view name : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(ToQString(name));
        menus[name] = menu;
    }
    portMenu_ = menus.at("mnucom");
    for (const CommandRow& row : kCommands) {
        QMenu* menu = row.menu.empty() ? nullptr : menus.at(row.menu);
        if (row.command == Command::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = MakeAction(row);
        if (menu != nullptr) menu->addAction(action);
    }
    // The port items tell which device each stands for, looked up when the menu opens.
    connect(portMenu_, &QMenu::aboutToShow, this, &MainWindow::RefreshPortItems);
    detection_.SetFinishedHandler([this] {
        // Told from inside the detection's own handling of a port's end; the questions and the
        // message it ends with come once that is over.
        QMetaObject::invokeMethod(this, &MainWindow::RadiosFound, Qt::QueuedConnection);
    });
}

QAction* MainWindow::MakeAction(const CommandRow& row) {
    auto* action = new QAction(this);
    action->setObjectName(ToQString(row.name));
    action->setCheckable(row.checkable);
    action->setVisible(row.visible);
    QList<QKeySequence> keys;
    for (const std::string_view key : {row.shortcut, row.alternateShortcut}) {
        if (!key.empty()) keys << QKeySequence(ToQString(key));
    }
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, &row] { Run(row); });
    if (row.command == Command::Port) {
        portItems_[static_cast<std::size_t>(row.port)] = action;
    } else {
        actions_[row.command] = action;
    }
    if (row.command == Command::Help) {
        // A hidden item takes no keys; the window's own shortcut brings F1 to it.
        auto* f1 = new QShortcut(action->shortcut(), this);
        connect(f1, &QShortcut::activated, action, &QAction::trigger);
    }
    return action;
}

void MainWindow::BuildToolbar() {
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(32, 32));
    // Pictures only: the caption a button shares with its menu item is its accessible name.
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int number = 1; number <= kToolbarButtons; ++number) {
        const CommandRow* row = ToolbarButton(number);
        if (row == nullptr) {
            toolbar_->addSeparator()->setProperty(kToolbarButtonProperty, number);
            continue;
        }
        QAction* action = Action(row->command);
        action->setIcon(ToolbarIcon(row->command));
        action->setIconVisibleInMenu(false);
        action->setProperty(kToolbarButtonProperty, number);
        action->setProperty("qvKey", ToQString(row->button.key));
        toolbar_->addAction(action);
    }
}

void MainWindow::BuildCentralWidget() {
    const Language language = CaptionLanguage(state_.LanguageIsEnglish);
    grid_ = new ChannelGridView(gridModel_);
    new ChannelGridEditors(program_, *grid_);  // Text1, Combo8 and Combo5 live in the grid

    frame1_ = new QGroupBox;
    frame1_->setObjectName(QStringLiteral("Frame1"));
    combo1_ = new BandList;
    combo1_->setObjectName(QStringLiteral("Combo1"));
    for (const Band& band : kBands) combo1_->addItem(ToQString(band.listText));
    combo1_->SetOpenHandler([this] { program_.Changed(OpenBandList(state_)); });
    connect(combo1_, &QComboBox::activated, this, &MainWindow::ChooseBand);
    auto* bandLayout = new QHBoxLayout(frame1_);
    bandLayout->addWidget(LabelFor("Label3", combo1_));
    bandLayout->addWidget(combo1_, 1);

    frame2_ = new QGroupBox;
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* settingsLayout = new QGridLayout(frame2_);
    for (std::size_t k = 0; k < kSettingsLists.size(); ++k) {
        const SettingsList& row = kSettingsLists[k];
        auto* combo = new FittingList;
        combo->setObjectName(ToQString(row.list));
        FillList(*combo, row.items, language);
        connect(combo, &QComboBox::activated, this, [this, &row](int position) {
            program_.Changed(ChooseSetting(state_, row, position));
        });
        settings_[k] = combo;
        settingsLayout->addWidget(LabelFor(row.label, combo), static_cast<int>(k), 0);
        settingsLayout->addWidget(combo, static_cast<int>(k), 1);
    }
    settingsLayout->setColumnStretch(1, 1);

    auto* rights = new ClickableLabel;
    rights->setObjectName(QStringLiteral("Label2"));
    rights->setToolTip(QString::fromLatin1(kProjectWebAddress));
    connect(rights, &ClickableLabel::clicked, this, [] { OpenProjectWebPage(); });

    auto* side = new QVBoxLayout;
    side->addWidget(frame1_);
    side->addWidget(frame2_);
    side->addStretch(1);
    // The grid is as wide as its columns and no wider; its width counts the vertical scroll bar,
    // which is therefore always there, so that no strip is left blank beside the last column.
    // A window wider than that widens the frames.
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    auto* top = new QHBoxLayout;
    top->addWidget(grid_);
    top->addLayout(side, 1);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top, 1);
    layout->addWidget(rights);
    setCentralWidget(central);

    setTabOrder(grid_, combo1_);
    QWidget* previous = combo1_;
    for (QComboBox* combo : settings_) {
        setTabOrder(previous, combo);
        previous = combo;
    }
    setTabOrder(previous, rights);
}

void MainWindow::BuildStatusBar() {
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("Label"));
    status_->hide();
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->hide();
    statusBar()->addWidget(status_, 1);
    statusBar()->addWidget(radioWrite_.ResultLine());
    statusBar()->addPermanentWidget(progress_, 1);
    portStatus_ = new PortStatusLine(MessageLanguage(state_.LanguageIsEnglish));
    statusBar()->addPermanentWidget(portStatus_);
}

void MainWindow::Refresh(Changes changes) {
    if (changes.Has(StatePart::Language)) ApplyLanguage();
    if (changes.Has(StatePart::Grid)) gridModel_.CellsChanged();
    if (changes.Has(StatePart::Band)) RefreshBandFrame();
    if (changes.Has(StatePart::Settings)) RefreshSettingsFrame();
    if (changes.Has(StatePart::Lock)) RefreshLock();
    if (changes.Has(StatePart::Ports)) RefreshPortMenu();
    if (changes.Has(StatePart::Calibration)) {
        Action(Command::Relock)->setVisible(state_.ServiceButtonVisible);
    }
}

void MainWindow::ApplyLanguage() {
    // A flag the program never stores leaves every window as it is.
    const int flag = state_.LanguageIsEnglish;
    if (flag != 0 && flag != 1) return;
    const Language language = CaptionLanguage(flag);
    ApplyCaptionTable(*this, WindowId::Form1, language);
    RefreshTitle();
    // A dialog made later comes up in the language then shown.
    for (auto& [window, dialog] : dialogs_) dialog->ApplyLanguage(language);
    if (statusMessage_) {
        status_->setText(ToQString(MessageText(*statusMessage_, MessageLanguage(flag))));
    }
    portStatus_->SetLanguage(MessageLanguage(flag));
    RefreshPortItems();
    // The captions of the other language are wider or narrower: the window takes the width a
    // start in this language gives it, neither clipping them nor leaving a strip beside the
    // grid. The height stays as the user has it.
    if (isVisible() && !isMaximized() && !isFullScreen()) {
        // The new captions' sizes pass up the layouts one level per round (the lists, the
        // frames, the window); done now, the window's size is not taken from the old ones.
        for (int level = 0; level < kLayoutLevels; ++level) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        resize(SizeToShowTheChannels().width(), height());
    }
}

void MainWindow::RefreshBandFrame() {
    ShowListPosition(*combo1_, state_.Combo1);
}

void MainWindow::RefreshSettingsFrame() {
    for (std::size_t k = 0; k < kSettingsLists.size(); ++k) {
        ShowListPosition(*settings_[k], state_.*kSettingsLists[k].position);
    }
}

void MainWindow::RefreshLock() {
    Action(Command::Lock)->setChecked(state_.mnulockChecked);
    frame1_->setEnabled(state_.Frame1Enabled);
    // The function settings and the grid: as a transfer and the lock both allow.
    HoldTransferControls();
}

void MainWindow::RefreshTitle() {
    const SetupHistory& history = program_.History();
    const std::string_view caption =
        Caption(WindowId::Form1, WindowName(WindowId::Form1), CaptionProperty::WindowTitle, 0,
                CaptionLanguage(state_.LanguageIsEnglish));
    setWindowTitle(ToQString(MainWindowTitle(caption, history.File(), history.Modified())));
}

void MainWindow::RefreshEditCommands() {
    QUndoStack& steps = program_.History().Stack();
    const bool held = Held(HoldEnds::WithTheTransfer);
    Action(Command::Undo)->setEnabled(!held && steps.canUndo());
    Action(Command::Redo)->setEnabled(!held && steps.canRedo());
    // Pasting is typing: the lock and a transfer hold it as they hold the grid.
    Action(Command::Paste)->setEnabled(!held && state_.Grid1Enabled);
}

void MainWindow::RefreshPortMenu() {
    for (int port = 1; port <= kPortCount; ++port) {
        portItems_[static_cast<std::size_t>(port)]->setChecked(
            state_.mnucomChecked[static_cast<std::size_t>(port)]);
    }
}

void MainWindow::RefreshPortItems() {
    const SystemRoots roots = SystemInUse();
    const PortLookup lookup = SystemPortLookup(roots);
    const Language language = CaptionLanguage(state_.LanguageIsEnglish);
    for (const CommandRow& row : kCommands) {
        if (row.command != Command::Port) continue;
        const std::string device = ResolveComPort(row.port, lookup);
        const std::optional<SerialDevice> described =
            device.empty() ? std::nullopt : DescribeSerialDevice(device, roots);
        const QString shown =
            ToQString(PortMenuDevice(device, described ? described->usb : std::nullopt, language));
        // The caption as its table gives it, then the device: "COM1(&1)" stays what it always
        // was and keeps its key. (In the column a menu keeps for keys, Qt would widen the menu
        // by the devices' width once more.)
        QAction* item = portItems_[static_cast<std::size_t>(row.port)];
        item->setText(
            ToQString(Caption(WindowId::Form1, row.name, CaptionProperty::Caption, 0, language)) +
            QStringLiteral("  ") + shown);
        item->setStatusTip(QStringLiteral("COM%1: %2").arg(row.port).arg(shown));
    }
}

}  // namespace qv
