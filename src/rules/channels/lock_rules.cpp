#include "rules/channels/lock_rules.h"

namespace qv {
namespace {

void SetLocked(Session& session, bool locked) {
    session.mnulockChecked = locked;
    session.Frame1Enabled = !locked;
    session.Frame2Enabled = !locked;
    session.Grid1Enabled = !locked;
}

}  // namespace

Changes ToggleLock(Session& session) {
    SetLocked(session, !session.mnulockChecked);
    return StatePart::Lock;
}

void ApplyStoredLock(Session& session, int storedByte) {
    // A restored lock disables the function-settings frame as well: a lock that left one frame
    // open would let a click change a setting, which is what the lock is for.
    if (storedByte == 1) SetLocked(session, true);
    if (storedByte == 0) SetLocked(session, false);
}

}  // namespace qv
