#include "rules/plans/import_summary.h"

#include "i18n/desktop_texts.h"
#include "rules/channels/grid_rules.h"

namespace qv {

std::string ChannelRanges(const std::vector<int>& channels) {
    std::string text;
    for (std::size_t k = 0; k < channels.size();) {
        std::size_t last = k;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(channels[k]);
        if (last > k) text += "-" + std::to_string(channels[last]);
        k = last + 1;
    }
    return text;
}

std::string ImportSummary(const ChannelPlanImport& import, Language language) {
    if (import.refused) {
        return DesktopTextWith(DesktopText::ImportRefused, language,
                               {Describe(*import.refused, language)});
    }
    if (import.filled.empty())
        return std::string(DesktopTextOf(DesktopText::ImportFillsNothing, language));
    std::string text =
        DesktopTextWith(DesktopText::ImportWillFill, language,
                        {std::to_string(import.filled.size()), ChannelRanges(import.filled)});
    if (!import.replaced.empty()) {
        text += ' ';
        text += DesktopTextWith(
            DesktopText::ImportWillReplace, language,
            {std::to_string(import.replaced.size()), ChannelRanges(import.replaced)});
    }
    return text;
}

std::vector<std::string> StartChannelChoices(const Setup& setup, Language language) {
    std::vector<std::string> choices;
    const int first = FirstEmptyChannel(setup);
    choices.push_back(
        first <= kChannelCount
            ? DesktopTextWith(DesktopText::ImportFirstEmpty, language,
                              {std::to_string(first) + " " + ChannelLabel(first)})
            : std::string(DesktopTextOf(DesktopText::ImportNoEmptyChannel, language)));
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        choices.push_back(std::to_string(channel) + " " + ChannelLabel(channel));
    }
    return choices;
}

PlanPlacement PlacementOfChoice(int position) {
    if (position >= 1 && position <= kChannelCount) return PlanPlacement::FromChannel(position);
    return PlanPlacement::FirstEmpty();
}

}  // namespace qv
