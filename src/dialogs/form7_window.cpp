#include "dialogs/form7_window.h"

namespace qv {

Form7Window::Form7Window(Program& program) : DialogWindow(program, WindowId::Form7) {
    FinishCreation();
}

}  // namespace qv
