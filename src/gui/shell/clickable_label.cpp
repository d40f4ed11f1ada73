#include "gui/shell/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

ClickableLabel::ClickableLabel(bool focusable, QWidget* parent) : QLabel(parent) {
    if (focusable) {
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() != Qt::NoFocus &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace qv
