// How one radio of a programming station ended, as its log line and the windows tell it: the
// result and verify words of the log, and why a radio was skipped or failed, in a language. The
// station itself only reports data.
#pragma once

#include <string>

#include "i18n/language.h"
#include "link/qt/checked_write.h"
#include "rules/station/station_log.h"

namespace qv {

// written (and, when a read-back was asked, verified), failed, or skipped (another band).
StationResult StationResultOf(const CheckedWriteResult& result, bool verifyAsked);

// verified, differs, or not checked (no read-back asked, or none made).
StationVerify StationVerifyOf(const CheckedWriteResult& result);

// Why the radio was not written and verified, in `language`; empty when it was. `setupBand` is
// the band of the set-up, for a radio skipped as one of another band.
std::string StationRadioDetail(const CheckedWriteResult& result, bool verifyAsked, int setupBand,
                               Language language);

// Why a radio of band `radioBand` was skipped: the set-up is for `setupBand`.
std::string OtherBandDetail(int radioBand, int setupBand, Language language);

}  // namespace qv
