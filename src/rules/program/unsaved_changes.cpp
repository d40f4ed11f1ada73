#include "rules/program/unsaved_changes.h"

#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/program/file_commands.h"

namespace qv {

bool ConfirmedValuesDiffer(const Setup& a, const Setup& b) {
    // The working copies of b put into a: what remains to differ is confirmed.
    Setup drafts = a;
    drafts.Form2 = b.Form2;
    drafts.Form4 = b.Form4;
    drafts.Form5 = b.Form5;
    drafts.Form6 = b.Form6;
    drafts.Form7 = b.Form7;
    return !(drafts == b);
}

std::string MainWindowTitle(std::string_view caption, std::string_view file, bool modified) {
    std::string title = file.empty() ? std::string(caption) : SavedWindowTitle(std::string(file));
    if (modified) title += '*';
    return title;
}

KeepChanges AskToKeepChanges(const Session& session, Host& host) {
    const Language language = MessageLanguage(session.LanguageIsEnglish);
    const int answer =
        host.LocalMsgBox(std::string(DesktopTextOf(DesktopText::KeepChangesQuestion, language)),
                         kStyleSaveDiscardCancelExclamation, "");
    switch (answer) {
        case kIdSave:
            return KeepChanges::Save;
        case kIdDiscard:
            return KeepChanges::Discard;
        default:
            return KeepChanges::Cancel;
    }
}

}  // namespace qv
