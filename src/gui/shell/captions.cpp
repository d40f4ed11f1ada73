#include "gui/shell/captions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMultiHash>
#include <QToolBar>

#include <vector>

namespace qv {
namespace {

// True when `object` is a control of `root`'s window and not of another window that lies under it
// (the About box belongs to the main window; a menu's popup does not make a window of its own).
bool BelongsTo(const QWidget& root, const QObject* object) {
    for (const QObject* at = object; at != nullptr; at = at->parent()) {
        if (at == &root) return true;
        const auto* widget = qobject_cast<const QWidget*>(at);
        if (widget != nullptr && widget->isWindow() &&
            qobject_cast<const QMenu*>(widget) == nullptr) {
            return false;
        }
    }
    return false;
}

// The named controls of a window, looked up once for a whole table.
using ControlsByName = QMultiHash<QString, QObject*>;

ControlsByName NamedControls(QWidget& root) {
    ControlsByName controls;
    for (QObject* object : root.findChildren<QObject*>()) {
        if (!object->objectName().isEmpty() && BelongsTo(root, object)) {
            controls.insert(object->objectName(), object);
        }
    }
    return controls;
}

// The controls a row names: by objectName under `root` (or `root` itself), an array element also
// by its index, a toolbar button by its number.
std::vector<QObject*> ControlsOf(QWidget& root, const ControlsByName& controls, WindowId window,
                                 const CaptionEntry& entry) {
    std::vector<QObject*> found;
    if (entry.control == WindowName(window)) {
        found.push_back(&root);
        return found;
    }
    for (QObject* object : controls.values(ToQString(entry.control))) {
        if (entry.element != kNoElement &&
            object->property(kElementProperty).toInt() != entry.element) {
            continue;
        }
        found.push_back(object);
    }
    return found;
}

void SetCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

// Calls `set` with the toolbar and each of its actions that stands for button number `button`.
template <typename Set>
void ForToolbarButton(QObject* toolbar, int button, const Set& set) {
    auto* bar = qobject_cast<QToolBar*>(toolbar);
    if (bar == nullptr) return;
    for (QAction* action : bar->actions()) {
        if (action->property(kToolbarButtonProperty).toInt() == button) set(*bar, *action);
    }
}

void Apply(QWidget& root, const ControlsByName& controls, WindowId window,
           const CaptionEntry& entry, Language language) {
    const QString text = ToQString(entry.Text(language));
    for (QObject* control : ControlsOf(root, controls, window, entry)) {
        switch (entry.property) {
            case CaptionProperty::WindowTitle:
                if (auto* widget = qobject_cast<QWidget*>(control)) widget->setWindowTitle(text);
                break;
            case CaptionProperty::Caption:
                SetCaption(control, text);
                break;
            case CaptionProperty::ListItem:
                if (auto* list = qobject_cast<QComboBox*>(control);
                    list != nullptr && entry.index < list->count()) {
                    list->setItemText(entry.index, text);
                }
                break;
            case CaptionProperty::ToolTip:
                ForToolbarButton(control, entry.index,
                                 [&](QToolBar&, QAction& button) { button.setToolTip(text); });
                break;
            case CaptionProperty::AccessibleName:
                if (qobject_cast<QToolBar*>(control) != nullptr) {
                    ForToolbarButton(control, entry.index, [&](QToolBar& bar, QAction& button) {
                        if (QWidget* shown = bar.widgetForAction(&button)) {
                            shown->setAccessibleName(text);
                        }
                    });
                } else if (auto* widget = qobject_cast<QWidget*>(control)) {
                    widget->setAccessibleName(text);
                }
                break;
            case CaptionProperty::GridHeader:
                if (auto* view = qobject_cast<QAbstractItemView*>(control);
                    view != nullptr && view->model() != nullptr) {
                    view->model()->setHeaderData(entry.index, Qt::Horizontal, text);
                }
                break;
        }
    }
}

void NameControlsAfterTheirLabels(QWidget& root) {
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (!BelongsTo(root, label)) continue;
        if (QWidget* buddy = label->buddy()) {
            buddy->setAccessibleName(WithoutAccelerator(label->text()));
        }
    }
}

}  // namespace

QList<QObject*> ControlsNamed(QWidget& root, const QString& name) {
    QList<QObject*> found;
    if (root.objectName() == name) found << &root;
    for (QObject* object : root.findChildren<QObject*>(name)) {
        if (BelongsTo(root, object)) found << object;
    }
    return found;
}

QString WithoutAccelerator(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

QString FieldName(const QString& caption) {
    QString name = WithoutAccelerator(caption);
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A))) name.chop(1);
    return name;
}

void ApplyCaptionTable(QWidget& root, WindowId window, Language language) {
    const ControlsByName controls = NamedControls(root);
    for (const CaptionEntry& entry : CaptionTable(window)) {
        Apply(root, controls, window, entry, language);
    }
    NameControlsAfterTheirLabels(root);
}

void ApplyFixedCaptions(QWidget& root, WindowId window) {
    const ControlsByName controls = NamedControls(root);
    for (const CaptionEntry& entry : FixedCaptions(window)) {
        Apply(root, controls, window, entry, Language::Chinese);
    }
    NameControlsAfterTheirLabels(root);
}

}  // namespace qv
