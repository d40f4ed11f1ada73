// What answered on a port when the program looked for the radio, and the captions of that search,
// in Chinese and English. %1 stands for the value given to DetectText.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class DetectTextId {
    // What answered a probe of one port.
    ThisModel,             // %1 the band, "400-470MHz"
    ThisModelUnknownBand,  // %1 the identification's band byte, "0x7F"
    OtherModel,            // %1 the identification it sent, as printable text
    NothingAnswered,
    NoIdentification,  // the handshake was acknowledged, and nothing followed
    NoAnswerButBytes,  // %1 what came instead, as printable text
    DeviceLost,
    // The search over every port.
    Finding,
    NoRadioFound,
    NoPortToProbe,
    RadioFoundOn,            // %1 the port: the one port where a radio answered, now chosen
    SeveralFoundChosen,      // %1 how many ports, %2 the port chosen among them
    SeveralFoundNoneChosen,  // %1 how many ports
    PortAnswer,              // %1 the port, %2 what answered there
    // The question when radios answered on several ports.
    ChooseTitle,
    ChooseQuestion,  // %1 how many ports
    ChooseListName,
    // What the program knows of the radio on the chosen port, short enough for the status bar.
    OtherModelShort,
    StatusNoSuchDevice,
    StatusNoPermission,
    StatusHeld,
    StatusNotSerial,
    StatusDeviceGone,
};

// The text in `language`, %1 replaced by `values`.
std::string DetectText(DetectTextId id, Language language,
                       std::initializer_list<std::string_view> values = {});

}  // namespace qv
