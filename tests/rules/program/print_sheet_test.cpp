// What stands on the printed page, in either language.
#include "rules/program/print_sheet.h"

#include <gtest/gtest.h>

#include "image/image_test_support.h"

namespace qv {
namespace {

using test::StartedProgram;

TEST_F(StartedProgram, ThePageHoldsTheFileTheDateTheSettingsAndEveryChannel) {
    state.Grid1[2][kColRxFrequency] = "435.12500";
    const struct {
        Language language;
        const char* file;
        const char* fileLine;
        const char* dateLine;
        const char* band;
        const char* firstSetting;
        const char* header;
    } cases[] = {
        {Language::English, "/radios/shop.DAT", "File: /radios/shop.DAT", "Date: 2026-12-10",
         "Model", "Language", "RX frequency"},
        {Language::Chinese, "", "文件：（未保存）", "日期：2026-12-10", "机型选择", "语言通知",
         "接收频率"},
    };
    for (const auto& c : cases) {
        const PrintSheet sheet = BuildPrintSheet(state, c.file, "2026-12-10", c.language);
        EXPECT_EQ(sheet.fileLine, c.fileLine);
        EXPECT_EQ(sheet.dateLine, c.dateLine);
        ASSERT_EQ(sheet.settings.size(), 7u) << "the band and six settings";
        EXPECT_EQ(sheet.settings[0],
                  std::make_pair(std::string(c.band), std::string("400-470MHz")));
        EXPECT_EQ(sheet.settings[1].first, c.firstSetting);
        EXPECT_FALSE(sheet.settings[1].second.empty());
        EXPECT_EQ(sheet.headers[kColRxFrequency], c.header);
        ASSERT_EQ(sheet.rows.size(), 48u);
        EXPECT_EQ(sheet.rows[1][kColRxFrequency], "435.12500");
        EXPECT_EQ(sheet.rows[47][0], "G3- 16");
    }
}

}  // namespace
}  // namespace qv
