// A file name between Qt and the core: the core takes std::filesystem paths in the system's own
// encoding, the windows show QStrings.
#pragma once

#include <QString>

#include <filesystem>

namespace qv {

std::filesystem::path LocalPath(const QString& path);
QString QtPath(const std::filesystem::path& path);

}  // namespace qv
