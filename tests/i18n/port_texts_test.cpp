// The texts of the serial ports: each says the same values in both languages.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "i18n/port_texts.h"

namespace qv {
namespace {

// The placeholders %1, %2, ... a text holds.
std::set<std::string> Placeholders(const std::string& text) {
    std::set<std::string> found;
    const std::regex placeholder("%[0-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

// A Chinese text that lost a value (the group to join, the rule to mask) would give the wrong fix.
TEST(PortTexts, BothLanguagesNameTheSameValues) {
    for (int i = 0; i <= static_cast<int>(PortTextId::NothingFound); ++i) {
        const auto id = static_cast<PortTextId>(i);
        const std::string chinese = PortText(id, Language::Chinese);
        const std::string english = PortText(id, Language::English);
        SCOPED_TRACE(english);
        EXPECT_FALSE(chinese.empty());
        EXPECT_FALSE(english.empty());
        EXPECT_EQ(Placeholders(chinese), Placeholders(english));
    }
}

TEST(PortTexts, ValuesAreFilledInWhereTheTextNamesThem) {
    EXPECT_EQ(PortText(PortTextId::NotInGroup, Language::English, {"root", "uucp", "0660"}),
              "It belongs to the user root and the group uucp (mode 0660), and you are not in "
              "that group: join it (sudo usermod -aG uucp $USER), then log in again.");
    EXPECT_EQ(PortText(PortTextId::BothPorts, Language::Chinese, {"COM1、COM2", "COM3"}),
              "COM1、COM2 和 COM3");
}

}  // namespace
}  // namespace qv
