// A label that takes clicks: the rights line and the developer line open the project's page, and
// the optional-functions dialog counts clicks on three of its labels. A label that acts on a click
// also acts on Enter and Space when it has the focus, so the keyboard reaches it.
#pragma once

#include <QLabel>

namespace qv {

class ClickableLabel : public QLabel {
    Q_OBJECT

  public:
    // `focusable`: whether Tab stops at the label (a link does; a hidden sequence does not).
    explicit ClickableLabel(bool focusable = true, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qv
