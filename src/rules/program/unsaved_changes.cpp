#include "rules/program/unsaved_changes.h"

#include "i18n/desktop_texts.h"
#include "i18n/msgbox.h"
#include "rules/channels/grid_rules.h"
#include "rules/program/file_commands.h"

namespace qv {
namespace {

// Calls `visit` with each dialog's part and its working copy in a set-up.
template <typename Visit>
void ForEachWorkingCopy(Visit visit) {
    visit(StatePart::Form2, &Setup::Form2);
    visit(StatePart::Form4, &Setup::Form4);
    visit(StatePart::Form5, &Setup::Form5);
    visit(StatePart::Form6, &Setup::Form6);
    visit(StatePart::Form7, &Setup::Form7);
}

}  // namespace

bool ConfirmedValuesDiffer(const Setup& a, const Setup& b) {
    // The working copies of b put into a: what remains to differ is confirmed.
    Setup drafts = a;
    ForEachWorkingCopy([&](StatePart, auto Setup::*copy) { drafts.*copy = b.*copy; });
    return !(drafts == b);
}

bool DiffersFromSaved(const Setup& saved, Language savedIn, const Setup& shown, Language language) {
    if (savedIn == language) return ConfirmedValuesDiffer(saved, shown);
    Setup reworded = saved;
    SetGrid1Text(reworded, language);
    return ConfirmedValuesDiffer(reworded, shown);
}

Setup StepSetup(const Setup& shown, const Setup& last, Changes changes) {
    Setup step = shown;
    ForEachWorkingCopy([&](StatePart part, auto Setup::*copy) {
        if (!changes.Has(part)) step.*copy = last.*copy;
    });
    return step;
}

Setup StepWithDrafts(const Setup& step, const Setup& shown, const Setup& last) {
    Setup restored = step;
    ForEachWorkingCopy([&](StatePart, auto Setup::*copy) {
        if (!(shown.*copy == last.*copy)) restored.*copy = shown.*copy;
    });
    return restored;
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
