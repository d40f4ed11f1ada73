// The texts of the set-up as text, one row per text.
#include "i18n/setup_text_texts.h"

#include "i18n/text_table.h"

namespace qv {
namespace {

// One row per SetupTextId, in the order of the enumeration.
constexpr TextRow<SetupTextId> kTexts[] = {
    {SetupTextId::FileTooLarge,
     "文件有 %1 字节：文本形式的设置只有几千字节，大于 %2 字节的文件不予读取",
     "the file holds %1 bytes: a set-up as text takes a few kilobytes, and files over %2 bytes "
     "are not read"},
    {SetupTextId::NotUtf8, "字节 %1 不是 UTF-8 编码的一部分：请将文件另存为 UTF-8",
     "the byte %1 is not part of UTF-8: save the file as UTF-8"},
    {SetupTextId::TabIndentation, "行首的缩进中有制表符：YAML 只能用空格缩进",
     "a tab in the indentation: YAML indents with spaces only"},
    {SetupTextId::NotYaml, "不是有效的 YAML：%1", "not valid YAML: %1"},
    {SetupTextId::StrayComma, "不是有效的 YAML：逗号只能用在 [ ] 或 { } 之中，不能作为值的开头",
     "not valid YAML: a comma cannot begin a value outside [ ] and { }"},
    {SetupTextId::SecondDocument, "此处开始了第二个文档：一份设置只是一个文档",
     "a second document begins here: a set-up is one document"},
    {SetupTextId::NotASetup, "文件中没有设置：应以 format: 1 开头，其后是 band、channels 等各节",
     "the file holds no set-up: it begins with format: 1, followed by band, channels and the "
     "other sections"},
    {SetupTextId::FormatMissing, "缺少 format: 1 一项，无法确定文件的格式",
     "format: 1 is missing, so the file's format is unknown"},
    {SetupTextId::FormatUnknown, "格式“%1”：本版本只能读取格式 1",
     "format \"%1\": this version reads format 1"},
    {SetupTextId::UnknownKey, "未知的键“%1”；此处的键有：%2",
     "unknown key \"%1\"; the keys here are: %2"},
    {SetupTextId::UnknownKeyNear, "未知的键“%1”：是否应为“%2”？",
     "unknown key \"%1\": did you mean \"%2\"?"},
    {SetupTextId::KeyTwice, "键“%1”出现了两次（第一次在第 %2 行）",
     "the key \"%1\" appears twice (first on line %2)"},
    {SetupTextId::NotASection, "此处应为若干“键: 值”", "keys with values are expected here"},
    {SetupTextId::NotAList, "此处应为以“- ”开头的列表",
     "a list of \"- \" entries is expected here"},
    {SetupTextId::NotAValue, "此处应为一个值", "a single value is expected here"},
    {SetupTextId::FieldMissing, "缺少 %1", "%1 is missing"},
    {SetupTextId::UnknownChannel,
     "“%1”不是信道：信道为 G1-01 至 G1-16、G2- 01 至 G2- 16、G3- 01 至 G3- 16",
     "\"%1\" is no channel: the channels are G1-01 to G1-16, G2- 01 to G2- 16 and G3- 01 to "
     "G3- 16"},
    {SetupTextId::ChannelTwice, "信道 %1 出现了两次（第一次在第 %2 行）",
     "channel %1 appears twice (first on line %2)"},
    {SetupTextId::UnknownTestChannel, "“%1”不是测试频道：测试频道为 01 至 16",
     "\"%1\" is no test channel: the test channels are 01 to 16"},
    {SetupTextId::TestChannelTwice, "测试频道 %1 出现了两次（第一次在第 %2 行）",
     "test channel %1 appears twice (first on line %2)"},
    {SetupTextId::NotAnItem, "“%1”不是该列表的选项：%2", "\"%1\" is not an item of its list: %2"},
    {SetupTextId::FrequencyEmpty, "为空：此处需要以 MHz 为单位的频率，例如 435.12500",
     "empty: a frequency in MHz such as 435.12500 is needed here"},
    {SetupTextId::NotAFrequency, "“%1”不是以 MHz 为单位的频率（例如 435.12500）",
     "\"%1\" is not a frequency in MHz such as 435.12500"},
    {SetupTextId::OutOfBand, "%1 超出频段 %2（%3 MHz 起，不到 %4 MHz）",
     "%1 is outside the band %2 (from %3 MHz up to, not including, %4 MHz)"},
    {SetupTextId::OffRaster, "%1 不在 5 kHz 或 6.25 kHz 的信道步进上：输入时会变为 %2",
     "%1 is not on the 5 kHz or 6.25 kHz channel raster: typed, it becomes %2"},
    {SetupTextId::TestFrequencyOutOfField,
     "%1：测试频率以三位整数、小数点和五位小数保存，应在 100 至 999.99999 MHz 之间",
     "%1: a test frequency is kept as three digits, a point and five decimals, from 100 to "
     "999.99999 MHz"},
    {SetupTextId::NotATone,
     "“%1”不是亚音频：应为 关闭/Off、67.0 至 254.1 Hz 的 CTCSS 音（一位小数）或列表中的 DCS "
     "码（D023N "
     "至 D754I）",
     "\"%1\" is not a tone: Off, a CTCSS tone from 67.0 to 254.1 Hz with one decimal, or a DCS "
     "code of the list (D023N to D754I)"},
    {SetupTextId::NotAWholeNumber, "“%1”不是 %2 至 %3 之间的整数",
     "\"%1\" is not a whole number from %2 to %3"},
    {SetupTextId::NotTrueOrFalse, "“%1”既不是 true 也不是 false",
     "\"%1\" is neither true nor false"},
    {SetupTextId::TooLong, "%1 个字符：对讲机最多保存 %2 个", "%1 characters: the radio keeps %2"},
    {SetupTextId::CharactersNotStored, "对讲机无法保存这些字符：%1（每个字符一个字节，仅 Latin-1）",
     "the radio cannot keep these characters: %1 (one byte each, Latin-1 only)"},
    {SetupTextId::NotDtmf, "DTMF 码中不能有：%1（只能是 0-9、A-D、* 和 #）",
     "not in a DTMF code: %1 (only 0-9, A-D, * and #)"},
    {SetupTextId::RefusedComment, "读取时会被拒绝：%1", "refused on reading: %1"},
    {SetupTextId::Place, "第 %1 行第 %2 列", "line %1, column %2"},
    {SetupTextId::PlaceLine, "第 %1 行", "line %1"},
    {SetupTextId::MissingKept, "文件中没有以下各项，保留新设置的值：%1",
     "not in the file, kept as in a new set-up: %1"},
    {SetupTextId::FileRefused, "无法打开 %2：发现 %1 处错误，未作任何改动。",
     "%2 cannot be opened: %1 errors were found, and nothing was changed."},
    {SetupTextId::MoreErrors, "……另有 %1 处错误", "... and %1 more errors"},
    {SetupTextId::RefusedOnSaving,
     "%2 已保存，但其中 %1 个值是窗口不接受的（见文件中的注释），读取该文件时会被拒绝：",
     "%2 was saved, but %1 values in it are ones the windows refuse (a comment in the file says "
     "why), and reading the file back refuses them:"},
    {SetupTextId::FilterName, "文本形式的设置", "Set-up as text"},
};
static_assert(RowsInIdOrder(kTexts, SetupTextId::FilterName),
              "kTexts must hold one row per SetupTextId, in enumeration order");

// The forms for a count of one.
constexpr TextRow<SetupTextId> kOnes[] = {
    {SetupTextId::FileRefused, "无法打开 %2：发现 %1 处错误，未作任何改动。",
     "%2 cannot be opened: an error was found, and nothing was changed."},
    {SetupTextId::MoreErrors, "……另有 %1 处错误", "... and 1 more error"},
    {SetupTextId::RefusedOnSaving,
     "%2 已保存，但其中 %1 个值是窗口不接受的（见文件中的注释），读取该文件时会被拒绝：",
     "%2 was saved, but a value in it is one the windows refuse (a comment in the file says "
     "why), and reading the file back refuses it:"},
};

// yaml-cpp's messages by their beginning; what follows the beginning (a character, a number) is
// kept.
struct ReaderMessage {
    std::string_view said;
    std::string_view chinese;
};
constexpr ReaderMessage kReaderMessages[] = {
    {"end of map not found", "映射（键: 值）没有正确结束，请检查缩进"},
    {"end of map flow not found", "缺少与 { 对应的 }"},
    {"end of sequence not found", "列表没有正确结束，请检查缩进"},
    {"end of sequence flow not found", "缺少与 [ 对应的 ]"},
    {"illegal map value", "此处不能有“键: 值”，请检查冒号和缩进"},
    {"illegal map key", "此处不能有键"},
    {"illegal block entry", "此处不能有“- ”列表项，请检查缩进"},
    {"illegal flow end", "多余的 ] 或 }"},
    {"illegal EOF in scalar", "引号没有闭合，文件就结束了"},
    {"unknown escape character: ", "未知的转义字符："},
    {"invalid unicode: ", "无效的 Unicode 字符："},
    {"bad character found while scanning hex number", "十六进制转义中有非十六进制数字"},
    {"the referenced anchor is not defined", "引用的锚点没有定义"},
    {"unknown token", "无法识别的内容"},
};

}  // namespace

std::string YamlReaderMessage(std::string_view said, Language language) {
    if (language == Language::English) return std::string(said);
    for (const ReaderMessage& message : kReaderMessages) {
        if (said.starts_with(message.said)) {
            return std::string(message.chinese) + std::string(said.substr(message.said.size()));
        }
    }
    return std::string(said);
}

std::string SetupTextMessage(SetupTextId id, Language language,
                             std::initializer_list<std::string_view> values) {
    return FilledCountText(kTexts, kOnes, id, language, values);
}

}  // namespace qv
