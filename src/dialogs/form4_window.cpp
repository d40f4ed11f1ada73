#include "dialogs/form4_window.h"

namespace qv {

Form4Window::Form4Window(Program& program) : DialogWindow(program, WindowId::Form4) {
    FinishCreation();
}

}  // namespace qv
