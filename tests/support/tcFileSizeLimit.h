#pragma once
// Makes every file write past `bytes` fail for one scope, as a full disk would.
// A size limit holds for root too, where a read-only folder does not.
#include <signal.h>
#include <sys/resource.h>

class tcFileSizeLimit {
 public:
  explicit tcFileSizeLimit(rlim_t bytes) {
    old_handler_ = signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG
    getrlimit(RLIMIT_FSIZE, &old_limit_);
    rlimit limit = old_limit_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~tcFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_limit_);
    signal(SIGXFSZ, old_handler_);
  }
  tcFileSizeLimit(const tcFileSizeLimit&) = delete;
  tcFileSizeLimit& operator=(const tcFileSizeLimit&) = delete;

 private:
  rlimit old_limit_{};
  sighandler_t old_handler_ = SIG_DFL;
};
