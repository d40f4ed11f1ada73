#include "i18n/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/msgbox.h"

namespace qv {
namespace {

constexpr int kMessageCount = static_cast<int>(MessageId::QuitAfterTransferQuestion) + 1;

bool HasSingleWording(MessageId id) {
    return id == MessageId::PriorityNeedsChannel || id == MessageId::PriorityNeedsChannelTitle ||
           id == MessageId::PriorityChannelEmpty || id == MessageId::DtmfCodeTooLong;
}

TEST(Messages, EveryMessageHasItsWordings) {
    for (int i = 0; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        const std::string_view chinese = MessageText(id, Language::Chinese);
        const std::string_view english = MessageText(id, Language::English);
        EXPECT_FALSE(chinese.empty()) << "message " << i;
        EXPECT_FALSE(english.empty()) << "message " << i;
        if (HasSingleWording(id)) {
            EXPECT_EQ(chinese, english) << "message " << i;
        } else {
            EXPECT_NE(chinese, english) << "message " << i;
        }
    }
}

TEST(Messages, AWordingFindsItsMessageAgainInEitherLanguage) {
    for (int i = 0; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        for (const Language language : {Language::Chinese, Language::English}) {
            EXPECT_EQ(MessageOfText(MessageText(id, language)), id) << "message " << i;
        }
    }
    EXPECT_EQ(MessageOfText("读频成功"), std::nullopt) << "only the whole wording";
    EXPECT_EQ(MessageOfText(""), std::nullopt);
}

TEST(Messages, WordingsKeepTheirOwnSpelling) {
    struct Case {
        MessageId id;
        Language language;
        std::string_view text;
    };
    const Case cases[] = {
        {MessageId::Communicating, Language::Chinese, "正在通信,请稍后……"},
        {MessageId::Communicating, Language::English, "Is communication, please later……"},
        {MessageId::NewTitle, Language::English, "Warnning"},
        {MessageId::PriorityNeedsChannelTitle, Language::English, "提示"},
        {MessageId::PortNotOpen, Language::Chinese,
         "通信端口未打开，请先选择菜单“通信端口”打开其串口！"},
    };
    for (const Case& c : cases) EXPECT_EQ(MessageText(c.id, c.language), c.text);
}

TEST(Messages, PortBusyNamesThePort) {
    EXPECT_EQ(PortBusyMessage(3, Language::Chinese),
              "串行端口3已被其它程序使用，请选择其它串口或关掉其程序.");
    EXPECT_EQ(PortBusyMessage(3, Language::English),
              "Serial port 3 has been other programs use, please choose other serial or turn off "
              "its program.");
    for (int port = 1; port <= 8; ++port) {
        const std::string digit = std::to_string(port);
        EXPECT_TRUE(
            PortBusyMessage(port, Language::Chinese).starts_with("串行端口" + digit + "已"));
        EXPECT_TRUE(
            PortBusyMessage(port, Language::English).starts_with("Serial port " + digit + " has"));
    }
}

TEST(Messages, FormattingPutsTheValuesWhereTheMessageNamesThem) {
    EXPECT_EQ(FormatMessage(MessageId::PortMissing, Language::Chinese, {"COM3"}),
              "本机没有串口 COM3：请插好写频线，或选择其它串口。");
    EXPECT_EQ(FormatMessage(MessageId::PortMissing, Language::English, {}),
              MessageText(MessageId::PortMissing, Language::English))
        << "a value that was not given leaves its place as it is";
    EXPECT_EQ(FormatMessage(MessageId::ReadSuccess, Language::English, {"unused"}),
              "Read frequency success!");
}

TEST(Messages, PortPermissionNamesTheDeviceAndTheGroup) {
    for (Language language : {Language::Chinese, Language::English}) {
        const std::string text = PortPermissionMessage("/dev/ttyUSB0", language);
        EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos) << text;
        EXPECT_NE(text.find("dialout"), std::string::npos) << text;
    }
}

TEST(Messages, UnstorableCharactersAreNamedInBothLanguages) {
    const struct {
        bool more;
        Language language;
        std::string_view text;
    } cases[] = {
        {false, Language::Chinese, "对讲机无法存储这些字符，已略去：“信息”"},
        {true, Language::Chinese, "对讲机无法存储这些字符，已略去：“信息”…"},
        {false, Language::English, "The radio cannot store these characters; left out: \"信息\""},
        {true, Language::English, "The radio cannot store these characters; left out: \"信息\"…"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnstorableCharactersMessage("信息", c.more, c.language), c.text);
    }
}

TEST(PlanMessages, EveryReasonHasBothWordingsWithItsValuesFilledIn) {
    constexpr int kCount = static_cast<int>(PlanMessageId::ToneChangedOnImport) + 1;
    for (int i = 0; i < kCount; ++i) {
        const auto id = static_cast<PlanMessageId>(i);
        const std::string chinese = PlanMessage(id, Language::Chinese, "<one>", "<two>");
        const std::string english = PlanMessage(id, Language::English, "<one>", "<two>");
        EXPECT_FALSE(chinese.empty()) << i;
        EXPECT_NE(chinese, english) << i;
        // Each wording takes the same values, and no placeholder is left over.
        for (const char* value : {"<one>", "<two>"}) {
            EXPECT_EQ(chinese.find(value) == std::string::npos,
                      english.find(value) == std::string::npos)
                << i << ": " << chinese << " / " << english;
        }
        EXPECT_EQ(english.find('%'), std::string::npos) << english;
        EXPECT_EQ(chinese.find('%'), std::string::npos) << chinese;
    }
    EXPECT_EQ(
        PlanMessage(PlanMessageId::ReceiveOutOfBand, Language::English, "480.000000", "400-470MHz"),
        "receive frequency 480.000000 MHz is outside the band 400-470MHz");
    EXPECT_EQ(PlanMessage(PlanMessageId::ToneNotInList, Language::Chinese, "rToneFreq", "199.5"),
              "rToneFreq“199.5”不在本机的亚音频列表中");
    // A value that holds a placeholder of its own is shown as it is.
    EXPECT_EQ(PlanMessage(PlanMessageId::NotAFrequency, Language::English, "%2", "x"),
              "%2 \"x\" is not a frequency in MHz");
}

TEST(MsgBoxStyle, DecodesTheStylesTheToolUses) {
    struct Case {
        int style;
        std::vector<int> buttons;
        MsgBoxIcon icon;
        int defaultButton;
        bool systemModal;
    };
    const Case cases[] = {
        {kStyleOk, {kIdOk}, MsgBoxIcon::None, 0, false},
        {kStyleOkStop, {kIdOk}, MsgBoxIcon::Stop, 0, false},
        {kStyleYesNoQuestion, {kIdYes, kIdNo}, MsgBoxIcon::Question, 0, false},
        {kStyleOkInformation, {kIdOk}, MsgBoxIcon::Information, 0, false},
        {kStyleYesNoInformation, {kIdYes, kIdNo}, MsgBoxIcon::Information, 0, false},
        {kStyleOkCancelExclamation, {kIdOk, kIdCancel}, MsgBoxIcon::Exclamation, 1, false},
        {kStyleOkCancelQuestionSystemModal, {kIdOk, kIdCancel}, MsgBoxIcon::Question, 1, true},
        {0x2, {kIdAbort, kIdRetry, kIdIgnore}, MsgBoxIcon::None, 0, false},
        {0x203, {kIdYes, kIdNo, kIdCancel}, MsgBoxIcon::None, 2, false},
        {0x205, {kIdRetry, kIdCancel}, MsgBoxIcon::None, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        const MsgBoxLayout layout = DecodeMsgBoxStyle(c.style);
        EXPECT_EQ(layout.buttons, c.buttons);
        EXPECT_EQ(layout.icon, c.icon);
        EXPECT_EQ(layout.defaultButton, c.defaultButton);
        EXPECT_EQ(layout.systemModal, c.systemModal);
    }
}

TEST(MsgBoxButtons, CaptionsFollowTheLanguageFlag) {
    EXPECT_EQ(MsgBoxButtonText(kIdCancel, 0), "取消");
    EXPECT_EQ(MsgBoxButtonText(kIdCancel, 1), "Cancel");
    const std::pair<int, std::string_view> traditional[] = {
        {kIdOk, "確定"},    {kIdCancel, "取消"}, {kIdYes, "是"},     {kIdNo, "否"},
        {kIdAbort, "放棄"}, {kIdIgnore, "忽略"}, {kIdRetry, "重試"},
    };
    for (const auto& [id, text] : traditional) EXPECT_EQ(MsgBoxButtonText(id, 2), text);
    for (int flag : {-1, 3, 5}) {
        for (int id = kIdOk; id <= kIdNo; ++id) {
            EXPECT_EQ(MsgBoxButtonText(id, flag), "") << "flag " << flag << " button " << id;
        }
    }
    EXPECT_EQ(MsgBoxButtonText(0, 1), "");
    EXPECT_EQ(MsgBoxButtonText(8, 1), "");
}

TEST(MsgBoxTitle, EmptyTitleStandsForTheProduct) {
    EXPECT_EQ(MsgBoxTitle(""), "QV-7100");
    EXPECT_EQ(MsgBoxTitle("警告"), "警告");
}

}  // namespace
}  // namespace qv
