#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

// Runs one command of the command-line tool. args holds the arguments after the program name;
// programPath is the tool's own file, beside which the program's settings file lies. Returns the
// exit code: 0 success, 1 usage error (usage text on err), 2 a file that cannot be read (message
// naming the file and the reason on err).
int run(const std::vector<std::string>& args, const std::string& programPath, std::ostream& out,
        std::ostream& err);

}  // namespace tolvane::cli
