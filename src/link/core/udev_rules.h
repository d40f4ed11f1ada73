// udev's rule files as far as the port diagnosis needs them: which files are in force, their rules
// as items, and whether a rule names a USB adapter by its ids. The flow of GOTO and LABEL is not
// followed: a rule counts by what its own line matches and assigns.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "link/core/serial_devices.h"

namespace qv {

// KEY{attribute} OP "value", as written: {"ATTRS{idVendor}", "==", "1a86"}.
struct UdevRuleItem {
    std::string key;
    std::string op;
    std::string value;
};

// One rule: a line of a rule file, with its continuation lines.
struct UdevRule {
    std::filesystem::path file;
    int line = 0;  // where it begins, counted from 1
    std::vector<UdevRuleItem> items;

    // Whether the rule's matches take in `usb` by its ids (ATTRS{idVendor} and {idProduct},
    // ENV{ID_VENDOR_ID} and {ID_MODEL_ID}, or ENV{PRODUCT} "1a86/7523/*"): it names the vendor
    // and every id it names matches. A rule that names no vendor claims no adapter.
    bool ClaimsUsb(const UsbAdapter& usb) const;
    // Whether the rule sets `key` to `value` (=, += or :=).
    bool Assigns(std::string_view key, std::string_view value) const;
};

// The rule files udev reads from `folders`, in name order: a file hides those of the same name in
// later folders, and one that is empty or a link to /dev/null (masked) hides them and is left out.
std::vector<std::filesystem::path> RuleFilesInEffect(
    const std::vector<std::filesystem::path>& folders);

// The rules of `file`, comments and blank lines left out; none when it cannot be read.
std::vector<UdevRule> ReadRules(const std::filesystem::path& file);

// udev's match of a value against a pattern: shell wildcards (*, ?, [...]) and alternatives
// separated by "|".
bool UdevPatternMatches(std::string_view pattern, std::string_view value);

}  // namespace qv
