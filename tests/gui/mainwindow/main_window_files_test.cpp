// The file commands of the main window with the real file dialog: New, Open, Save.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

#include <fstream>
#include <iterator>

#include "gui/gui_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"

namespace qv {
namespace {

using test::FileDialogHand;
using test::GuiTest;
using test::MessageBoxHand;

std::string Contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class FileCommands : public GuiTest {
  protected:
    // A set-up file of band 450-490MHz with channel 3 in use.
    std::filesystem::path SampleFile(const std::string& name = "shop.DAT") {
        ProgramState sample = State();
        sample.Grid1[3] = {sample.Grid1[3][0],
                           "455.12500",
                           "67.0",
                           "455.12500",
                           "关闭",
                           "高",
                           "关闭",
                           "宽带",
                           "有"};
        sample.Combo1 = sample.BandIndex = 1;
        const ImageBytes image = EncodeImage(sample);
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary)
            << kDatSignature << std::string(image.begin(), image.end());
        return path;
    }
    QString Name(const std::filesystem::path& path) {
        return QString::fromStdString(path.string());
    }
};

TEST_F(FileCommands, OpenLoadsTheFileIntoEveryWindowAndTheTitleNamesIt) {
    Start();
    const std::filesystem::path sample = SampleFile();
    FileDialogHand files({Name(sample)});
    Action("mnuOpen")->trigger();
    EXPECT_EQ(files.Opened(), 1);
    EXPECT_EQ(State().Grid1[3][kColRxFrequency], "455.12500");
    EXPECT_EQ(Find<QTableView>("Grid1")->model()->index(2, 1).data().toString(),
              QStringLiteral("455.12500"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("450-490MHz"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QV-7100-") + Name(sample));
}

TEST_F(FileCommands, DamagedFilesAreExplainedAndChangeNothing) {
    Start(Parameters{0, 0, 1});
    const std::string good = Contents(SampleFile());
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
        QMessageBox::Icon icon;
    } cases[] = {
        {"lower.DAT", "plq82" + good.substr(5), "Document type not to open.", QMessageBox::NoIcon},
        {"short.DAT", good.substr(0, 700), "The file is too short", QMessageBox::Critical},
        {"empty.DAT", "", "Document type not to open.", QMessageBox::NoIcon},
    };
    for (const auto& c : cases) {
        std::ofstream(folder / c.name, std::ios::binary) << c.bytes;
        const qv::Setup before = State();
        FileDialogHand files({Name(folder / c.name)});
        MessageBoxHand hand({kIdOk});
        Action("mnuOpen")->trigger();
        ASSERT_EQ(hand.Seen().size(), 1u) << c.name;
        EXPECT_TRUE(hand.Seen()[0].text.startsWith(QString::fromUtf8(c.message)))
            << c.name << ": " << hand.Seen()[0].text.toStdString();
        EXPECT_EQ(hand.Seen()[0].icon, c.icon) << c.name;
        EXPECT_EQ(hand.Seen()[0].title, QStringLiteral("QV-7100")) << c.name;
        EXPECT_EQ(static_cast<const qv::Setup&>(State()), before) << c.name;
    }
}

TEST_F(FileCommands, CancelledDialogsDoNothing) {
    Start();
    FileDialogHand files({QString(), QString()});
    MessageBoxHand hand;
    Action("mnuOpen")->trigger();
    Action("mnuAssave")->trigger();
    EXPECT_EQ(files.Opened(), 2);
    EXPECT_TRUE(hand.Seen().empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "nothing saved";
}

TEST_F(FileCommands, SaveAsksBeforeReplacingAndNoReturnsToTheDialog) {
    Start();
    const std::filesystem::path existing = folder / "shop.DAT";
    std::ofstream(existing, std::ios::binary) << "old contents";
    // First the existing file (answered No), then a new name.
    FileDialogHand files({Name(existing), Name(folder / "other")});
    MessageBoxHand hand({kIdNo});
    Action("mnuAssave")->trigger();
    EXPECT_EQ(files.Opened(), 2) << "No shows the dialog again";
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("该文件已存在，是否覆盖？"));
    EXPECT_EQ(hand.Seen()[0].buttons, QStringList({"是", "否"}));
    EXPECT_EQ(Contents(existing), "old contents");
    const std::filesystem::path saved = folder / "other.DAT";
    const ImageBytes image = EncodeImage(State());
    EXPECT_EQ(Contents(saved),
              std::string(kDatSignature) + std::string(image.begin(), image.end()));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("QV-7100-") + QFileInfo(Name(saved)).absoluteFilePath());
}

TEST_F(FileCommands, AFailedSaveKeepsTheTitleAndSaysWhy) {
    Start(Parameters{0, 0, 1});
    const QString title = window->windowTitle();
    std::filesystem::create_directories(folder / "folder.DAT");
    FileDialogHand files({Name(folder / "missing" / "x.DAT")});
    MessageBoxHand hand({kIdOk});
    Action("mnuAssave")->trigger();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.contains(QStringLiteral("does not exist")))
        << hand.Seen()[0].text.toStdString();
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(FileCommands, FailuresSayWhyInChineseToo) {
    Start();
    std::ofstream(folder / "short.DAT", std::ios::binary) << Contents(SampleFile()).substr(0, 700);
    {
        FileDialogHand files({Name(folder / "short.DAT")});
        MessageBoxHand hand({kIdOk});
        Action("mnuOpen")->trigger();
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_TRUE(hand.Seen()[0].text.endsWith(QStringLiteral("未载入任何内容。（700 字节）")))
            << hand.Seen()[0].text.toStdString();
    }
    FileDialogHand files({Name(folder / "missing" / "x.DAT")});
    MessageBoxHand hand({kIdOk});
    Action("mnuAssave")->trigger();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.endsWith(QStringLiteral("：没有那个文件或文件夹）")))
        << hand.Seen()[0].text.toStdString();
}

// The texts of the buttons of the file dialog that the toolbar's Open button opens; the dialog
// is then cancelled.
QStringList OpenDialogButtons(QToolBar& toolbar, QAction& open) {
    QStringList texts;
    QTimer hand;
    hand.setInterval(5);
    QObject::connect(&hand, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        hand.stop();
        for (QAbstractButton* button :
             dialog->findChild<QDialogButtonBox*>()->findChildren<QAbstractButton*>()) {
            texts << button->text();
        }
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    hand.start();
    QWidget* button = toolbar.widgetForAction(&open);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    return texts;
}

// The items of a line edit's context menu, without their shortcuts.
QStringList ContextMenuOf(QLineEdit& edit) {
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text().section(QLatin1Char('\t'), 0, 0);
    return items;
}

TEST_F(FileCommands, QtsOwnTextsFollowTheLanguage) {
    const QString translation =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
    if (!QFileInfo::exists(translation)) {
        GTEST_SKIP() << "Qt's Chinese translation " << translation.toStdString()
                     << " is missing: scripts/install-deps.sh installs qt6-translations-l10n";
    }
    Start();
    auto* toolbar = Find<QToolBar>("Toolbar1");
    // A text box of the program: the embedded information's first line.
    Action("mnusetin")->trigger();
    QLineEdit& edit = *Window(QStringLiteral("Form7"))->findChild<QLineEdit*>();
    EXPECT_TRUE(OpenDialogButtons(*toolbar, *ToolbarAction(2)).contains(QStringLiteral("取消")));
    EXPECT_TRUE(ContextMenuOf(edit).contains(QStringLiteral("复制(&C)")))
        << ContextMenuOf(edit).join(QLatin1Char('|')).toStdString();

    Action("mnuEnglish")->trigger();
    EXPECT_TRUE(OpenDialogButtons(*toolbar, *ToolbarAction(2)).contains(QStringLiteral("Cancel")));
    EXPECT_TRUE(ContextMenuOf(edit).contains(QStringLiteral("&Copy")))
        << ContextMenuOf(edit).join(QLatin1Char('|')).toStdString();

    Action("mnuChinese")->trigger();
    EXPECT_TRUE(OpenDialogButtons(*toolbar, *ToolbarAction(2)).contains(QStringLiteral("取消")));
}

TEST_F(FileCommands, NewAsksAndEmptiesTheChannels) {
    Start(Parameters{0, 0, 1});
    State().Grid1[3][kColRxFrequency] = "455.12500";
    program->History().MarkUnchanged({});  // as a set-up just read: nothing to save first
    MessageBoxHand cancel({kIdCancel});
    Action("mnuNew")->trigger();
    ASSERT_EQ(cancel.Seen().size(), 1u);
    EXPECT_EQ(cancel.Seen()[0].text, QStringLiteral("All channel data will be clear."));
    EXPECT_EQ(cancel.Seen()[0].title, QStringLiteral("Warnning"));
    EXPECT_EQ(cancel.Seen()[0].defaultButtonId, kIdCancel);
    EXPECT_EQ(cancel.Seen()[0].icon, QMessageBox::Warning);
    EXPECT_FALSE(State().Grid1[3][kColRxFrequency].empty());

    MessageBoxHand ok({kIdOk});
    ToolbarAction(1)->trigger();
    EXPECT_TRUE(State().Grid1[3][kColRxFrequency].empty());
}

}  // namespace
}  // namespace qv
