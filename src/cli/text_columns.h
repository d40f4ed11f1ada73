// Rows of cells as text columns on a terminal: every column as wide as its widest cell (counted in
// characters, not bytes), two spaces between columns, no spaces at the end of a line.
#pragma once

#include <string>
#include <vector>

namespace qv::cli {

std::string TextColumns(const std::vector<std::vector<std::string>>& rows);

}  // namespace qv::cli
