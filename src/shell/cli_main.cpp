#include <iostream>

#include "shell/cli_commands.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return tolvane::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
