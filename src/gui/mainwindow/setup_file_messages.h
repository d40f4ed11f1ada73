// What the main window tells about a set-up file of either kind: the file dialogs' filters, a
// text refused with its errors, the sections it lacked, and the values a saved text cannot carry.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "i18n/language.h"
#include "rules/setup_text/setup_files.h"
#include "state/host.h"

namespace qv {

// The filters of Open (a *.DAT or a set-up as text, *.yaml or *.yml) and of Save (*.DAT or
// *.yaml), the *.DAT one first; the text's name in `language`.
QStringList OpenSetupFilters(Language language);
QStringList SaveSetupFilters(Language language);
// The file name extension a filter of SaveSetupFilters saves with: "DAT" or "yaml".
QString SuffixOfFilter(const QString& filter);

// A file that could not be opened: why, and for a text each error with its line and column.
void TellSetupFileRefused(Host& host, const std::string& file, const SetupFileRead& read,
                          Language language);

// The sections and keys an opened text lacked, which keep the values of a new set-up.
void TellMissingSections(Host& host, const std::vector<std::string>& missing, Language language);

// A text saved with values the windows refuse: each with its line, since reading it refuses them.
void TellRefusedValues(Host& host, const std::string& file,
                       const std::vector<SetupTextProblem>& refused, Language language);

}  // namespace qv
