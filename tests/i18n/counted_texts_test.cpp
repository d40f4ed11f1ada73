// Texts that tell a count of differences: one difference, two differences, in English.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "i18n/compare_texts.h"
#include "i18n/fleet_texts.h"
#include "i18n/station_texts.h"

namespace qv {
namespace {

TEST(CountedTexts, OneDifferenceAndMoreDifferencesInEnglish) {
    const auto compare = [](CompareTextId id) {
        return [id](const char* count) { return CompareText(id, Language::English, {count}); };
    };
    const struct {
        const char* whereTold;
        std::function<std::string(const char*)> text;
        const char* one;
        const char* eleven;
    } cases[] = {
        {"the end of a list of differences", compare(CompareTextId::MoreDifferences),
         "... and 1 more difference", "... and 11 more differences"},
        {"the comparison window", compare(CompareTextId::ShownAndRadioDiffer),
         "The set-up shown and the radio differ in 1 place:",
         "The set-up shown and the radio differ in 11 places:"},
        {"verify after write", compare(CompareTextId::VerifyFailed),
         "Verify failed: the radio holds 1 difference from what was written.",
         "Verify failed: the radio holds 11 differences from what was written."},
        {"a radio's verify when several are written",
         [](const char* count) {
             return FleetText(FleetTextId::Differs, Language::English, {count});
         },
         "1 difference", "11 differences"},
        {"the window that writes several radios, as it starts",
         [](const char* count) {
             return FleetText(FleetTextId::Running, Language::English, {count});
         },
         "Writing 1 radio...", "Writing 11 radios..."},
        {"a station that has handled its count",
         [](const char* count) {
             return StationText(StationTextId::CountReached, Language::English, {count});
         },
         "1 radio handled: no more radios are taken",
         "11 radios handled: no more radios are taken"},
        {"a station's summary",
         [](const char* count) {
             return StationText(StationTextId::Summary, Language::English,
                                {count, count, "0", "0", "0"});
         },
         "1 radio: 1 written, 0 verified, 0 failed, 0 skipped",
         "11 radios: 11 written, 0 verified, 0 failed, 0 skipped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.whereTold);
        EXPECT_EQ(c.text("1"), c.one);
        EXPECT_EQ(c.text("11"), c.eleven);
    }
    EXPECT_EQ(CompareText(CompareTextId::VerifyFailed, Language::Chinese, {"1"}),
              "校验失败：对讲机中有 1 处与写入的不同。");
}

}  // namespace
}  // namespace qv
