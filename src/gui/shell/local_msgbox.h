// LocalMsgBox on QMessageBox: the buttons, icon, default button and modality of a message-box
// style value, the buttons captioned in the current language, owned by the main window even when
// a dialog asks. Timers and serial events keep arriving while it is open.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "state/host.h"
#include "state/program_state.h"

namespace qv {

class LocalMessageBox : public Host {
  public:
    explicit LocalMessageBox(const Session& session) : session_(session) {}

    // The window that owns every box: the main window.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    // Returns the identifier of the button that closed the box (1 OK ... 7 No). A box closed
    // without a button (Escape, the close box) answers with its Cancel or No button, or with its
    // only button.
    int LocalMsgBox(const std::string& text, int style, const std::string& title) override;
    // The details as the box's informative text, under the message.
    int LocalMsgBoxWithDetails(const std::string& text, const std::string& details, int style,
                               const std::string& title) override;
    // Closes the innermost box still open; its LocalMsgBox call returns once the event loop gets
    // back to it, with the answer of a box closed without a button.
    void CloseMessageBox() override;

  private:
    // Each button carries its identifier in this property: the answer is read from the button
    // that closed the box.
    static constexpr const char* kButtonIdProperty = "qvButtonId";

    const Session& session_;
    QPointer<QWidget> owner_;
    std::vector<QMessageBox*> open_;  // the boxes shown, innermost last
};

}  // namespace qv
