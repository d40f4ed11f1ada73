#include "mainwindow/decode_image.h"

#include "dialogs/priority_rules.h"

namespace qv {

Changes ApplyDecodedSetup(ProgramState& state, Host& host, const DecodedSetup& decoded) {
    const Form5Controls before = state.Form5;
    state.CalibrationUnlocked = false;
    static_cast<Setup&>(state) = decoded.setup;
    // The priority lists change only by being chosen, from where they stood.
    state.Form5.Combo11 = before.Combo11;
    state.Form5.Combo12 = before.Combo12;
    state.Form5.FixedPriorityChannel = before.FixedPriorityChannel;
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
