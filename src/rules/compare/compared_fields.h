// Every field of a set-up that a person can recognise, named as the program's windows name it and
// valued as they show it: the channel cells under their column captions, the function settings,
// the optional functions and DTMF settings, the DTMF codes, the keys, the power calibration, the
// test channels and the embedded information; and the band, which a comparison takes apart from
// the image, since a radio tells its band when it identifies itself.
#pragma once

#include <string>
#include <vector>

#include "i18n/language.h"
#include "state/program_state.h"

namespace qv {

struct NamedValue {
    std::string name;   // "channel G2- 05, TX QT/DQT"
    std::string value;  // "D023N", or the text for an empty value
    // For channel fields, the channel row (1..48); 0 for the others.
    int channel = 0;
    // The whole channel at once (all its cells, or empty): the entry that stands for a channel in
    // use on one side only, where its cells one by one would say nothing more.
    bool wholeChannel = false;
};

// The named values of `setup` apart from its band, whose list cells are in `language`, named in
// `language`. Two set-ups give their values in the same order, one entry for one entry.
std::vector<NamedValue> NamedValues(const Setup& setup, Language language);

// The band at `position` of the band list, named as the main window's model frame names it.
NamedValue NamedBand(int position, Language language);

}  // namespace qv
