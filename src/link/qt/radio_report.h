// How a checked write of one radio ended, in words of a language: each a whole row of the fleet's
// text table, filled with the run's data (the band, why it failed, the backup's file). The command
// line and the windows tell a radio's end with these; the runs themselves only report data.
#pragma once

#include <string>
#include <vector>

#include "i18n/language.h"
#include "link/qt/checked_write.h"

namespace qv {

// The step's words in `language`, as it starts: "writing", "reading back to verify"...
std::string StepText(CheckedWriteStep step, Language language);

// Why a step of the run failed, as a sentence of its own: the port that did not open, what the
// transfer found, or the program's message when it found nothing more.
std::string RunFailureReason(const CheckedWriteResult& result, Language language);

// "written", "skipped: the radio is a 450-490MHz radio", "failed: ...", "stopped: ...".
std::string RadioResultText(const CheckedWriteResult& result, Language language);

// For a radio whose port did not open, what the system showed that keeps the port from working,
// each finding a sentence with its fix (DiagnosisFindings); none otherwise.
std::vector<std::string> RadioPortFindings(const CheckedWriteResult& result, Language language);

// "verified", "1 difference", "not verified: reading back: ..."; empty when no read-back was asked
// or the write did not complete.
std::string RadioVerifyText(const CheckedWriteResult& result, bool verifyAsked, Language language);

// The backup made of the radio (the memory read before the write, else what it holds after it);
// nothing when none was made, or when the result says already that it could not be saved.
const SavedBackup* RadioBackup(const CheckedWriteResult& result);

// "backup 2024-05-01_14-03-22_400-470MHz_COM1_before-write.DAT", or that it could not be saved
// and why; empty without a backup (RadioBackup).
std::string RadioBackupText(const CheckedWriteResult& result, Language language);

}  // namespace qv
