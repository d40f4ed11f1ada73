// The file commands of the main window with the real file dialog: New, Open, Save.
#include <QComboBox>
#include <QFileInfo>
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

TEST_F(FileCommands, OpenLoadsTheFileIntoEveryWindowWithoutChangingTheTitle) {
    Start();
    const QString title = window->windowTitle();
    FileDialogHand files({Name(SampleFile())});
    Action("mnuOpen")->trigger();
    EXPECT_EQ(files.Opened(), 1);
    EXPECT_EQ(State().Grid1[3][kColRxFrequency], "455.12500");
    EXPECT_EQ(Find<QTableView>("Grid1")->model()->index(2, 1).data().toString(),
              QStringLiteral("455.12500"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("450-490MHz"));
    EXPECT_EQ(window->windowTitle(), title);
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

TEST_F(FileCommands, NewAsksAndEmptiesTheChannels) {
    Start(Parameters{0, 0, 1});
    State().Grid1[3][kColRxFrequency] = "455.12500";
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
