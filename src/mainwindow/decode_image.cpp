#include "mainwindow/decode_image.h"

#include <utility>

#include "dialogs/priority_rules.h"

namespace qv {

Changes ApplyDecodedSetup(ProgramState& state, Host& host, DecodedSetup decoded) {
    // The priority lists change only by being chosen, from where they stood.
    decoded.setup.Form5.Combo11 = state.Form5.Combo11;
    decoded.setup.Form5.Combo12 = state.Form5.Combo12;
    decoded.setup.Form5.FixedPriorityChannel = state.Form5.FixedPriorityChannel;
    state.CalibrationUnlocked = false;
    static_cast<Setup&>(state) = std::move(decoded.setup);
    if (decoded.priorityMode) SetPriorityMode(state, host, *decoded.priorityMode);
    if (decoded.priorityChannel) SetPriorityChannel(state, host, *decoded.priorityChannel);
    return kDecodedImageChanges;
}

Changes DecodeImageBytes(const ImageBytes& image, ProgramState& state, Host& host) {
    return ApplyDecodedSetup(state, host,
                             DecodeSetup(image, state, CaptionLanguage(state.LanguageIsEnglish)));
}

Status DecodeImage(std::string_view image, ProgramState& state, Host& host) {
    ImageBytes bytes;
    if (Status parsed = ParseImage(image, bytes); !parsed.ok()) return parsed;
    DecodeImageBytes(bytes, state, host);
    return Status::Ok();
}

}  // namespace qv
