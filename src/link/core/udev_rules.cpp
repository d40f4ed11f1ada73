#include "link/core/udev_rules.h"

#include <fnmatch.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

#include "link/core/system_files.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// What a key of a match says about a USB adapter.
enum class IdKind { Vendor, Product, ProductTriple };

struct IdKey {
    std::string_view key;
    IdKind kind;
};

constexpr IdKey kIdKeys[] = {
    {"ATTRS{idVendor}", IdKind::Vendor},     {"ATTR{idVendor}", IdKind::Vendor},
    {"SYSFS{idVendor}", IdKind::Vendor},     {"ENV{ID_VENDOR_ID}", IdKind::Vendor},
    {"ATTRS{idProduct}", IdKind::Product},   {"ATTR{idProduct}", IdKind::Product},
    {"SYSFS{idProduct}", IdKind::Product},   {"ENV{ID_MODEL_ID}", IdKind::Product},
    {"ENV{PRODUCT}", IdKind::ProductTriple},
};

// Operators, the longer before the ones they begin with.
constexpr std::string_view kOperators[] = {"==", "!=", "+=", "-=", ":=", "="};

// A USB device's PRODUCT as the kernel writes it: "1a86/7523/264", hexadecimal without zeros in
// front.
std::string ProductTriple(const UsbAdapter& usb) {
    const auto number = [](const std::string& hex) {
        const std::size_t digit = hex.find_first_not_of('0');
        return digit == std::string::npos ? std::string("0") : hex.substr(digit);
    };
    return number(usb.vid) + "/" + number(usb.pid) + "/" +
           number(usb.revision.empty() ? "0" : usb.revision);
}

// The items of a rule's text. Reading stops at what is no item; what came before counts.
std::vector<UdevRuleItem> ParseItems(std::string_view text) {
    std::vector<UdevRuleItem> items;
    std::size_t at = 0;
    const auto skip = [&] {
        while (at < text.size() &&
               (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == ',')) {
            ++at;
        }
    };
    for (skip(); at < text.size(); skip()) {
        UdevRuleItem item;
        const std::size_t keyStart = at;
        while (at < text.size() &&
               (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '_')) {
            ++at;
        }
        if (at < text.size() && text[at] == '{') {
            const std::size_t close = text.find('}', at);
            if (close == std::string_view::npos) break;
            at = close + 1;
        }
        item.key = std::string(text.substr(keyStart, at - keyStart));
        while (at < text.size() && text[at] == ' ') ++at;
        for (const std::string_view op : kOperators) {
            if (text.substr(at, op.size()) == op) {
                item.op = std::string(op);
                at += op.size();
                break;
            }
        }
        while (at < text.size() && text[at] == ' ') ++at;
        // A value may carry a one-letter prefix (e"..." for escapes).
        if (at + 1 < text.size() && std::isalpha(static_cast<unsigned char>(text[at])) &&
            text[at + 1] == '"') {
            ++at;
        }
        if (item.key.empty() || item.op.empty() || at >= text.size() || text[at] != '"') break;
        std::size_t close = at + 1;
        while (close < text.size() && text[close] != '"') close += text[close] == '\\' ? 2 : 1;
        if (close >= text.size()) break;
        item.value = std::string(text.substr(at + 1, close - at - 1));
        at = close + 1;
        items.push_back(std::move(item));
    }
    return items;
}

bool IsMasked(const fs::path& file) {
    std::error_code error;
    if (fs::is_symlink(file, error) && fs::read_symlink(file, error) == "/dev/null") return true;
    return fs::is_regular_file(file, error) && fs::file_size(file, error) == 0;
}

}  // namespace

bool UdevRule::ClaimsUsb(const UsbAdapter& usb) const {
    bool vendorNamed = false;
    for (const UdevRuleItem& item : items) {
        if (item.op != "==") continue;
        for (const IdKey& id : kIdKeys) {
            if (item.key != id.key) continue;
            switch (id.kind) {
                case IdKind::Vendor:
                    vendorNamed = true;
                    if (!UdevPatternMatches(item.value, usb.vid)) return false;
                    break;
                case IdKind::Product:
                    if (!UdevPatternMatches(item.value, usb.pid)) return false;
                    break;
                case IdKind::ProductTriple:
                    vendorNamed = true;
                    if (!UdevPatternMatches(item.value, ProductTriple(usb))) return false;
                    break;
            }
        }
    }
    return vendorNamed;
}

bool UdevRule::Assigns(std::string_view key, std::string_view value) const {
    for (const UdevRuleItem& item : items) {
        if (item.key == key && item.value == value &&
            (item.op == "=" || item.op == "+=" || item.op == ":=")) {
            return true;
        }
    }
    return false;
}

std::vector<fs::path> RuleFilesInEffect(const std::vector<fs::path>& folders) {
    std::set<std::string> seen;
    std::vector<std::pair<std::string, fs::path>> files;
    for (const fs::path& folder : folders) {
        for (const fs::path& file : FolderEntries(folder)) {
            const std::string name = file.filename().string();
            if (file.extension() != ".rules" || !seen.insert(name).second) continue;
            if (!IsMasked(file)) files.emplace_back(name, file);
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<fs::path> inEffect;
    for (const auto& [name, file] : files) inEffect.push_back(file);
    return inEffect;
}

std::vector<UdevRule> ReadRules(const fs::path& file) {
    std::vector<UdevRule> rules;
    std::ifstream in(file);
    std::string text;
    int number = 0;
    int first = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (text.empty()) first = number;
        const std::size_t start = line.find_first_not_of(" \t");
        if (text.empty() && (start == std::string::npos || line[start] == '#')) continue;
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
            line.pop_back();
        }
        if (!line.empty() && line.back() == '\\') {
            line.pop_back();
            text += line + " ";
            continue;
        }
        text += line;
        rules.push_back({file, first, ParseItems(text)});
        text.clear();
    }
    if (!text.empty()) rules.push_back({file, first, ParseItems(text)});
    return rules;
}

bool UdevPatternMatches(std::string_view pattern, std::string_view value) {
    const std::string text(value);
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = pattern.find('|', start);
        const std::string alternative(pattern.substr(start, bar - start));
        if (::fnmatch(alternative.c_str(), text.c_str(), 0) == 0) return true;
        if (bar == std::string_view::npos) return false;
        start = bar + 1;
    }
}

}  // namespace qv
