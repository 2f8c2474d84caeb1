#pragma once

#include <cstdint>
#include <functional>

namespace trabeo {

// Runs body in a child process whose files may grow to at most limitBytes, as on a disk that
// fills up: a write past the limit fails with an error instead of raising SIGXFSZ. Returns the
// child's exit status (body's result), or -1 when the child could not run or did not exit.
int RunWithFileSizeLimit(uint64_t limitBytes, const std::function<int()>& body);

}  // namespace trabeo
