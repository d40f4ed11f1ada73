#include "dialogs/form2_window.h"

namespace qv {

Form2Window::Form2Window(Program& program) : DialogWindow(program, WindowId::Form2) {
    FinishCreation();
}

}  // namespace qv
