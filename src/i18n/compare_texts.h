// How compared fields are named and valued, and how a difference and a verify are told, in Chinese
// and English. %1, %2, ... stand for the values given to CompareText; a text whose %1 is a count
// is said in the singular when the count is 1.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class CompareTextId {
    // Names of compared fields.
    Channel,           // %1 the channel label as the grid shows it ("G2- 05")
    ChannelField,      // %1 the channel label, %2 the column
    ReceiveTone,       // the tone column after the receive frequency
    TransmitTone,      // the tone column after the transmit frequency
    DtmfCode,          // %1 the code's number
    TestChannelField,  // %1 the test channel's number, %2 the column
    EmbeddedLine,      // %1 the line's number
    RadioMemory,       // %1 the radio addresses of bytes no field shows
    // The fields of the DTMF frame, whose captions the window shows in Chinese in both languages.
    DtmfRate,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTone,
    DKey,
    DtmfSidetone,
    GroupCallCode,
    AutoReset,
    // Values.
    Empty,  // an empty cell, text or channel
    Checked,
    NotChecked,
    // One difference, told.
    WroteButRadioHolds,   // %1 the field, %2 the written value, %3 the radio's
    ShownButRadioHolds,   // %1 the field, %2 the shown value, %3 the radio's
    OneHasOtherHas,       // %1 the field, %2 and %4 the two sides, %3 and %5 their values
    MoreDifferences,      // %1 how many are not listed
    ShownAndRadioDiffer,  // %1 how many places
    // Verify after write.
    VerifyPassed,
    VerifyFailed,  // %1 how many differences
};

// The text in `language`, %1... replaced by `values` in order.
std::string CompareText(CompareTextId id, Language language,
                        std::initializer_list<std::string_view> values = {});

// An item of the DTMF frame's lists, which the window shows in one language for both, in English
// words ("100MS" is "100 ms", "禁止" is "off"); other texts as they are.
std::string EnglishDtmfItem(std::string_view item);

}  // namespace qv
