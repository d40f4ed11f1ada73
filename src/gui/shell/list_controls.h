// What every drop-down list of the windows does the same way: it is filled with the items of its
// list, and a refresh shows a position without running anything that listens to the list.
#pragma once

#include <QComboBox>

#include "i18n/list_items.h"

namespace qv {

// Adds the items of `list` in `language`; the caption tables relabel them on a language switch.
void FillList(QComboBox& combo, ListId list, Language language);

// Shows `position` (none when the list has no such item) with the list's signals blocked.
void ShowListPosition(QComboBox& combo, int position);

// Lets the open list show as many items as the screen it opens on holds, rather than ten and a
// scroll bar; a long list (the 261 tones) can then be looked over at a glance.
void ShowAsManyItemsAsFit(QComboBox& combo);

// A drop-down list as wide as its widest item in the language shown: after a language switch it
// neither clips the longer texts nor keeps the room of the longer ones. (QComboBox keeps the
// first minimum size it computed, also when its items are relabelled.)
class FittingList : public QComboBox {
  public:
    explicit FittingList(QWidget* parent = nullptr) : QComboBox(parent) {
        setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

}  // namespace qv
