#include "rules/compare/setup_compare.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <span>

#include "i18n/compare_texts.h"
#include "image/field_codecs.h"
#include "image/image_codec.h"
#include "image/image_layout.h"
#include "image/written_bytes.h"
#include "rules/compare/compared_fields.h"

namespace qv {
namespace {

constexpr std::size_t kFirstRadioAddress = 0x0010;  // of image byte 0

// Part of the image that decodes on its own: a field of the layout with the copies the encoder
// writes of it elsewhere (the band code's second copy), or filler between fields.
struct Region {
    std::vector<ImageRange> spans;
    // The band code, which a difference of the bands tells.
    bool band = false;
};

std::vector<Region> Regions() {
    std::vector<Region> regions;
    std::array<bool, kImageBytes> covered{};
    const std::span<const ImageField> layout = ImageLayout();
    for (const ImageField& field : layout) {
        std::fill_n(covered.begin() + field.offset, field.size, true);
        // A copy that nothing reads goes with the field that is read.
        if (field.decode == nullptr && field.encode != nullptr) continue;
        Region region{{{field.offset, field.size}}, field.decode == DecodeBand};
        for (const ImageField& copy : layout) {
            if (&copy != &field && copy.decode == nullptr && copy.encode != nullptr &&
                copy.encode == field.encode) {
                region.spans.push_back({copy.offset, copy.size});
            }
        }
        regions.push_back(std::move(region));
    }
    // Fields written but never read, without a field that is read beside them: the password.
    for (const ImageField& field : layout) {
        if (field.decode != nullptr || field.encode == nullptr) continue;
        const bool withItsField = std::any_of(layout.begin(), layout.end(), [&](const auto& other) {
            return other.decode != nullptr && other.encode == field.encode;
        });
        if (!withItsField) regions.push_back({{{field.offset, field.size}}});
    }
    for (std::size_t at = 0; at < kImageBytes;) {
        if (covered[at]) {
            ++at;
            continue;
        }
        const std::size_t from = at;
        while (at < kImageBytes && !covered[at]) ++at;
        regions.push_back({{{from, at - from}}});
    }
    return regions;
}

bool SameBytes(const ImageBytes& one, const ImageBytes& other, const ImageRange& span) {
    const auto from = static_cast<std::ptrdiff_t>(span.first);
    const auto to = from + static_cast<std::ptrdiff_t>(span.count);
    return std::equal(one.begin() + from, one.begin() + to, other.begin() + from);
}

// The set-up's named values in both languages, decoded from scratch so that both sides start
// from the same values.
struct BothLanguages {
    std::vector<NamedValue> chinese;
    std::vector<NamedValue> english;
};

BothLanguages NamedValuesOf(const ImageBytes& image) {
    return {NamedValues(DecodeSetup(image, Setup{}, Language::Chinese).setup, Language::Chinese),
            NamedValues(DecodeSetup(image, Setup{}, Language::English).setup, Language::English)};
}

// The values a region changes (`patched`, the expected image with the region's bytes from the
// radio) told with the values of the whole comparison (`actual`), a channel in use on one side
// only as one difference for the channel: its cells, here or in a later region (the scan list),
// are not told again.
struct RegionDifferences {
    std::vector<SetupDifference> found;
    // A value the region changes differs in the whole comparison too (also one already told for
    // its whole channel).
    bool covered = false;
};

RegionDifferences Differences(const BothLanguages& expected, const BothLanguages& patched,
                              const BothLanguages& actual, std::set<int>& wholeChannels) {
    RegionDifferences result;
    const auto differ = [&expected](const BothLanguages& other, std::size_t i) {
        return expected.english[i].value != other.english[i].value ||
               expected.chinese[i].value != other.chinese[i].value;
    };
    const std::string empty = CompareText(CompareTextId::Empty, Language::English);
    for (std::size_t i = 0; i < expected.english.size(); ++i) {
        if (!differ(patched, i) || !differ(actual, i)) continue;
        result.covered = true;
        const NamedValue& wrote = expected.english[i];
        const NamedValue& holds = actual.english[i];
        if (wrote.wholeChannel) {
            // Only when one side is empty does the channel as a whole say it best.
            if (wrote.value != empty && holds.value != empty) continue;
            wholeChannels.insert(wrote.channel);
        } else if (wholeChannels.contains(wrote.channel)) {
            continue;
        }
        result.found.push_back({{expected.chinese[i].name, wrote.name},
                                {expected.chinese[i].value, wrote.value},
                                {actual.chinese[i].value, holds.value}});
    }
    return result;
}

std::string HexBytes(const ImageBytes& image, std::size_t first, std::size_t count) {
    std::string text;
    for (std::size_t k = first; k < first + count; ++k) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", image[k]);
        if (!text.empty()) text += ' ';
        text += hex;
    }
    return text;
}

// The bytes of a span that differ, from the first to the last, named by their radio addresses.
SetupDifference RawDifference(const ImageBytes& expected, const ImageBytes& actual,
                              const ImageRange& span) {
    std::size_t first = span.first;
    std::size_t last = span.end() - 1;
    while (expected[first] == actual[first]) ++first;
    while (expected[last] == actual[last]) --last;
    char addresses[32];
    if (first == last) {
        std::snprintf(addresses, sizeof addresses, "0x%04zX", first + kFirstRadioAddress);
    } else {
        std::snprintf(addresses, sizeof addresses, "0x%04zX-0x%04zX", first + kFirstRadioAddress,
                      last + kFirstRadioAddress);
    }
    const std::string wrote = HexBytes(expected, first, last - first + 1);
    const std::string holds = HexBytes(actual, first, last - first + 1);
    return {{CompareText(CompareTextId::RadioMemory, Language::Chinese, {addresses}),
             CompareText(CompareTextId::RadioMemory, Language::English, {addresses})},
            {wrote, wrote},
            {holds, holds}};
}

// Whether the region's bytes change what a window shows of `actual`: bytes that only count beside
// other fields (the scan flags of channels in use on one side only) are told with those fields.
// `shown` holds the named values of `actual`.
bool ShowsOnTheOtherSide(const ImageBytes& expected, const ImageBytes& actual,
                         const BothLanguages& shown, const Region& region) {
    ImageBytes patched = actual;
    for (const ImageRange& span : region.spans) {
        const auto from = static_cast<std::ptrdiff_t>(span.first);
        std::copy_n(expected.begin() + from, span.count, patched.begin() + from);
    }
    const BothLanguages patchedValues = NamedValuesOf(patched);
    std::set<int> none;
    return Differences(shown, patchedValues, patchedValues, none).covered;
}

// The two bands, when they differ.
SetupDifference BandDifference(int expected, int actual) {
    const auto side = [](int band) {
        return BilingualText{NamedBand(band, Language::Chinese).value,
                             NamedBand(band, Language::English).value};
    };
    return {
        {NamedBand(expected, Language::Chinese).name, NamedBand(expected, Language::English).name},
        side(expected),
        side(actual)};
}

}  // namespace

int BandOfImage(const ImageBytes& image) {
    return DecodeSetup(image, Setup{}, Language::English).setup.Combo1;
}

std::vector<SetupDifference> CompareImages(const ComparedImage& expectedSide,
                                           const ComparedImage& actualSide,
                                           bool calibrationUnlocked) {
    const ImageBytes& expected = expectedSide.bytes;
    const ImageBytes compared = KeepWrittenBytes(actualSide.bytes, expected, calibrationUnlocked);
    const bool sameBand = expectedSide.band == actualSide.band;
    if (compared == expected && sameBand) return {};
    std::vector<SetupDifference> differences;
    if (!sameBand) differences.push_back(BandDifference(expectedSide.band, actualSide.band));
    const BothLanguages wrote = NamedValuesOf(expected);
    const BothLanguages holds = NamedValuesOf(compared);
    std::set<std::string> named;
    std::set<int> wholeChannels;
    // Region by region, each on top of the expected image: a difference is found where its bytes
    // are, and bytes that differ without changing what any window shows are told as bytes.
    for (const Region& region : Regions()) {
        // Band codes of two different bands are the bands' difference, told above.
        if (region.band && !sameBand) continue;
        ImageBytes patched = expected;
        bool differs = false;
        for (const ImageRange& span : region.spans) {
            if (SameBytes(expected, compared, span)) continue;
            differs = true;
            const auto from = static_cast<std::ptrdiff_t>(span.first);
            std::copy_n(compared.begin() + from, span.count, patched.begin() + from);
        }
        if (!differs) continue;
        const RegionDifferences told =
            Differences(wrote, NamedValuesOf(patched), holds, wholeChannels);
        if (!told.covered && !ShowsOnTheOtherSide(expected, compared, holds, region)) {
            for (const ImageRange& span : region.spans) {
                if (!SameBytes(expected, compared, span)) {
                    differences.push_back(RawDifference(expected, compared, span));
                }
            }
            continue;
        }
        for (const SetupDifference& difference : told.found) {
            if (named.insert(difference.field.english).second) differences.push_back(difference);
        }
    }
    return differences;
}

std::vector<SetupDifference> CompareSetupWithRadio(const Setup& shown, const ImageBytes& radio,
                                                   int radioBand, bool calibrationUnlocked) {
    return CompareImages({EncodeImage(shown), shown.Combo1}, {radio, radioBand},
                         calibrationUnlocked);
}

std::string DescribeDifference(const SetupDifference& difference, DifferenceWording wording,
                               Language language) {
    const CompareTextId id = wording == DifferenceWording::Verify
                                 ? CompareTextId::WroteButRadioHolds
                                 : CompareTextId::ShownButRadioHolds;
    return CompareText(id, language,
                       {difference.field.In(language), difference.expected.In(language),
                        difference.actual.In(language)});
}

std::string DescribeDifference(const SetupDifference& difference, const std::string& first,
                               const std::string& second, Language language) {
    return CompareText(CompareTextId::OneHasOtherHas, language,
                       {difference.field.In(language), first, difference.expected.In(language),
                        second, difference.actual.In(language)});
}

std::string DescribeDifferences(const std::vector<SetupDifference>& differences,
                                DifferenceWording wording, Language language, std::size_t limit) {
    std::string text;
    const std::size_t shown = std::min(limit, differences.size());
    for (std::size_t i = 0; i < shown; ++i) {
        text += DescribeDifference(differences[i], wording, language) + "\n";
    }
    if (shown < differences.size()) {
        text += CompareText(CompareTextId::MoreDifferences, language,
                            {std::to_string(differences.size() - shown)}) +
                "\n";
    }
    return text;
}

}  // namespace qv
