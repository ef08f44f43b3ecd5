// Compiled into every test program, so that it runs before main and before any GL is made.
#include <cstdlib>

namespace {

// llvmpipe draws on the test's own thread. The tests run in parallel on few cores and gain
// nothing from its worker threads, and LeakSanitizer's check at exit can crash when one of them
// ends while the check stops the world. A value set from outside is kept.
[[maybe_unused]] const bool kSingleThreadedSoftwareGl = setenv("LP_NUM_THREADS", "0", 0) == 0;

}  // namespace
