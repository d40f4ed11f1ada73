// What reading a set-up as text found wrong, and the words around it, in Chinese and English. %1,
// %2, ... stand for the values given to SetupTextMessage. Keys and list items are named as the
// file writes them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/language.h"

namespace qv {

enum class SetupTextId {
    // The file as a whole, refused before its values are looked at.
    FileTooLarge,    // %1 its size in bytes, %2 the largest size read
    NotUtf8,         // %1 the byte, "0xC3"
    TabIndentation,  // a tab among the blanks a line starts with
    NotYaml,         // %1 what the YAML reader said
    StrayComma,      // a comma that begins a value outside [ ] and { }
    SecondDocument,  // a "---" that starts another document
    NotASetup,       // an empty document, or one that is not a mapping of sections
    FormatMissing,
    FormatUnknown,  // %1 the format named
    // Keys and the shape of the document.
    UnknownKey,          // %1 the key, %2 the keys of this place
    UnknownKeyNear,      // %1 the key, %2 the key that was probably meant
    KeyTwice,            // %1 the key, %2 the line it stood on first
    NotASection,         // keys with values were expected here
    NotAList,            // a list ("- ..." entries) was expected here
    NotAValue,           // one value was expected here
    FieldMissing,        // %1 the key an entry needs
    UnknownChannel,      // %1 the label given
    ChannelTwice,        // %1 the label, %2 the line it stood on first
    UnknownTestChannel,  // %1 the number given
    TestChannelTwice,    // %1 the number, %2 the line it stood on first
    // Values.
    NotAnItem,                // %1 the value, %2 the items of the list
    FrequencyEmpty,           // a frequency is needed and the value is empty
    NotAFrequency,            // %1 the value
    OutOfBand,                // %1 the frequency, %2 the band, %3 its lowest MHz, %4 its limit
    OffRaster,                // %1 the frequency, %2 where typing it puts it
    TestFrequencyOutOfField,  // %1 the frequency
    NotATone,                 // %1 the value
    NotAWholeNumber,          // %1 the value, %2 the lowest, %3 the highest
    NotTrueOrFalse,           // %1 the value
    TooLong,                  // %1 the number of characters, %2 the most the radio keeps
    CharactersNotStored,      // %1 the characters
    NotDtmf,                  // %1 the characters
    // Around the problems.
    RefusedComment,   // %1 why: the comment on a line the windows would refuse
    Place,            // %1 the line, %2 the column: "line 3, column 7"
    PlaceLine,        // %1 the line
    MissingKept,      // %1 the sections and keys the file lacks
    FileRefused,      // %1 the number of errors, %2 the file
    MoreErrors,       // %1 how many errors are not listed
    RefusedOnSaving,  // %1 the number of values, %2 the file
    FilterName,       // the file dialogs' filter of the text form (without its pattern)
};

// The text in `language`, %1, %2, ... replaced by `values`; where %1 is a count, a count of one
// reads as one.
std::string SetupTextMessage(SetupTextId id, Language language,
                             std::initializer_list<std::string_view> values = {});

// What yaml-cpp said of a text it could not read (its messages are English), in `language`: the
// common ones in Chinese too, any other as it said it.
std::string YamlReaderMessage(std::string_view said, Language language);

}  // namespace qv
