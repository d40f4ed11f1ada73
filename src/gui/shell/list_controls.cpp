#include "gui/shell/list_controls.h"

#include <QSignalBlocker>

#include "gui/shell/captions.h"

namespace qv {

void FillList(QComboBox& combo, ListId list, Language language) {
    for (const std::string& item : ListItems(list, language)) combo.addItem(ToQString(item));
}

void ShowListPosition(QComboBox& combo, int position) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(position >= 0 && position < combo.count() ? position : -1);
}

}  // namespace qv
