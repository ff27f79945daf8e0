#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

/// Runs the command-line companion with the arguments after the program name.
/// Returns the exit status: 0 on success, 2 on any error (one "error: " line on `err`,
/// nothing on `out`).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
