// The program as the desktop sees it: named after its desktop entry, with its icon on the window.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include "gui/gui_test_support.h"
#include "gui/shell/desktop_identity.h"

namespace qv {
namespace {

using test::GuiTest;

// Whether a picture has anything drawn on it.
bool Drawn(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) return true;
        }
    }
    return false;
}

class DesktopIdentity : public GuiTest {
  protected:
    void TearDown() override {
        QApplication::setApplicationName(QStringLiteral("qv7100-tests"));
        QGuiApplication::setDesktopFileName({});
        QApplication::setWindowIcon({});
        GuiTest::TearDown();
    }
};

TEST_F(DesktopIdentity, TheWindowBearsTheIconOfTheDesktopEntry) {
    ApplyDesktopIdentity();
    Start();
    // The installed desktop entry is io.github.qv7100_tool.qv7100.desktop and its icon bears the
    // same name; the desktop groups the window with the entry by this name.
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("io.github.qv7100_tool.qv7100"));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("qv7100"));
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 48, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        const QImage picture = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(picture.size(), QSize(size, size));
        EXPECT_TRUE(Drawn(picture)) << size;
    }
}

}  // namespace
}  // namespace qv
