#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

// Runs one command of the command-line tool. args holds the arguments after the program name.
// Returns the exit code: 0 success, 1 usage error (usage text on err), 2 a file that cannot be
// read or written (message naming the file and the reason on err).
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tolvane::cli
