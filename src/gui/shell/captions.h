// The caption tables applied to real widgets: every control carries its control name as its
// objectName (an element of a control array also the property "qvElement", a toolbar button the
// property "qvButton"), and each caption row sets the property it names on the control of that
// name.
#pragma once

#include <QString>
#include <QWidget>

#include <string_view>

#include "i18n/captions.h"

namespace qv {

inline constexpr const char* kElementProperty = "qvElement";
inline constexpr const char* kToolbarButtonProperty = "qvButton";

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The rows of `window` that follow the language, in `language`, in table order. A list keeps its
// selected position. Afterwards every control named by a label (its buddy) takes the label's text
// as its accessible name.
void ApplyCaptionTable(QWidget& root, WindowId window, Language language);

// The texts of `window` that read the same in both languages; once, when the window is made.
void ApplyFixedCaptions(QWidget& root, WindowId window);

// The controls named `name` in `root`'s window (`root` itself included), not those of another
// window that lies under it.
QList<QObject*> ControlsNamed(QWidget& root, const QString& name);

// A caption without its "&" accelerator marks, for accessible names.
QString WithoutAccelerator(const QString& caption);

// The accessible name of a field from its label's caption: without the accelerator marks and the
// colon that leads to the field.
QString FieldName(const QString& caption);

}  // namespace qv
