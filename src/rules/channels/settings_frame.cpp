#include "rules/channels/settings_frame.h"

namespace qv {

Changes ChooseSetting(Setup& setup, const SettingsList& list, int position) {
    const int items = static_cast<int>(ListItems(list.items, Language::Chinese).size());
    if (position < 0 || position >= items || setup.*list.position == position) return {};
    setup.*list.position = position;
    return StatePart::Settings;
}

}  // namespace qv
