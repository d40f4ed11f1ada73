#include "dialogs/form6_window.h"

namespace qv {

Form6Window::Form6Window(Program& program) : DialogWindow(program, WindowId::Form6) {
    FinishCreation();
}

}  // namespace qv
