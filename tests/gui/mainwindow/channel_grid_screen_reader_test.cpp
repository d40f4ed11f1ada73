// What a screen reader finds of the channel grid: the grid named in the current language, and each
// open editor and its list named after the cell they edit, as the cells themselves are heard.
#include <QAbstractItemView>
#include <QAccessible>

#include "gui/mainwindow/channel_grid_test_support.h"

namespace qv {
namespace {

class GridScreenReader : public test::GridTest {
  protected:
    void PutSample(int channel) {
        PutChannel(channel,
                   {"435.12500", "67.0", "436.12500", "D023N", "Low", "Carrow", "Narrow", "No"},
                   {0, 0, 1, 0, 51, 0, 1, 0, 0, 0, 0, 0});
    }
    static QString NameOf(QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("(none)");
    }
    // Whether `object` is reached from the main window going up its accessible parents.
    bool HangsUnderTheWindow(QObject* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        for (; face != nullptr; face = face->parent()) {
            if (face->object() == window.get()) return true;
        }
        return false;
    }
    // Whether the accessible children of `parent` hold `child`.
    static bool HasChild(QObject* parent, QObject* child) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(parent);
        for (int k = 0; face != nullptr && k < face->childCount(); ++k) {
            if (face->child(k) != nullptr && face->child(k)->object() == child) return true;
        }
        return false;
    }
};

TEST_F(GridScreenReader, AnOpenEditorAndItsListAreNamedAfterTheirCell) {
    Start(Parameters{0, 0, 1});
    PutSample(17);
    const char* const names[] = {"",
                                 "RX frequency, G2- 01",
                                 "QT/DQT, G2- 01",
                                 "TX frequency, G2- 01",
                                 "QT/DQT, G2- 01",
                                 "Power, G2- 01",
                                 "Forbid, G2- 01",
                                 "Band, G2- 01",
                                 "Scan, G2- 01"};
    for (int column = 1; column <= 8; ++column) {
        const QString name = QString::fromUtf8(names[column]);
        PressAndRelease(17, column);
        ASSERT_EQ(ShownEditors().size(), 1u) << column;
        QWidget* editor = ShownEditors().front();
        EXPECT_EQ(editor->accessibleName(), name);
        EXPECT_TRUE(HangsUnderTheWindow(editor)) << column;
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            ASSERT_NE(OpenList(list), nullptr) << column;
            EXPECT_EQ(NameOf(list->view()), name) << "the open list";
            EXPECT_TRUE(HasChild(list, list->view())) << column;
            if (list->isEditable()) {
                EXPECT_EQ(NameOf(list->lineEdit()), name) << "its box";
            }
            Key(Qt::Key_Escape);
        } else {
            EXPECT_EQ(NameOf(editor), name);
        }
        Key(Qt::Key_Escape);
        ASSERT_TRUE(ShownEditors().empty()) << column;
    }
}

TEST_F(GridScreenReader, NamesFollowALanguageSwitch) {
    Start();
    EXPECT_EQ(Grid()->accessibleName(), QStringLiteral("信道列表"));
    EXPECT_EQ(NameOf(Grid()), QStringLiteral("信道列表"));
    PutSample(2);
    PressAndRelease(2, 2);
    ASSERT_NE(OpenList(Combo8()), nullptr);
    EXPECT_EQ(NameOf(Combo8()->view()), QStringLiteral("亚音频, G1-02"));

    Action("mnuEnglish")->trigger();  // the editor stays open
    EXPECT_EQ(NameOf(Grid()), QStringLiteral("Channel list"));
    ASSERT_EQ(ShownEditors(), std::vector<QWidget*>{Combo8()});
    EXPECT_EQ(Combo8()->accessibleName(), QStringLiteral("QT/DQT, G1-02"));
    EXPECT_EQ(NameOf(Combo8()->view()), QStringLiteral("QT/DQT, G1-02"));
    Action("mnuChinese")->trigger();
    EXPECT_EQ(NameOf(Grid()), QStringLiteral("信道列表"));
    EXPECT_EQ(NameOf(Combo8()->lineEdit()), QStringLiteral("亚音频, G1-02"));
}

}  // namespace
}  // namespace qv
