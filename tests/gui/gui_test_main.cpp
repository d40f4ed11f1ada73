// The GUI tests run real widgets under the offscreen platform in one QApplication. An executable
// built with QV_TEST_SCREEN ("WIDTHxHEIGHT") gets a screen of that size instead of the platform's
// small default one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <string>

#ifdef QV_TEST_SCREEN
namespace {

// The offscreen platform's description of one screen of `size`, in a file of its own.
std::filesystem::path WriteScreenConfig(const std::string& size) {
    const std::size_t x = size.find('x');
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("qv-test-screen-" + std::to_string(::getpid()) + ".json");
    std::ofstream(path) << R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": )"
                        << size.substr(0, x) << R"(, "height": )" << size.substr(x + 1)
                        << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    return path;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef QV_TEST_SCREEN
    const std::filesystem::path screen = WriteScreenConfig(QV_TEST_SCREEN);
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.string().c_str());
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qv7100-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef QV_TEST_SCREEN
    std::filesystem::remove(screen);
#endif
    return result;
}
