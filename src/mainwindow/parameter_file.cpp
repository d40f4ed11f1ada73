#include "mainwindow/parameter_file.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "mainwindow/lock_rules.h"

namespace qv {

Parameters ReadParameterFile(const std::filesystem::path& path) {
    std::array<char, 3> bytes{};
    std::ifstream file(path, std::ios::binary);
    if (file) file.read(bytes.data(), bytes.size());
    return {static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
            static_cast<std::uint8_t>(bytes[2])};
}

Status WriteParameterFile(const std::filesystem::path& path, const Parameters& parameters) {
    const char bytes[] = {static_cast<char>(parameters.lock), static_cast<char>(parameters.port),
                          static_cast<char>(parameters.language)};
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(bytes, sizeof bytes);
    if (file) file.close();
    if (!file) {
        return Status::Refused(MessageId::SettingsNotKept,
                               path.string() + ": " + std::generic_category().message(errno));
    }
    return Status::Ok();
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
