#include "support/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace {

// Both ends of a pipe, closed when it goes.
class TPipe {
public:
  TPipe() {
    if (::pipe2(FEnds, O_CLOEXEC) != 0) FEnds[0] = FEnds[1] = -1;
  }
  TPipe(const TPipe&) = delete;
  TPipe& operator=(const TPipe&) = delete;
  ~TPipe() {
    Close(0);
    Close(1);
  }
  int Read() const { return FEnds[0]; }
  int Write() const { return FEnds[1]; }
  void Close(int end) {
    if (FEnds[end] >= 0) ::close(FEnds[end]);
    FEnds[end] = -1;
  }

private:
  int FEnds[2];
};

std::vector<std::string> ChildEnvironment(const TProgramRun& run) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('='));
    const bool replaced = std::any_of(run.Environment.begin(), run.Environment.end(),
                                      [&](const auto& set) { return set.first == name; }) ||
                          std::find(run.Unset.begin(), run.Unset.end(), name) != run.Unset.end();
    if (!replaced) variables.push_back(variable);
  }
  for (const auto& [name, value] : run.Environment) variables.push_back(name + "=" + value);
  return variables;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// In the child: only calls that are safe after fork.
[[noreturn]] void StartChild(const TProgramRun& run, TPipe& input, TPipe& out, TPipe& err,
                             char** arguments, char** environment) {
  if (::dup2(input.Read(), STDIN_FILENO) < 0 || ::dup2(out.Write(), STDOUT_FILENO) < 0 ||
      ::dup2(err.Write(), STDERR_FILENO) < 0)
    ::_exit(126);
  if (!run.WorkingFolder.empty() && ::chdir(run.WorkingFolder.c_str()) != 0) ::_exit(126);
  if (run.AddressSpaceLimit > 0) {
    const rlimit limit{run.AddressSpaceLimit, run.AddressSpaceLimit};
    if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
  }
  if (run.FileSizeLimit > 0) {
    const rlimit limit{run.FileSizeLimit, run.FileSizeLimit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || ::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
      ::_exit(126);
  }
  ::execve(arguments[0], arguments, environment);
  ::_exit(127);
}

// Feeds the input and collects both outputs until the child closes them or the time is up.
bool Exchange(pid_t child, const TProgramRun& run, TPipe& input, TPipe& out, TPipe& err,
              TProgramResult& result) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::seconds(run.KillAfterSeconds);
  std::size_t written = 0;
  if (run.Input.empty()) input.Close(1);
  char chunk[65536];
  while (out.Read() >= 0 || err.Read() >= 0) {
    pollfd watched[3] = {
        {out.Read(), POLLIN, 0}, {err.Read(), POLLIN, 0}, {input.Write(), POLLOUT, 0}};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      ::kill(child, SIGKILL);
      return false;
    }
    const int ready = ::poll(watched, 3, static_cast<int>(std::min<long long>(left.count(), 1000)));
    if (ready < 0 && errno != EINTR) return false;
    for (int i = 0; i < 2; ++i) {
      if (watched[i].fd < 0 || !(watched[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = ::read(watched[i].fd, chunk, sizeof(chunk));
      TPipe& pipe = i == 0 ? out : err;
      if (n > 0)
        (i == 0 ? result.Out : result.Err).append(chunk, static_cast<std::size_t>(n));
      else if (n == 0 || errno != EINTR)
        pipe.Close(0);
    }
    if (watched[2].fd >= 0 && (watched[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
      const ssize_t n =
          ::write(input.Write(), run.Input.data() + written, run.Input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 || written == run.Input.size()) input.Close(1);
    }
  }
  return true;
}

}  // namespace

TProgramResult RunProgram(const TProgramRun& run) {
  TProgramResult result;
  if (run.Arguments.empty()) return result;
  std::vector<std::string> argumentTexts = run.Arguments;
  std::vector<std::string> environmentTexts = ChildEnvironment(run);
  std::vector<char*> arguments = PointersTo(argumentTexts);
  std::vector<char*> environment = PointersTo(environmentTexts);

  TPipe input, out, err;
  // A child that stops reading its input must not end the test with SIGPIPE.
  ::signal(SIGPIPE, SIG_IGN);
  const pid_t child = ::fork();
  if (child < 0) return result;
  if (child == 0) StartChild(run, input, out, err, arguments.data(), environment.data());
  input.Close(0);
  out.Close(1);
  err.Close(1);
  result.Killed = !Exchange(child, run, input, out, err, result);

  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> TProgramResult::ErrLines() const { return SplitLines(Err); }
std::vector<std::string> TProgramResult::OutLines() const { return SplitLines(Out); }

std::string TProgramResult::Describe() const {
  std::string text = "exit " + std::to_string(ExitCode);
  if (Signal) text += ", signal " + std::to_string(Signal);
  if (Killed) text += ", killed after the time limit";
  return text + "\n--- stdout:\n" + Out + "--- stderr:\n" + Err;
}
