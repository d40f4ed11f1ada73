#include "cli/output_files.h"

#include <filesystem>
#include <system_error>

#include "cli/commands.h"

namespace qv::cli {

void RefuseOutputOverInput(const std::string& output, std::initializer_list<std::string> inputs) {
    for (const std::string& input : inputs) {
        std::error_code error;
        // False, with an error, when either does not exist: an input that is missing is told when
        // it is read.
        if (!std::filesystem::equivalent(output, input, error) || error) continue;
        throw CommandFailed(output + ": this output is the file " + input +
                            ", which the command reads; give another output file. Nothing was "
                            "written");
    }
}

}  // namespace qv::cli
