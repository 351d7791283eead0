#include <filesystem>
#include <iostream>

#include "shell/cli_commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return tolvane::cli::run(std::vector<std::string>(argv + 1, argv + argc), error ? argv[0] : self.string(),
                           std::cout, std::cerr);
}
