#include "rules/program/parameter_file.h"

#include <array>
#include <fstream>

#include "rules/channels/lock_rules.h"
#include "rules/program/safe_save.h"

namespace qv {

Parameters ReadParameterFile(const std::filesystem::path& path) {
    std::array<char, 3> bytes{};
    std::ifstream file(path, std::ios::binary);
    if (file) file.read(bytes.data(), bytes.size());
    return {static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
            static_cast<std::uint8_t>(bytes[2])};
}

Status WriteParameterFile(const std::filesystem::path& path, const Parameters& parameters) {
    const std::uint8_t bytes[] = {parameters.lock, parameters.port, parameters.language};
    const Status written = ReplaceFileContents(path, bytes);
    if (written.ok()) return written;
    // Where and why, in the reader's language; the refusal's own message would repeat what this
    // one says.
    return Status::Refused(MessageId::SettingsNotKept, written.Details());
}

void ApplyParameters(Session& session, const Parameters& parameters) {
    ApplyStoredLock(session, parameters.lock);
    session.CommPortNumber = parameters.port;
    session.LanguageIsEnglish = parameters.language;
}

Parameters ParametersOf(const Session& session) {
    return {static_cast<std::uint8_t>(session.mnulockChecked ? 1 : 0),
            static_cast<std::uint8_t>(session.CommPortNumber),
            static_cast<std::uint8_t>(session.LanguageIsEnglish)};
}

}  // namespace qv
