#include "rules/station/station_log.h"

#include <charconv>
#include <cstdio>
#include <ctime>

#include "image/written_bytes.h"
#include "rules/plans/csv_reader.h"
#include "rules/plans/csv_writer.h"
#include "rules/station/sha256.h"

namespace qv {
namespace {

constexpr char kSeparator = ',';

struct Word {
    int value;
    std::string_view text;
};

constexpr Word kResultWords[] = {
    {static_cast<int>(StationResult::Written), "written"},
    {static_cast<int>(StationResult::Failed), "failed"},
    {static_cast<int>(StationResult::Skipped), "skipped"},
};
constexpr Word kVerifyWords[] = {
    {static_cast<int>(StationVerify::Verified), "verified"},
    {static_cast<int>(StationVerify::Differs), "differs"},
    {static_cast<int>(StationVerify::NotChecked), "not checked"},
};

template <std::size_t N>
std::string_view WordOf(const Word (&words)[N], int value) {
    for (const Word& word : words) {
        if (word.value == value) return word.text;
    }
    return {};
}

template <std::size_t N>
std::optional<int> ValueOf(const Word (&words)[N], std::string_view text) {
    for (const Word& word : words) {
        if (word.text == text) return word.value;
    }
    return std::nullopt;
}

std::string SecondsText(double seconds) {
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, seconds, std::chars_format::fixed, 2);
    if (error != std::errc()) return "0.00";
    return std::string(text, end);
}

template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// "+02:00", "-05:30", "+00:00".
std::string OffsetText(std::chrono::seconds offset) {
    const long long total = offset.count();
    // Time zones lie within a day of UTC.
    const int minutes = static_cast<int>((total < 0 ? -total : total) / 60 % (24 * 60));
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d", total < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

}  // namespace

std::string_view StationResultWord(StationResult result) {
    return WordOf(kResultWords, static_cast<int>(result));
}

std::string_view StationVerifyWord(StationVerify verify) {
    return WordOf(kVerifyWords, static_cast<int>(verify));
}

std::string StationLogHeader() {
    std::string out;
    AppendCsvRecord(out, kStationLogColumns, kSeparator);
    return out;
}

std::string StationLogRecord(const StationLogRow& row) {
    const std::string radio = std::to_string(row.radio);
    const std::string seconds = SecondsText(row.seconds);
    const std::array<std::string_view, kStationLogColumns.size()> cells = {
        row.time,
        row.port,
        row.device,
        radio,
        row.band,
        row.setup,
        row.setupSha256,
        row.line1,
        row.line2,
        StationResultWord(row.result),
        StationVerifyWord(row.verify),
        row.backup,
        seconds,
        row.detail,
    };
    std::string out;
    AppendCsvRecord(out, cells, kSeparator);
    return out;
}

std::optional<std::vector<StationLogRow>> ReadStationLog(std::string_view text,
                                                         std::vector<int>* leftOut) {
    CsvReader reader(text, kSeparator);
    CsvRecord record;
    if (!reader.Next(record) || record.fields.size() != kStationLogColumns.size() ||
        !std::equal(record.fields.begin(), record.fields.end(), kStationLogColumns.begin())) {
        return std::nullopt;
    }
    std::vector<StationLogRow> rows;
    const auto leaveOut = [&] {
        if (leftOut != nullptr && !record.Blank()) leftOut->push_back(record.line);
    };
    while (reader.Next(record)) {
        const std::vector<std::string>& f = record.fields;
        if (record.quotesOutOfPlace || f.size() != kStationLogColumns.size()) {
            leaveOut();
            continue;
        }
        const auto radio = NumberOf<int>(f[3]);
        const auto result = ValueOf(kResultWords, f[9]);
        const auto verify = ValueOf(kVerifyWords, f[10]);
        const auto seconds = NumberOf<double>(f[12]);
        if (!radio || !result || !verify || !seconds) {
            leaveOut();
            continue;
        }
        rows.push_back({f[0], f[1], f[2], *radio, f[4], f[5], f[6], f[7], f[8],
                        static_cast<StationResult>(*result), static_cast<StationVerify>(*verify),
                        f[11], *seconds, f[13]});
    }
    return rows;
}

std::string IsoTime(std::chrono::system_clock::time_point when, std::chrono::seconds offset) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(when) + static_cast<std::time_t>(offset.count());
    std::tm shifted{};
#ifdef _WIN32
    gmtime_s(&shifted, &seconds);
#else
    gmtime_r(&seconds, &shifted);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &shifted);
    return text + OffsetText(offset);
}

std::string LocalIsoTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
    const std::chrono::seconds offset{static_cast<long long>(_mkgmtime(&local) - seconds)};
#else
    localtime_r(&seconds, &local);
    const std::chrono::seconds offset{local.tm_gmtoff};
#endif
    return IsoTime(when, offset);
}

std::filesystem::path StationLogBeside(const std::filesystem::path& backupFolder) {
    return backupFolder.parent_path() / kStationLogFileName;
}

std::string WrittenBytesSha256(const ImageBytes& image, bool calibrationWritten) {
    std::vector<std::uint8_t> written;
    written.reserve(image.size());
    for (const ImageRange& range : WrittenRanges(calibrationWritten)) {
        written.insert(written.end(), image.begin() + static_cast<std::ptrdiff_t>(range.first),
                       image.begin() + static_cast<std::ptrdiff_t>(range.end()));
    }
    return Sha256Hex(written);
}

}  // namespace qv
