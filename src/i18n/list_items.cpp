// Item texts of every drop-down list. Each list is described once, as fixed items followed by an
// optional run of numbered items (and, for the tone list, the DCS codes); both languages are built
// from that description on first use and kept for the life of the program.
#include "i18n/list_items.h"

#include <array>
#include <cstddef>
#include <span>
#include <unordered_map>

namespace qv {
namespace {

// One text in Chinese and in English.
struct Texts {
    std::string_view chinese;
    std::string_view english;

    constexpr std::string_view In(Language language) const {
        return language == Language::English ? english : chinese;
    }
};

// A text that reads the same in both languages.
constexpr Texts Same(std::string_view text) {
    return {text, text};
}

// Numbered items: the values first + step·k for k = 0 .. count−1, written in decimal with
// `decimals` digits after the point (the value counts units of the last digit) and at least
// `width` digits before it, between prefix and suffix.
struct NumberRun {
    int first = 0;
    int step = 1;
    int count = 0;
    int decimals = 0;
    int width = 1;
    Texts prefix{};
    Texts suffix{};
};

// A list: its fixed items, then its numbered items, then the DCS codes once for each polarity
// letter (the tone list only).
struct ListRecipe {
    ListId id;
    std::span<const Texts> fixed{};
    NumberRun numbers{};
    std::span<const std::string_view> dcsPolarities{};
};

// Texts several lists share.
constexpr Texts kOff{"关闭", "Off"};
constexpr Texts kDisabled{"禁止", "Off"};
constexpr Texts kEnabled{"使能", "On"};
constexpr Texts kNone{"无", "No"};
constexpr Texts kSelected{"选定", "Selected"};
constexpr Texts kSeconds{" 秒", " S"};

constexpr Texts kVoiceLanguages[] = {{"中文", "Chinese"}, {"英文", "Englist"}};
constexpr Texts kOffOnly[] = {kOff};
constexpr Texts kDisabledEnabled[] = {kDisabled, kEnabled};

// The grid's tone list before its DCS codes: no tone, then the 50 CTCSS tones.
constexpr Texts kToneHead[] = {
    kOff,          Same("67.0"),  Same("69.3"),  Same("71.9"),  Same("74.4"),  Same("77.0"),
    Same("79.7"),  Same("82.5"),  Same("85.4"),  Same("88.5"),  Same("91.5"),  Same("94.8"),
    Same("97.4"),  Same("100.0"), Same("103.5"), Same("107.2"), Same("110.9"), Same("114.8"),
    Same("118.8"), Same("123.0"), Same("127.3"), Same("131.8"), Same("136.5"), Same("141.3"),
    Same("146.2"), Same("151.4"), Same("156.7"), Same("159.8"), Same("162.2"), Same("165.5"),
    Same("167.9"), Same("171.3"), Same("173.8"), Same("177.3"), Same("179.9"), Same("183.5"),
    Same("186.2"), Same("189.9"), Same("192.8"), Same("196.6"), Same("199.9"), Same("203.5"),
    Same("206.5"), Same("210.7"), Same("218.1"), Same("225.7"), Same("229.1"), Same("233.6"),
    Same("241.8"), Same("250.3"), Same("254.1")};

// The 105 DCS codes (three octal digits) in list order; each is listed as "D" + code + polarity.
constexpr std::string_view kDcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};
constexpr std::string_view kDcsPolarities[] = {"N", "I"};

constexpr Texts kPower[] = {{"低", "Low"}, {"高", "Hight"}};
constexpr Texts kBusyLockout[] = {kOff, {"载波", "Carrow"}};
constexpr Texts kBandwidth[] = {{"窄带", "Narrow"}, {"宽带", "Wide"}};
constexpr Texts kScanAdd[] = {kNone, {"有", "Have"}};

constexpr Texts kDtmfRates[] = {Same("6位"), Same("8位"), Same("10位"), Same("15位")};
constexpr Texts kCallAnswer[] = {{"关", "Off"}, {"开", "On"}};
constexpr Texts kPttId[] = {
    {"发射开始", "Launch Start"}, {"发射结束", "Launch End"}, {"两者", "Both"}};
constexpr Texts kVoxDelays[] = {Same("0.3S"), Same("0.5S"), Same("1S"),
                                Same("1.5S"), Same("2S"),   Same("3S")};
constexpr Texts kPriorityModes[] = {kNone, {"固定", "Fixed"}, kSelected};
constexpr Texts kRetraceEmpty[] = {{"空", "Empty"}};
constexpr Texts kReturnChannels[] = {kSelected,
                                     {"选定+当前", "Selected+Current"},
                                     {"优先", "priority"},
                                     {"优先+当前", "priority+Current"}};
constexpr Texts kDigitTimes[] = {Same("OFF"), Same("100MS"), Same("500MS"), Same("1000MS")};
constexpr Texts kDCode[] = {Same("D码")};
constexpr Texts kSidetone[] = {Same(kDisabled.chinese), Same(kEnabled.chinese)};
constexpr Texts kOffChinese[] = {Same(kOff.chinese)};
constexpr Texts kGroupCallCodes[] = {Same(kOff.chinese), Same("*"), Same("#"), Same("A"),
                                     Same("B"),          Same("C"), Same("D")};

// The key functions; a short press offers only the first ten.
constexpr Texts kKeyFunctions[] = {
    Same("OFF"),
    {"取消静噪", "Cancel static noise"},
    {"监听", "Surveillance"},
    {"照明灯开关", "Floodlight switch"},
    {"扫描", "Scan"},
    {"信道+", "Channel +"},
    {"信道-", "Channel -"},
    {"电量查询", "Electric search"},
    {"信道查询", "Channel search"},
    {"工作组切换", "Group switch"},
    {"瞬时取消静噪", "Instant cancel noise"},
    {"按键锁定", "Key lock"},
    {"报警", "Alarm"},
};
constexpr std::size_t kShortPressFunctions = 10;

constexpr NumberRun kRetraceTimes{
    .first = 50, .step = 5, .count = 91, .decimals = 2, .suffix = Same(" S")};

// One entry per ListId, in the order of the enumeration.
constexpr ListRecipe kLists[] = {
    {.id = ListId::VoiceLanguage, .fixed = kVoiceLanguages},
    {.id = ListId::TimeOut, .numbers = {.first = 15, .step = 15, .count = 40, .suffix = kSeconds}},
    {.id = ListId::TimeOutWarn,
     .fixed = kOffOnly,
     .numbers = {.first = 1, .count = 10, .suffix = kSeconds}},
    {.id = ListId::SquelchLevel, .numbers = {.count = 10, .suffix = {" 级", " Group"}}},
    {.id = ListId::BatterySave, .fixed = kDisabledEnabled},
    {.id = ListId::KeyBeep, .fixed = kDisabledEnabled},
    {.id = ListId::Tone, .fixed = kToneHead, .dcsPolarities = kDcsPolarities},
    {.id = ListId::Power, .fixed = kPower},
    {.id = ListId::BusyLockout, .fixed = kBusyLockout},
    {.id = ListId::Bandwidth, .fixed = kBandwidth},
    {.id = ListId::ScanAdd, .fixed = kScanAdd},
    {.id = ListId::DtmfRate, .fixed = kDtmfRates},
    {.id = ListId::CurrentChannel, .numbers = {.first = 1, .count = 16, .prefix = Same("CH-")}},
    {.id = ListId::CallAnswer, .fixed = kCallAnswer},
    {.id = ListId::WorkGroup, .numbers = {.first = 1, .count = 3, .prefix = {"组 ", "Group "}}},
    {.id = ListId::PttId, .fixed = kPttId},
    {.id = ListId::VoxFunction, .fixed = kDisabledEnabled},
    {.id = ListId::VoxGain, .fixed = kOffOnly, .numbers = {.first = 1, .count = 5}},
    {.id = ListId::VoxDelay, .fixed = kVoxDelays},
    {.id = ListId::VoxVolume, .fixed = kDisabledEnabled},
    {.id = ListId::RemoteAlarm, .fixed = kDisabledEnabled},
    {.id = ListId::PriorityMode, .fixed = kPriorityModes},
    {.id = ListId::PriorityChannel, .numbers = {.first = 1, .count = 16, .width = 2}},
    {.id = ListId::RetraceTimeA, .fixed = kRetraceEmpty, .numbers = kRetraceTimes},
    {.id = ListId::RetraceTimeB, .fixed = kRetraceEmpty, .numbers = kRetraceTimes},
    {.id = ListId::ReturnChannel, .fixed = kReturnChannels},
    {.id = ListId::FirstDigitTime, .fixed = kDigitTimes},
    {.id = ListId::StarHashTone, .fixed = kDigitTimes},
    {.id = ListId::FirstDigitDelay,
     .numbers = {.first = 100, .step = 50, .count = 19, .suffix = Same("MS")}},
    {.id = ListId::DKey,
     .fixed = kDCode,
     .numbers = {.first = 1, .count = 16, .suffix = Same("秒")}},
    {.id = ListId::DtmfSidetone, .fixed = kSidetone},
    {.id = ListId::AutoReset,
     .fixed = kOffChinese,
     .numbers = {.first = 1, .count = 15, .suffix = Same("秒")}},
    {.id = ListId::GroupCallCode, .fixed = kGroupCallCodes},
    {.id = ListId::LongPressKey, .fixed = kKeyFunctions},
    {.id = ListId::ShortPressKey, .fixed = std::span(kKeyFunctions).first(kShortPressFunctions)},
};

constexpr std::size_t kListCount = std::size(kLists);

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kListCount; ++i) {
        if (static_cast<std::size_t>(kLists[i].id) != i) return false;
    }
    return static_cast<std::size_t>(ListId::ShortPressKey) + 1 == kListCount;
}
static_assert(InEnumOrder(), "kLists must hold one entry per ListId, in enumeration order");

std::string FormatNumber(int value, int decimals, int width) {
    int scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string whole = std::to_string(value / scale);
    if (static_cast<int>(whole.size()) < width) {
        whole.insert(0, static_cast<std::size_t>(width) - whole.size(), '0');
    }
    if (decimals == 0) return whole;
    std::string fraction = std::to_string(value % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return whole + "." + fraction;
}

std::vector<std::string> BuildList(const ListRecipe& recipe, Language language) {
    std::vector<std::string> items;
    for (const Texts& item : recipe.fixed) items.emplace_back(item.In(language));
    const NumberRun& run = recipe.numbers;
    for (int k = 0; k < run.count; ++k) {
        std::string item(run.prefix.In(language));
        item += FormatNumber(run.first + run.step * k, run.decimals, run.width);
        item += run.suffix.In(language);
        items.push_back(std::move(item));
    }
    for (std::string_view polarity : recipe.dcsPolarities) {
        for (std::string_view code : kDcsCodes) {
            std::string item = "D";
            item += code;
            item += polarity;
            items.push_back(std::move(item));
        }
    }
    return items;
}

using LanguageLists = std::array<std::vector<std::string>, 2>;

const std::array<LanguageLists, kListCount>& AllLists() {
    static const std::array<LanguageLists, kListCount> lists = [] {
        std::array<LanguageLists, kListCount> built;
        for (std::size_t i = 0; i < kListCount; ++i) {
            built[i][0] = BuildList(kLists[i], Language::Chinese);
            built[i][1] = BuildList(kLists[i], Language::English);
        }
        return built;
    }();
    return lists;
}

std::size_t LanguageSlot(Language language) {
    return language == Language::English ? 1 : 0;
}

}  // namespace

const std::vector<std::string>& ListItems(ListId list, Language language) {
    static const std::vector<std::string> kNoItems;
    const auto index = static_cast<std::size_t>(list);
    if (index >= kListCount) return kNoItems;
    return AllLists()[index][LanguageSlot(language)];
}

std::string_view ListItem(ListId list, int position, Language language) {
    const std::vector<std::string>& items = ListItems(list, language);
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) return {};
    return items[static_cast<std::size_t>(position)];
}

int FindListItem(ListId list, std::string_view text) {
    // The codec looks up every tone and flag cell of every channel: an index per list, Chinese
    // positions first, so a text found in both languages gives its Chinese position.
    using Index = std::unordered_map<std::string_view, int>;
    static const std::array<Index, kListCount> indexes = [] {
        std::array<Index, kListCount> built;
        for (std::size_t i = 0; i < kListCount; ++i) {
            for (Language language : {Language::Chinese, Language::English}) {
                const std::vector<std::string>& items = AllLists()[i][LanguageSlot(language)];
                for (std::size_t k = 0; k < items.size(); ++k) {
                    built[i].emplace(items[k], static_cast<int>(k));
                }
            }
        }
        return built;
    }();
    const auto index = static_cast<std::size_t>(list);
    if (index >= kListCount) return -1;
    const auto found = indexes[index].find(text);
    return found == indexes[index].end() ? -1 : found->second;
}

}  // namespace qv
