// What an import of a channel plan will do, in words, before the user agrees to it: the channels
// it fills and replaces, or why the whole file is refused.
#pragma once

#include <string>
#include <vector>

#include "i18n/language.h"
#include "rules/plans/channel_plan_import.h"

namespace qv {

// "3", "3-14" or "3-5, 9": channel numbers as a person reads them, in the order given.
std::string ChannelRanges(const std::vector<int>& channels);

// One or two sentences: the channels filled and those of them replaced; the refusal of the whole
// file; or that no row can be imported.
std::string ImportSummary(const ChannelPlanImport& import, Language language);

// The channels the import could start from, for a list: position 0 the first empty channel (the
// default), then channels 1 to 48 by their labels.
std::vector<std::string> StartChannelChoices(const Setup& setup, Language language);

// Where the rows go for the choice at `position` of that list.
PlanPlacement PlacementOfChoice(int position);

}  // namespace qv
