// A full disk, as far as this process can tell: while the object lives no
// file may grow past `limite` bytes (the soft file-size limit, with the
// signal that going past it sends ignored, so the write fails with an error).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace apoio {

class DiscoCheio {
 public:
  explicit DiscoCheio(rlim_t limite) {
    getrlimit(RLIMIT_FSIZE, &antes_);
    sinal_ = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit agora = antes_;
    agora.rlim_cur = limite;
    setrlimit(RLIMIT_FSIZE, &agora);
  }
  ~DiscoCheio() {
    setrlimit(RLIMIT_FSIZE, &antes_);
    std::signal(SIGXFSZ, sinal_);
  }
  DiscoCheio(const DiscoCheio&) = delete;
  DiscoCheio& operator=(const DiscoCheio&) = delete;

 private:
  struct rlimit antes_ {};
  void (*sinal_)(int) = SIG_DFL;
};

}  // namespace apoio
