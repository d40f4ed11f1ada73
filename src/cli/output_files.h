// The files a command writes are never the ones it reads: an output given as one of the inputs,
// by another path, a symbolic link or a hard link, would overwrite it with something else.
#pragma once

#include <initializer_list>
#include <string>

namespace qv::cli {

// Throws CommandFailed naming both when `output` is the same file as one of `inputs`; checked
// before the command reads or writes anything. An output that does not exist yet is none of them.
void RefuseOutputOverInput(const std::string& output, std::initializer_list<std::string> inputs);

}  // namespace qv::cli
