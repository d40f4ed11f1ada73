#include "gui/shell/list_controls.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

#include "gui/shell/captions.h"

namespace qv {

void FillList(QComboBox& combo, ListId list, Language language) {
    for (const std::string& item : ListItems(list, language)) combo.addItem(ToQString(item));
}

void ShowListPosition(QComboBox& combo, int position) {
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(position >= 0 && position < combo.count() ? position : -1);
}

void ShowAsManyItemsAsFit(QComboBox& combo) {
    const QScreen* screen = combo.screen();
    if (screen == nullptr || combo.count() == 0) return;
    // Items in another script may stand taller (the tone list's first item); the list fits as
    // many of the others as the screen holds, and the list itself never leaves the screen.
    const int itemHeight =
        std::min(combo.view()->sizeHintForRow(0), combo.view()->sizeHintForRow(combo.count() - 1));
    if (itemHeight <= 0) return;
    // The list's frame takes about one item's height.
    const int fit = screen->availableGeometry().height() / itemHeight - 1;
    combo.setMaxVisibleItems(std::max(1, fit));
}

}  // namespace qv
