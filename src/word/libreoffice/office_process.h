#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::word::libreoffice {

// One soffice process that this program started as its child. Its id is safe to signal for as
// long as the child has not been reaped, and only this class reaps it: it is never an id looked up
// by name.
class OfficeProcess {
 public:
  // Starts program with the arguments, its standard streams on /dev/null. nullptr and the reason
  // in error when it cannot be started.
  static std::unique_ptr<OfficeProcess> start(const std::string& program,
                                              const std::vector<std::string>& arguments, std::string& error);
  // Reaps the child if it has ended; else leaves it running and reaps it when it ends.
  ~OfficeProcess();
  OfficeProcess(const OfficeProcess&) = delete;
  OfficeProcess& operator=(const OfficeProcess&) = delete;

  pid_t pid() const { return m_pid; }
  // The exit code once the child has ended (a signal counts as 128 + its number); nullopt while it
  // runs. Does not reap it.
  std::optional<int> exitCode();
  bool running() { return !exitCode(); }
  // Waits up to grace for the child to end, then kills it; reaps it in both cases.
  void stop(std::chrono::milliseconds grace);

 private:
  explicit OfficeProcess(pid_t pid) : m_pid(pid) {}

  pid_t m_pid;
  bool m_reaped = false;
  std::optional<int> m_exitCode;
};

}  // namespace tolvane::word::libreoffice
