// Channels the tests put into a set-up by hand, as a decoded radio would show them.
#pragma once

#include "state/program_state.h"

namespace qv::test {

// 455.125 MHz both ways, 67.0 out and D023N back, in English: a channel of the 400-470 MHz band
// whose two tones differ in kind, so a comparison names each column.
inline void PutEnglishChannel(Setup& setup, int row) {
    setup.Grid1[row] = {setup.Grid1[row][0],
                        "455.12500",
                        "67.0",
                        "455.12500",
                        "D023N",
                        "Hight",
                        "Off",
                        "Wide",
                        "Have"};
}

// 435.125 MHz in, 436.125 out, 67.0 and D023N, low power, busy lockout on carrier, narrow, no
// scan, in Chinese, with the list positions those texts stand for.
inline void PutChineseChannel(Setup& setup, int row) {
    setup.Grid1[row] = {
        setup.Grid1[row][0], "435.12500", "67.0", "436.12500", "D023N", "低", "载波", "窄带", "无"};
    setup.ChannelFlags[row] = {0, 0, 1, 0, 51, 0, 1, 0, 0, 0, 0, 0};
}

}  // namespace qv::test
