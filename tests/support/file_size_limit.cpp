#include "support/file_size_limit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace trabeo {

int RunWithFileSizeLimit(uint64_t limitBytes, const std::function<int()>& body) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{limitBytes, limitBytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(255);
    _exit(body());
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace trabeo
