// The main window as a user meets it: start-up, captions in both languages, menus, toolbar,
// band question, lock, settings frame.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <map>

#include "gui/gui_test_support.h"
#include "gui/shell/web_link.h"
#include "i18n/msgbox.h"
#include "rules/program/dat_file.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::GuiTest;
using test::MessageBoxHand;

QStringList MenuNames(QMenu* menu) {
    QStringList names;
    for (QAction* action : menu->actions()) {
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    return names;
}

TEST_F(GuiTest, FirstStartIsChineseUnlockedWithTheDefaults) {
    Start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QV-7100 对讲机编程软件 V1.00"));
    EXPECT_EQ(Find<QMenu>("mnuFile")->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("400-470MHz"));
    const struct {
        const char* list;
        const char* text;
    } lists[] = {{"Combo2", "中文"}, {"Combo3", "30 秒"}, {"Combo4", "关闭"},
                 {"Combo9", "5 级"}, {"Combo6", "使能"},  {"Combo7", "使能"}};
    for (const auto& l : lists) {
        EXPECT_EQ(Find<QComboBox>(l.list)->currentText(), QString::fromUtf8(l.text)) << l.list;
    }
    EXPECT_EQ(Find<QComboBox>("Combo3")->count(), 40);
    EXPECT_EQ(Find<QComboBox>("Combo3")->itemText(39), QStringLiteral("600 秒"));
    EXPECT_FALSE(Action("mnulock")->isChecked());
    EXPECT_TRUE(Find<QTableView>("Grid1")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("Label")->isVisible());
    EXPECT_FALSE(Find<QWidget>("ProgressBar1")->isVisible());
}

TEST_F(GuiTest, MenusAndToolbarInTheirOrder) {
    Start();
    EXPECT_EQ(
        MenuNames(Find<QMenu>("mnuFile")),
        QStringList({"mnuNew", "mnuOpen", "mnuAssave", "-", "mnuImportCsv", "mnuExportCsv", "-",
                     "mnuRestoreBackup", "-", "mnuPrint", "mnuExportPdf", "-", "mnuQuit"}));
    EXPECT_EQ(MenuNames(Find<QMenu>("mnuEdit")),
              QStringList({"mnuUndo", "mnuRedo", "-", "mnuCopy", "mnuPaste"}));
    EXPECT_EQ(MenuNames(Find<QMenu>("mnupro")),
              QStringList({"mnureadFre", "mnuwriteFre", "mnuVerifyWrite", "mnuBackupFirst", "-",
                           "mnuCompare", "mnuFleetWrite", "mnuStation", "-", "mnudtmf",
                           "Key_enactment", "mnusetin", "mnudebug", "mnutestfre"}));
    EXPECT_EQ(MenuNames(Find<QMenu>("mnucom")),
              QStringList({"mnuFindRadio", "-", "mnucom1", "mnucom2", "mnucom3", "mnucom4",
                           "mnucom5", "mnucom6", "mnucom7", "mnucom8"}));
    // The caption as its table gives it; what the port stands for follows.
    EXPECT_TRUE(Action("mnucom3")->text().startsWith(QStringLiteral("COM3(&3)  ")))
        << Action("mnucom3")->text().toStdString();
    EXPECT_EQ(Action("mnuFindRadio")->text(), QStringLiteral("查找对讲机(&F)"));
    EXPECT_EQ(Action("mnuFindRadio")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(Action("mnureadFre")->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    EXPECT_EQ(Action("mnuwriteFre")->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_EQ(Action("mnuStation")->text(), QStringLiteral("编程工作站(&P)…"));
    EXPECT_EQ(Action("mnuStation")->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    EXPECT_EQ(Action("mnuUndo")->shortcuts(),
              QList<QKeySequence>({QKeySequence::fromString("Ctrl+Z")}));
    EXPECT_EQ(Action("mnuRedo")->shortcuts(),
              QList<QKeySequence>(
                  {QKeySequence::fromString("Ctrl+Y"), QKeySequence::fromString("Ctrl+Shift+Z")}));
    EXPECT_FALSE(Action("mnumainhelp")->isVisible());
    EXPECT_TRUE(Action("mnulock")->isCheckable());

    QStringList keys;
    for (QAction* action : Find<QToolBar>("Toolbar1")->actions()) {
        keys << (action->isSeparator() ? QStringLiteral("-")
                                       : action->property("qvKey").toString());
    }
    EXPECT_EQ(keys, QStringList({"new", "open", "save", "-", "read", "write", "TAnMa", "-", "undo",
                                 "redo"}));
    EXPECT_FALSE(Action("Toolbar1Button7")->isVisible());
    EXPECT_EQ(ToolbarAction(5)->toolTip(), QStringLiteral("读频"));
}

TEST_F(GuiTest, EnglishFromTheParameterFileAndBackByTheMenu) {
    Start(Parameters{0, 0, 1});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QV-7100 Radio Software V1.00"));
    EXPECT_EQ(Action("mnuEnglish")->text(), QStringLiteral("Englist"));
    EXPECT_EQ(Action("mnudtmf")->text(), QStringLiteral("Optional function "));
    EXPECT_EQ(Find<QComboBox>("Combo9")->currentText(), QStringLiteral("5 Group"));
    EXPECT_EQ(ToolbarAction(6)->toolTip(), QStringLiteral("Write frequency"));
    EXPECT_EQ(Find<QTableView>("Grid1")->model()->headerData(7, Qt::Horizontal).toString(),
              QStringLiteral("Band"));

    Find<QComboBox>("Combo3")->setCurrentIndex(5);  // a position the user chose, kept below
    State().Combo3 = 5;
    Action("mnuChinese")->trigger();
    EXPECT_EQ(State().LanguageIsEnglish, 0);
    EXPECT_EQ(Find<QComboBox>("Combo3")->currentText(), QStringLiteral("90 秒"));
    EXPECT_EQ(Find<QTableView>("Grid1")->model()->headerData(7, Qt::Horizontal).toString(),
              QStringLiteral("宽\\窄带"));
    EXPECT_FALSE(Action("mnuChinese")->isChecked()) << "no check marks on language items";
}

TEST_F(GuiTest, AForeignLanguageFlagShowsChineseAndEnglishMessages) {
    Start(Parameters{0, 0, 2});
    EXPECT_EQ(Find<QMenu>("mnuFile")->title(), QStringLiteral("文件(&F)"));
    Action("mnuEnglish")->trigger();
    Action("mnuChinese")->trigger();
    EXPECT_EQ(State().LanguageIsEnglish, 2) << "neither command acts";
    MessageBoxHand hand({kIdCancel});
    Find<QComboBox>("Combo1")->setFocus();
    QTest::keyClick(Find<QComboBox>("Combo1"), Qt::Key_Down);
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("Change frequency channel list will remove, sure?"));
    EXPECT_EQ(hand.Seen()[0].buttons, QStringList({"確定", "取消"})) << "traditional captions";
}

TEST_F(GuiTest, ChangingTheBandAsksAndOkClearsTheChannels) {
    Start();
    State().Grid1[1][kColRxFrequency] = "435.00000";
    MessageBoxHand hand({kIdOk});
    auto* combo = Find<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);  // 450-490MHz, the list closed
    ASSERT_EQ(hand.Seen().size(), 1u);
    const test::SeenBox& box = hand.Seen()[0];
    EXPECT_EQ(box.title, QStringLiteral("注意！"));
    EXPECT_EQ(box.buttons, QStringList({"确定", "取消"}));
    EXPECT_EQ(box.defaultButtonId, kIdCancel);
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_TRUE(State().Grid1[1][kColRxFrequency].empty());
    EXPECT_EQ(State().BandIndex, 1);
    EXPECT_EQ(State().BandLowMHz(), 450);
}

// Presses and releases the left button on item `position` of a combo box's open list.
void ChooseFromOpenList(QComboBox& combo, int position) {
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 2000));
    const QPoint item = list->visualRect(list->model()->index(position, 0)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, item);
}

TEST_F(GuiTest, CancellingTheBandQuestionKeepsTheTablesBandShownEnforcedAndSaved) {
    Start();
    State().Grid1[1][kColRxFrequency] = "435.00000";
    auto* combo = Find<QComboBox>("Combo1");
    MessageBoxHand hand({kIdCancel, kIdCancel, kIdCancel});
    combo->setFocus();
    // The arrow keys with the list closed: each step asks, and Cancel goes back each time.
    for (const std::size_t asked : {1u, 2u}) {
        QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(hand.Seen().size(), asked);
        EXPECT_EQ(combo->currentText(), QStringLiteral("400-470MHz")) << asked;
        EXPECT_EQ(State().Combo1, 0) << asked;
        EXPECT_EQ(State().BandLowMHz(), 400) << asked;
        EXPECT_EQ(State().BandHighMHz(), 470) << asked;
    }
    // The open list, 370-390MHz pressed and released.
    ChooseFromOpenList(*combo, 3);
    ASSERT_EQ(hand.Seen().size(), 3u);
    EXPECT_EQ(combo->currentText(), QStringLiteral("400-470MHz"));
    EXPECT_EQ(State().BandIndex, 0);
    EXPECT_EQ(State().Grid1[1][kColRxFrequency], "435.00000");

    const std::filesystem::path path = folder / "after-cancel.DAT";
    test::FileDialogHand files({QString::fromStdString(path.string())});
    QWidget* save = Find<QToolBar>("Toolbar1")->widgetForAction(ToolbarAction(3));
    QTest::mousePress(save, Qt::LeftButton);
    QTest::mouseRelease(save, Qt::LeftButton);
    ImageBytes image{};
    ASSERT_TRUE(ReadDatFile(path, image).ok());
    test::ScriptedHost quiet;
    ProgramState saved = StartupState(quiet);
    saved.Combo1 = saved.BandIndex = 5;
    (void)DecodeImageBytes(image, saved, quiet);
    EXPECT_EQ(saved.BandIndex, 0) << "the file holds the band of its channels";
    EXPECT_EQ(saved.Grid1[1][kColRxFrequency], "435.00000");
}

TEST_F(GuiTest, LockDisablesTheFramesAndTheGridAndSurvivesARestart) {
    Start();
    Action("mnulock")->trigger();
    EXPECT_TRUE(Action("mnulock")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>("Frame1")->isEnabled());
    EXPECT_FALSE(Find<QGroupBox>("Frame2")->isEnabled());
    EXPECT_FALSE(Find<QTableView>("Grid1")->isEnabled());
    window->close();
    EXPECT_EQ(ReadParameterFile(folder / kParameterFileName), (Parameters{1, 0, 0}));

    window.reset();
    program.reset();
    Start();
    EXPECT_TRUE(Action("mnulock")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>("Frame1")->isEnabled());
    EXPECT_FALSE(Find<QTableView>("Grid1")->isEnabled());
    Action("mnulock")->trigger();
    EXPECT_TRUE(Find<QGroupBox>("Frame1")->isEnabled());
    EXPECT_TRUE(Find<QTableView>("Grid1")->isEnabled());
}

TEST_F(GuiTest, SettingsListsTakeTheUsersChoice) {
    Start();
    auto* combo = Find<QComboBox>("Combo9");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(State().Combo9, 6);
    EXPECT_EQ(combo->currentText(), QStringLiteral("6 级"));
}

TEST_F(GuiTest, ControlsAreNamedForScreenReaders) {
    Start(Parameters{0, 0, 1});
    EXPECT_EQ(Find<QComboBox>("Combo1")->accessibleName(), QStringLiteral("Channel"));
    EXPECT_EQ(Find<QComboBox>("Combo4")->accessibleName(), QStringLiteral("Time-out Warn"));
    Action("mnuChinese")->trigger();
    EXPECT_EQ(Find<QComboBox>("Combo4")->accessibleName(), QStringLiteral("发射超时预警"));
}

TEST_F(GuiTest, SettingsWindowsAndTheAboutBoxAreAnnouncedAsDialogsByTheirTitles) {
    Start();
    for (const char* item :
         {"mnudebug", "mnutestfre", "mnudtmf", "Key_enactment", "mnusetin", "mnuabout"}) {
        Action(item)->trigger();
    }
    const auto expectDialogs = [&](Language language) {
        for (const WindowId id : kCaptionWindows) {
            if (id == WindowId::Form1) continue;
            const std::string_view name = WindowName(id);
            QWidget& dialog = *Window(ToQString(name));
            const QString title =
                ToQString(Caption(id, name, CaptionProperty::WindowTitle, 0, language));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&dialog);
            ASSERT_NE(accessible, nullptr) << name;
            EXPECT_EQ(accessible->role(), QAccessible::Dialog) << name;
            EXPECT_EQ(accessible->text(QAccessible::Name), title) << name;
            EXPECT_FALSE(title.isEmpty()) << name;
        }
    };
    expectDialogs(Language::Chinese);
    Action("mnuEnglish")->trigger();
    expectDialogs(Language::English);
    Action("mnuChinese")->trigger();
    expectDialogs(Language::Chinese);
}

// A dialog is made the first time it is opened, in the language shown then.
TEST_F(GuiTest, ADialogOpenedFirstAfterALanguageSwitchComesUpInThatLanguage) {
    Start();
    EXPECT_EQ(Window(QStringLiteral("Form7")), nullptr) << "nothing made before it is opened";
    Action("mnuEnglish")->trigger();
    Action("mnusetin")->trigger();
    QWidget* dialog = Window(QStringLiteral("Form7"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(),
              ToQString(Caption(WindowId::Form7, "Form7", CaptionProperty::WindowTitle, 0,
                                Language::English)));
    EXPECT_NE(dialog->windowTitle(),
              ToQString(Caption(WindowId::Form7, "Form7", CaptionProperty::WindowTitle, 0,
                                Language::Chinese)));
}

// What a screen reader calls the toolbar's buttons (by key; the hidden service button too), the
// menus and their visible items (by control name).
struct AccessibleNames {
    std::map<QString, QString> buttons;
    std::map<QString, QString> menuItems;
};

QString NameOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

AccessibleNames NamesOf(QMainWindow& window) {
    AccessibleNames names;
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    for (QAction* action : toolbar->actions()) {
        if (action->isSeparator()) continue;
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        names.buttons[action->property("qvKey").toString()] =
            button != nullptr ? NameOf(button) : QString();
    }
    // A menu's accessible children are its items in order; those of the menu bar are the menus.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window.menuBar());
    const QList<QAction*> menus = window.menuBar()->actions();
    for (int k = 0; k < menus.size(); ++k) {
        QMenu* menu = menus[k]->menu();
        names.menuItems[menu->objectName()] = bar->child(k)->text(QAccessible::Name);
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
        const QList<QAction*> actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            if (actions[i]->isSeparator() || !actions[i]->isVisible()) continue;
            names.menuItems[actions[i]->objectName()] = items->child(i)->text(QAccessible::Name);
        }
    }
    return names;
}

TEST_F(GuiTest, ToolbarButtonsAndMenuItemsAreNamedInEitherLanguage) {
    Start();
    const AccessibleNames chinese = NamesOf(*window);
    Action("mnuEnglish")->trigger();
    const AccessibleNames english = NamesOf(*window);
    Action("mnuChinese")->trigger();
    const AccessibleNames chineseAgain = NamesOf(*window);

    EXPECT_EQ(chinese.buttons.size(), 8u);
    EXPECT_EQ(chinese.menuItems.size(), 7u + 38u) << "the menus and their visible items";
    for (const AccessibleNames* names : {&chinese, &english, &chineseAgain}) {
        for (const auto& [key, name] : names->buttons)
            EXPECT_FALSE(name.isEmpty()) << key.toStdString();
        for (const auto& [item, name] : names->menuItems) {
            EXPECT_FALSE(name.isEmpty()) << item.toStdString();
        }
    }
    for (const auto& [key, name] : english.buttons) {
        EXPECT_NE(name, chinese.buttons.at(key)) << key.toStdString() << " follows the language";
    }
    EXPECT_EQ(chineseAgain.buttons, chinese.buttons);
    EXPECT_EQ(chineseAgain.menuItems, chinese.menuItems);

    // The names are not shown: the buttons keep to their pictures, the service button has no tip.
    auto* toolbar = Find<QToolBar>("Toolbar1");
    for (QToolButton* button : toolbar->findChildren<QToolButton*>()) {
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    EXPECT_TRUE(toolbar->widgetForAction(ToolbarAction(7))->toolTip().isEmpty());
}

// Records the addresses the desktop would open, instead of starting a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    UrlCatcher() {
        for (const char* scheme : {"https", "http", "file"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
        }
    }
    ~UrlCatcher() override {
        for (const char* scheme : {"https", "http", "file"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

TEST_F(GuiTest, RightsLineAndDeveloperLineOpenTheProjectPage) {
    Start();
    UrlCatcher urls;
    Action("mnuabout")->trigger();
    Action("mnuabout")->trigger();
    QWidget& about = *Window(QStringLiteral("frmAbout"));
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(window->findChildren<QWidget*>(QStringLiteral("frmAbout")).size(), 1)
        << "the same single window";
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Help"));
    EXPECT_EQ(Find<QLabel>("Label2", &about)->text(), QStringLiteral("发布：2012.07"));
    QTest::mouseClick(Find<QLabel>("lblDescription", &about), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>("Label2"), Qt::LeftButton);  // the main window's rights line
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_EQ(urls.opened[0], QUrl(QString::fromLatin1(kProjectWebAddress)));
    EXPECT_EQ(urls.opened[1], urls.opened[0]);
    QTest::mouseClick(Find<QPushButton>("cmdOK", &about), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

// Beside the version and issue of the tool it grew from, the About box names this release, in the
// language the windows show.
TEST_F(GuiTest, TheAboutBoxNamesThisRelease) {
    Start();
    Action("mnuabout")->trigger();
    QWidget* about = Window(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    QLabel* release = Find<QLabel>("lblRelease", about);
    EXPECT_EQ(release->text(),
              QStringLiteral("程序版本 " QV7100_VERSION "，发布于 " QV7100_RELEASE_DATE));
    Action("mnuEnglish")->trigger();
    EXPECT_EQ(release->text(),
              QStringLiteral("Program version " QV7100_VERSION ", released " QV7100_RELEASE_DATE));
    EXPECT_TRUE(release->isVisible());
}

TEST_F(GuiTest, HelpOpensTheHelpFileBesideTheProgramAndAMissingOneShowsNothing) {
    Start();
    UrlCatcher urls;
    MessageBoxHand hand;
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_TRUE(urls.opened.isEmpty());
    EXPECT_TRUE(hand.Seen().empty());
    std::ofstream(folder / "QV-7100.CHM") << "help";
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened[0].toLocalFile(),
              QString::fromStdString((folder / "QV-7100.CHM").string()));
}

TEST_F(GuiTest, HelpWithoutTheHelpFileOpensTheManualInTheWindowsLanguage) {
    // The manual as the build lays it beside the program.
    std::filesystem::create_directories(folder / "manual");
    for (const char* page : {"qv7100-manual.zh_CN.html", "qv7100-manual.en.html"}) {
        std::ofstream(folder / "manual" / page) << "<html></html>";
    }
    Start();
    UrlCatcher urls;
    MessageBoxHand hand;
    QTest::keyClick(window.get(), Qt::Key_F1);
    Action("mnuEnglish")->trigger();
    QTest::keyClick(window.get(), Qt::Key_F1);
    std::ofstream(folder / "QV-7100.CHM") << "help";  // the compiled help file comes first
    QTest::keyClick(window.get(), Qt::Key_F1);
    const auto local = [&](const char* name) {
        return QUrl::fromLocalFile(QString::fromStdString((folder / name).string()));
    };
    EXPECT_EQ(urls.opened,
              QList<QUrl>({local("manual/qv7100-manual.zh_CN.html"),
                           local("manual/qv7100-manual.en.html"), local("QV-7100.CHM")}));
    EXPECT_TRUE(hand.Seen().empty());
}

TEST_F(GuiTest, SettingsThatCannotBeKeptAreToldOnce) {
    Start(Parameters{0, 0, 1});
    // The parameter file's place is taken by a folder: nothing can be written there.
    std::filesystem::remove(folder / kParameterFileName);
    std::filesystem::create_directories(folder / kParameterFileName);
    MessageBoxHand hand({kIdOk, kIdOk});
    window->CheckSettingsCanBeKept();
    window->CheckSettingsCanBeKept();
    window->close();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.startsWith(QStringLiteral("The program's settings")));
    EXPECT_TRUE(std::filesystem::is_directory(folder / kParameterFileName));
}

TEST_F(GuiTest, MenusOpenFromTheKeyboard) {
    Start(Parameters{0, 0, 1});
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    auto* settings = Find<QMenu>("mnuset");
    ASSERT_TRUE(QTest::qWaitFor([&] { return settings->isVisible(); }, 2000));
    QTest::keyClick(settings, Qt::Key_L);  // Lock(&L)
    EXPECT_TRUE(State().mnulockChecked);
}

}  // namespace
}  // namespace qv

#include "main_window_test.moc"
