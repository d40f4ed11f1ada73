// The one way the core reaches the user: the desktop program shows a real message box, the
// command line prints or answers from its options, and tests answer from a script.
#pragma once

#include <string>

namespace qv {

class Host {
  public:
    virtual ~Host() = default;
    // Shows `text` with the buttons and icon of `style` (message-box style value) and returns the
    // identifier of the button that closed the box. Text and title are already in the current
    // language; an empty title stands for the product name.
    virtual int LocalMsgBox(const std::string& text, int style, const std::string& title) = 0;
    // As LocalMsgBox, with `details` under the text: what exactly went wrong and what to do. The
    // text stays the message; a host without a place for details puts them on lines after it.
    virtual int LocalMsgBoxWithDetails(const std::string& text, const std::string& details,
                                       int style, const std::string& title) {
        return LocalMsgBox(details.empty() ? text : text + "\n" + details, style, title);
    }
    // Closes the box that the innermost LocalMsgBox call still shows, as its Escape key would (a
    // question answers No), so that the call returns. A host whose boxes are answered at once
    // never has one to close.
    virtual void CloseMessageBox() {}
};

}  // namespace qv
