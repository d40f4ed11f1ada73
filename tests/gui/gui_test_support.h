// What the GUI tests share: a started program with its main window in a folder of its own, and
// a hand that answers the next message box the way a user would, by clicking one of its buttons.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gui/mainwindow/main_window.h"
#include "gui/shell/captions.h"
#include "gui/shell/program.h"
#include "rules/program/parameter_file.h"
#include "sim/pty_server.h"
#include "support/program_folder.h"

namespace qv::test {

// What a message box showed.
struct SeenBox {
    QString text;
    QString title;
    QStringList buttons;  // captions, left to right as added
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int defaultButtonId = 0;
    QString details;              // the informative text under the message
    bool overAnotherBox = false;  // another message box was showing when it opened
};

// Answers message boxes as they open: each with the next identifier of `answers` (1 OK ... 7 No),
// recording what it showed. Boxes beyond the answers are closed with their first button, and a
// box without the button its answer names with its Cancel or No (else its first), so a test
// never hangs on an unexpected box; `Seen()` tells about it.
class MessageBoxHand : public QObject {
  public:
    explicit MessageBoxHand(std::vector<int> answers = {}) : answers_(std::move(answers)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }
    // An answer given late: the box is left open until a later box has been answered, and then,
    // if it still shows, gets button `id`, as from a user who answers after the program moved on.
    static constexpr int Late(int id) { return -id; }

    void Answer(int id) { answers_.push_back(id); }
    const std::vector<SeenBox>& Seen() const { return seen_; }
    // Late answers given to boxes that still showed.
    int LateAnswers() const { return lateAnswers_; }

  private:
    void Poll() {
        AnswerLateBox();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // A box answered once is marked: the next box may be made at the same address.
        if (box == nullptr || !box->isVisible() || box->property("qvAnswered").toBool()) return;
        box->setProperty("qvAnswered", true);
        SeenBox seen{
            box->text(),         box->windowTitle(), {}, box->icon(), 0, box->informativeText(),
            AnotherBoxShows(box)};
        QAbstractButton* chosen = nullptr;
        const int wanted = next_ < answers_.size() ? answers_[next_] : 0;
        ++next_;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            const int id = button->property("qvButtonId").toInt();
            if (button == static_cast<QAbstractButton*>(box->defaultButton())) {
                seen.defaultButtonId = id;
            }
            if (id == wanted || (wanted == 0 && chosen == nullptr)) chosen = button;
        }
        for (QAbstractButton* button : box->buttons()) {
            const int id = button->property("qvButtonId").toInt();
            if (chosen == nullptr && wanted > 0 && (id == 2 || id == 7)) chosen = button;
        }
        if (chosen == nullptr && wanted > 0 && !box->buttons().isEmpty()) {
            chosen = box->buttons().front();
        }
        seen_.push_back(seen);
        if (wanted < 0) {
            lateBox_ = box;
            lateId_ = -wanted;
            laterAnswered_ = false;
            return;
        }
        if (chosen != nullptr) QMetaObject::invokeMethod(chosen, "click", Qt::QueuedConnection);
        laterAnswered_ = true;
    }

    void AnswerLateBox() {
        if (lateBox_ == nullptr || !laterAnswered_) return;
        QMessageBox* box = lateBox_;
        lateBox_ = nullptr;
        if (!box->isVisible()) return;
        for (QAbstractButton* button : box->buttons()) {
            if (button->property("qvButtonId").toInt() != lateId_) continue;
            ++lateAnswers_;
            QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
        }
    }

    static bool AnotherBoxShows(const QMessageBox* box) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* other = qobject_cast<QMessageBox*>(window);
            if (other != nullptr && other != box && other->isVisible()) return true;
        }
        return false;
    }

    std::vector<int> answers_;
    std::size_t next_ = 0;
    std::vector<SeenBox> seen_;
    QPointer<QMessageBox> lateBox_;
    int lateId_ = 0;
    bool laterAnswered_ = false;
    int lateAnswers_ = 0;
    QTimer timer_;
};

// Answers file dialogs as they open: each with the next file name of `names` (typed into the
// dialog and accepted), or cancels it when the name is empty or none is left. Where `types` names
// a file type for the dialog, it is chosen first from the dialog's list of types with the arrow
// keys, as a user chooses it.
class FileDialogHand : public QObject {
  public:
    explicit FileDialogHand(std::vector<QString> names, std::vector<QString> types = {})
        : names_(std::move(names)), types_(std::move(types)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }
    int Opened() const { return opened_; }
    // The title of each dialog answered, in order.
    const QStringList& Titles() const { return titles_; }
    // The file types each dialog offered, in order.
    const std::vector<QStringList>& Types() const { return offered_; }

  private:
    void Poll() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->property("qvAnswered").toBool()) {
            return;
        }
        dialog->setProperty("qvAnswered", true);
        titles_ << dialog->windowTitle();
        offered_.push_back(dialog->nameFilters());
        const QString name =
            opened_ < static_cast<int>(names_.size()) ? names_[opened_] : QString();
        const QString type =
            opened_ < static_cast<int>(types_.size()) ? types_[opened_] : QString();
        ++opened_;
        if (!name.isEmpty() && !type.isEmpty()) ChooseType(*dialog, type);
        if (name.isEmpty()) {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }

    static void ChooseType(QFileDialog& dialog, const QString& type) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (types == nullptr) return;
        types->setFocus();
        for (int k = 0; k < types->count() && types->currentText() != type; ++k) {
            QTest::keyClick(types, Qt::Key_Down);
        }
    }

    std::vector<QString> names_;
    std::vector<QString> types_;
    int opened_ = 0;
    QStringList titles_;
    std::vector<QStringList> offered_;
    QTimer timer_;
};

// A program started in a folder of its own (the parameter file lives there), its main window
// shown.
class GuiTest : public ::testing::Test {
  protected:
    std::filesystem::path folder;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("qv-gui-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        window.reset();
        program.reset();
        if (radio) radio->Stop();
        qunsetenv("QV7100_COM1");
        std::filesystem::remove_all(folder);
    }

    // A virtual radio holding `image`, of band `band`, on a pseudo-terminal that COM1 stands for.
    std::unique_ptr<PtyServer> radio;
    // With `paced`, its bytes take the time they would on the radio's 9600-baud line.
    void StartRadio(std::span<const std::uint8_t> image, int band, RadioFault fault = {},
                    bool paced = false) {
        radio = std::make_unique<PtyServer>(VirtualRadio(image, band, fault), paced);
        std::string error;
        ASSERT_TRUE(radio->Start(&error)) << error;
        qputenv("QV7100_COM1", QByteArray::fromStdString(radio->DevicePath()));
    }

    // Waits until the transfer started last has ended and its result has blinked out, so that the
    // controls are back as the user gets them: the read command comes back last.
    bool TransferDone(int milliseconds = 15000) {
        return QTest::qWaitFor([&] { return Action("mnureadFre")->isEnabled(); }, milliseconds);
    }
    // Waits until the status bar says `text`, as a transfer's end says it.
    bool StatusSays(const QString& text, int milliseconds = 15000) {
        return QTest::qWaitFor([&] { return Find<QWidget>("Label")->property("text") == text; },
                               milliseconds);
    }

    // A program in a build folder: no installed data folder beside it.
    ProgramPaths Paths() const { return ProgramPathsIn(QString::fromStdString(folder.string())); }

    // Starts the program as a user would, with `stored` in its parameter file.
    void Start(std::optional<Parameters> stored = std::nullopt) {
        if (stored) {
            ASSERT_TRUE(WriteParameterFile(folder / kParameterFileName, *stored).ok());
        }
        program = std::make_unique<Program>(Paths());
        window = std::make_unique<MainWindow>(*program);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    ProgramState& State() { return program->State(); }

    // A control of the main window (or of a dialog) by its control name.
    template <typename T = QWidget>
    T* Find(const QString& name, QWidget* root = nullptr) {
        QWidget* in = root != nullptr ? root : window.get();
        if (in->objectName() == name) return qobject_cast<T*>(in);
        return in->findChild<T*>(name);
    }
    QAction* Action(const QString& name) { return window->findChild<QAction*>(name); }
    // A window of the program by its name (Form2 ... Form7, frmAbout), once the program has made
    // it: the settings windows are windows of their own, without an owner.
    QWidget* Window(const QString& name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name) return top;
        }
        return nullptr;
    }
    // The action of toolbar button `number` (1-based), shared with its menu item if it has one.
    QAction* ToolbarAction(int number) {
        for (QAction* action : Find<QToolBar>(QStringLiteral("Toolbar1"))->actions()) {
            if (action->property(kToolbarButtonProperty).toInt() == number) return action;
        }
        return nullptr;
    }
};

}  // namespace qv::test
