#include "rules/program/decode_image.h"

#include <algorithm>
#include <utility>

#include "rules/dialogs/optional_functions_rules.h"

namespace qv {

namespace {

// The priority lists change only by being chosen, from where they stood.
struct PriorityLists {
    int mode;
    int channel;
    int fixedChannel;

    explicit PriorityLists(const OptionalFunctionsControls& form)
        : mode(form.Combo11), channel(form.Combo12), fixedChannel(form.FixedPriorityChannel) {}
    void PutBack(OptionalFunctionsControls& form) const {
        form.Combo11 = mode;
        form.Combo12 = channel;
        form.FixedPriorityChannel = fixedChannel;
    }
};

// The last steps of taking over: access closes, and the image's priority choices are made.
Changes TakeOver(ProgramState& state, Host& host, const DecodedChoices& choices) {
    state.CalibrationUnlocked = false;
    if (choices.priorityMode) SetPriorityMode(state, host, *choices.priorityMode);
    if (choices.priorityChannel) SetPriorityChannel(state, host, *choices.priorityChannel);
    return kDecodedImageChanges;
}

}  // namespace

Changes ApplyDecodedSetup(ProgramState& state, Host& host, DecodedSetup decoded) {
    PriorityLists(state.Form5).PutBack(decoded.setup.Form5);
    static_cast<Setup&>(state) = std::move(decoded.setup);
    return TakeOver(state, host, decoded.choices);
}

Changes DecodeImageBytes(const ImageBytes& image, ProgramState& state, Host& host) {
    // Decoded in place: the same steps as ApplyDecodedSetup without a copy of the set-up.
    const PriorityLists before(state.Form5);
    const DecodedChoices choices =
        DecodeInto(image, state, CaptionLanguage(state.LanguageIsEnglish));
    before.PutBack(state.Form5);
    return TakeOver(state, host, choices);
}

Status DecodeImage(std::span<const std::uint8_t> image, ProgramState& state, Host& host) {
    if (image.size() < kImageBytes) return Status::Refused(MessageId::ImageTooShort);
    ImageBytes whole;
    std::copy_n(image.begin(), kImageBytes, whole.begin());
    DecodeImageBytes(whole, state, host);
    return Status::Ok();
}

}  // namespace qv
