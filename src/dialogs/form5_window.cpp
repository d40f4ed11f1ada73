#include "dialogs/form5_window.h"

namespace qv {

Form5Window::Form5Window(Program& program) : DialogWindow(program, WindowId::Form5) {
    FinishCreation();
}

}  // namespace qv
