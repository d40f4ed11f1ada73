// Writing CSV records as RFC 4180 has them, for spreadsheets and other tools to read.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qv {

// Appends one record to `out`: the fields divided by `separator` and ended by CRLF. A field that
// holds the separator, a double quote or a line break is put in double quotes, a double quote in
// it doubled.
void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator);

}  // namespace qv
