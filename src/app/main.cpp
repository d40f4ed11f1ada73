// The desktop program. Its windows come with the main-window work; until then it only starts
// the application object so that the target builds and links against the whole stack.
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
