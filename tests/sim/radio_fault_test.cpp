#include "sim/radio_fault.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

using Kind = RadioFaultKind;

struct Spelling {
    const char* text;
    RadioFault fault;
};

TEST(RadioFaultNames, ParseEveryKindAndPrintBack) {
    const Spelling cases[] = {
        {"none", {Kind::None, 0}},
        {"silent", {Kind::Silent, 0}},
        {"wrong-model", {Kind::WrongModel, 0}},
        {"wrong-id-length", {Kind::WrongIdentificationLength, 0}},
        {"no-reply:1", {Kind::NoReplyToBlock, 1}},
        {"wrong-address:24", {Kind::WrongAddressForBlock, 24}},
        {"garbage-after-ack:0", {Kind::GarbageAfterAck, 0}},
        {"garbage-after-ack:88", {Kind::GarbageAfterAck, 88}},
        {"split", {Kind::SplitReplies, 0}},
        {"cable-pulled:12", {Kind::CablePulled, 12}},
        {"drop-block:61", {Kind::DropsBlock, 61}},
    };
    for (const Spelling& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<RadioFault> parsed = ParseRadioFault(c.text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.fault);
        EXPECT_EQ(RadioFaultName(c.fault), c.text);
    }
}

TEST(RadioFaultNames, RejectMalformedNames) {
    const char* const cases[] = {
        "",                      // nothing
        "Silent",                // names are lower case
        "no-reply",              // the block is required
        "no-reply:",             // ... and must have digits
        "no-reply:0",            // blocks count from 1
        "cable-pulled:0",        //
        "drop-block:0",          //
        "drop-block",            //
        "wrong-address:-3",      // no sign
        "no-reply:+3",           //
        "no-reply:3x",           // digits only
        "no-reply: 3",           //
        "no-reply:99999999999",  // out of range
        "garbage-after-ack:-1",  // 0 is the lowest here
        "split:2",               // takes no block
        "none:0",                //
        "silent ",               // no trailing characters
        "cable",                 // no prefixes
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseRadioFault(text).has_value());
    }
}

// Every help line shows a usage that the parser takes, once N is filled in.
TEST(RadioFaultNames, HelpCoversEveryKindWithUsableUsage) {
    const auto lines = RadioFaultHelpLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(Kind::DropsBlock) + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string usage(lines[i].usage);
        SCOPED_TRACE(usage);
        if (const auto n = usage.find(":N"); n != std::string::npos) usage.replace(n, 2, ":1");
        const std::optional<RadioFault> parsed = ParseRadioFault(usage);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->kind, static_cast<Kind>(i));
        EXPECT_FALSE(lines[i].description.empty());
        EXPECT_EQ(lines[i].description.find('\n'), std::string_view::npos);
    }
}

}  // namespace
}  // namespace qv
