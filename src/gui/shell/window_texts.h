// The text tables of the newer windows as Qt strings, in a language, %1... filled in.
#pragma once

#include <QString>

#include <initializer_list>
#include <string_view>

#include "gui/shell/captions.h"
#include "i18n/desktop_texts.h"
#include "i18n/fleet_texts.h"
#include "i18n/station_texts.h"
#include "i18n/station_window_texts.h"

namespace qv {

inline QString WindowText(DesktopText id, Language language,
                          std::initializer_list<std::string_view> values = {}) {
    return ToQString(DesktopTextWith(id, language, values));
}

inline QString WindowText(FleetTextId id, Language language,
                          std::initializer_list<std::string_view> values = {}) {
    return ToQString(FleetText(id, language, values));
}

inline QString WindowText(StationTextId id, Language language,
                          std::initializer_list<std::string_view> values = {}) {
    return ToQString(StationText(id, language, values));
}

inline QString WindowText(StationWindowTextId id, Language language,
                          std::initializer_list<std::string_view> values = {}) {
    return ToQString(StationWindowText(id, language, values));
}

}  // namespace qv
