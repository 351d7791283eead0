#include "word/libreoffice/office_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace tolvane::word::libreoffice {

std::unique_ptr<OfficeProcess> OfficeProcess::start(const std::string& program,
                                                    const std::vector<std::string>& arguments,
                                                    std::string& error) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  // The environment the soffice start script would set: file locking of the office's own files.
  std::vector<std::string> variables;
  for (char** variable = environ; *variable; ++variable)
    if (std::strncmp(*variable, "SAL_ENABLE_FILE_LOCKING=", 24) != 0) variables.emplace_back(*variable);
  variables.emplace_back("SAL_ENABLE_FILE_LOCKING=1");
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int stream : {0, 1, 2}) posix_spawn_file_actions_addopen(&actions, stream, "/dev/null", O_RDWR, 0);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) {
    error = "cannot start " + program + ": " + std::strerror(result);
    return nullptr;
  }
  return std::unique_ptr<OfficeProcess>(new OfficeProcess(pid));
}

OfficeProcess::~OfficeProcess() {
  if (m_reaped) return;
  if (exitCode()) {
    waitpid(m_pid, nullptr, 0);
    return;
  }
  // Still running (an office the user goes on working in): reap it whenever it ends.
  std::thread([pid = m_pid] { waitpid(pid, nullptr, 0); }).detach();
}

std::optional<int> OfficeProcess::exitCode() {
  if (m_exitCode) return m_exitCode;
  siginfo_t info{};
  // WNOWAIT keeps the child unreaped, so that its id stays ours to signal.
  if (waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
    if (errno == EINTR) return std::nullopt;
    m_reaped = true;  // not our child any more (reaped elsewhere): never signal that id
    m_exitCode = -1;
    return m_exitCode;
  }
  if (info.si_pid == 0) return std::nullopt;
  m_exitCode = info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
  return m_exitCode;
}

void OfficeProcess::stop(std::chrono::milliseconds grace) {
  if (m_reaped) return;
  const auto deadline = std::chrono::steady_clock::now() + grace;
  while (running() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (m_reaped) return;
  if (running()) kill(m_pid, SIGKILL);  // running() has just confirmed the id is our unreaped child
  waitpid(m_pid, nullptr, 0);
  m_reaped = true;
}

}  // namespace tolvane::word::libreoffice
