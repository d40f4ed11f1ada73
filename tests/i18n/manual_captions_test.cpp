// The user manual speaks the program's own words: every caption and message it quotes is one the
// program shows in the manual's language, and both languages cover the same sections.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "i18n/captions.h"
#include "i18n/desktop_texts.h"
#include "i18n/fleet_texts.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "i18n/setup_text_texts.h"
#include "i18n/station_texts.h"
#include "i18n/station_window_texts.h"
#include "link/core/port_mapping.h"
#include "state/bands.h"

namespace qv {
namespace {

std::string Read(const std::string& name) {
    std::ifstream file(std::string(QV_MANUAL_FOLDER) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string Unescaped(std::string text) {
    static const std::pair<std::string, std::string> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + character.size())) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// A caption as the window shows it: the mnemonic marker gone, blanks at the ends trimmed, a line
// break in the page read as a blank.
std::string Shown(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c == '&') continue;
        shown += c == '\n' ? ' ' : c;
    }
    const auto first = shown.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return shown.substr(first, shown.find_last_not_of(' ') - first + 1);
}

// The texts of `class` spans of a page.
std::vector<std::string> Quoted(const std::string& page, const std::string& cssClass) {
    const std::regex span("<span class=\"" + cssClass + "\">([^<]*)</span>");
    std::vector<std::string> texts;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), span);
         it != std::sregex_iterator(); ++it) {
        texts.push_back(Shown(Unescaped((*it)[1].str())));
    }
    return texts;
}

std::vector<std::string> Matches(const std::string& page, const std::string& pattern) {
    const std::regex expression(pattern);
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), expression);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

std::set<std::string> Captions(Language language) {
    std::set<std::string> texts;
    for (const WindowId window : kCaptionWindows) {
        for (const auto* table : {&CaptionTable(window), &FixedCaptions(window)}) {
            for (const CaptionEntry& entry : *table) texts.insert(Shown(entry.Text(language)));
        }
    }
    for (const Band& band : kBands) texts.insert(std::string(band.listText));
    for (const int id :
         {kIdOk, kIdCancel, kIdAbort, kIdRetry, kIdIgnore, kIdYes, kIdNo, kIdSave, kIdDiscard}) {
        texts.insert(std::string(MsgBoxButtonText(id, static_cast<int>(language))));
    }
    // The import and restore windows' own captions.
    for (const DesktopText caption :
         {DesktopText::ImportFromChannel, DesktopText::ImportAtLocation, DesktopText::RestoreOpen,
          DesktopText::RestoreWrite, DesktopText::Close}) {
        texts.insert(Shown(DesktopTextOf(caption, language)));
    }
    // The file dialogs' type of a set-up as text.
    texts.insert(SetupTextMessage(SetupTextId::FilterName, language) + " (*.yaml)");
    // The window that writes several radios.
    for (const FleetTextId id :
         {FleetTextId::WindowTitle, FleetTextId::OtherBand, FleetTextId::Verify,
          FleetTextId::BackupFirst, FleetTextId::Start, FleetTextId::Stop}) {
        texts.insert(Shown(FleetText(id, language)));
    }
    // The programming station's window.
    for (const StationWindowTextId id :
         {StationWindowTextId::WindowTitle, StationWindowTextId::Ports, StationWindowTextId::Lines,
          StationWindowTextId::KeepLines, StationWindowTextId::PatternLines,
          StationWindowTextId::RosterLines, StationWindowTextId::LineOne,
          StationWindowTextId::LineTwo, StationWindowTextId::FirstNumber,
          StationWindowTextId::RosterFile, StationWindowTextId::RosterBrowse,
          StationWindowTextId::LogFile, StationWindowTextId::LogBrowse, StationWindowTextId::Bench,
          StationWindowTextId::Table, StationWindowTextId::StopNow}) {
        texts.insert(Shown(StationWindowText(id, language)));
    }
    return texts;
}

std::set<std::string> Messages(Language language) {
    std::set<std::string> texts;
    for (int id = 0; id <= static_cast<int>(MessageId::QuitAfterTransferQuestion); ++id) {
        texts.insert(Shown(MessageText(static_cast<MessageId>(id), language)));
    }
    for (int port = 1; port <= kPortCount; ++port) {
        texts.insert(PortBusyMessage(port, language));
    }
    texts.insert(PortPermissionMessage("/dev/ttyUSB0", language));
    texts.insert(FormatMessage(MessageId::PortMissing, language, {"COM1 (/dev/ttyUSB0)"}));
    for (int id = 0; id <= static_cast<int>(DesktopText::Close); ++id) {
        texts.insert(Shown(DesktopTextOf(static_cast<DesktopText>(id), language)));
    }
    // A station port's states, as large as the window shows them.
    for (const StationTextId id : {StationTextId::StateWaiting, StationTextId::StateVerified,
                                   StationTextId::StateWritten, StationTextId::RemoveRadio}) {
        texts.insert(StationText(id, language));
    }
    texts.insert(StationText(StationTextId::StateWriting, language, {"42"}));
    return texts;
}

struct Manual {
    const char* file;
    Language language;
};
constexpr Manual kManuals[] = {{"qv7100-manual.zh_CN.html", Language::Chinese},
                               {"qv7100-manual.en.html", Language::English}};

TEST(Manual, QuotesOnlyTheProgramsOwnCaptionsAndMessages) {
    for (const Manual& manual : kManuals) {
        const std::string page = Read(manual.file);
        const std::set<std::string> captions = Captions(manual.language);
        const std::set<std::string> messages = Messages(manual.language);
        const std::vector<std::string> quotedCaptions = Quoted(page, "ui");
        EXPECT_GT(quotedCaptions.size(), 100u) << manual.file;
        for (const std::string& text : quotedCaptions) {
            EXPECT_TRUE(captions.contains(text))
                << manual.file << ": no caption \"" << text << "\"";
        }
        const std::vector<std::string> quotedMessages = Quoted(page, "msg");
        EXPECT_GT(quotedMessages.size(), 10u) << manual.file;
        for (const std::string& text : quotedMessages) {
            EXPECT_TRUE(messages.contains(text))
                << manual.file << ": no message \"" << text << "\"";
        }
    }
}

TEST(Manual, BothLanguagesHaveTheSameSectionsAndEveryLinkLeadsSomewhere) {
    std::vector<std::vector<std::string>> sections;
    for (const Manual& manual : kManuals) {
        const std::string page = Read(manual.file);
        const std::vector<std::string> ids = Matches(page, "id=\"([^\"]+)\"");
        sections.push_back(Matches(page, "<h2 id=\"([^\"]+)\""));
        const std::set<std::string> targets(ids.begin(), ids.end());
        for (const std::string& link : Matches(page, "href=\"#([^\"]+)\"")) {
            EXPECT_TRUE(targets.contains(link)) << manual.file << ": #" << link;
        }
        // Pictures, the style sheet and the other language lie beside the page.
        for (const std::string& file : Matches(page, "(?:src|href)=\"([^\"#:]+)\"")) {
            EXPECT_TRUE(std::ifstream(std::string(QV_MANUAL_FOLDER) + "/" + file).good())
                << manual.file << ": " << file;
        }
    }
    EXPECT_EQ(sections[0], sections[1]);
    EXPECT_GE(sections[0].size(), 10u);
}

}  // namespace
}  // namespace qv
