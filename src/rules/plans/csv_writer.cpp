#include "rules/plans/csv_writer.h"

namespace qv {

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) out += separator;
        first = false;
        if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) ==
            std::string_view::npos) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

}  // namespace qv
