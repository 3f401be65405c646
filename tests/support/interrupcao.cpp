#include "support/interrupcao.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <exception>
#include <sched.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace apoio {

namespace {

// Shared between the test process and its child: how many steps the child
// has begun.
struct Contagem {
  std::atomic<quint64> passos{0};
};

pid_t Filho(const Interrupcoes& plano, Contagem* contagem) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  try {
    for (quint64 n = 0;; ++n) {
      contagem->passos.store(n + 1);
      plano.passo(n);
    }
  } catch (...) {
  }
  ::_exit(3);
}

// Waits (spinning) until the child has begun `passos` steps, or for `limite`
// spins; the spins it took, or -1 when the child ended meanwhile.
qint64 EsperaPassos(pid_t pid, const Contagem* contagem, quint64 passos, qint64 limite = -1) {
  qint64 voltas = 0;
  while (contagem->passos.load() < passos && voltas != limite) {
    if ((++voltas & 0xff) == 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) return -1;
    ::sched_yield();  // a loaded machine runs the child meanwhile
  }
  return voltas;
}

}  // namespace

bool Interrompe(const Interrupcoes& plano) {
  void* memoria = ::mmap(nullptr, sizeof(Contagem), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (memoria == MAP_FAILED) {
    ADD_FAILURE() << "no shared memory for the child";
    return false;
  }
  auto* contagem = new (memoria) Contagem;
  QRandomGenerator aleatorio(plano.semente);
  qint64 limite = 16;  // spins, adjusted as the kills go
  bool certo = true;
  for (int morte = 0; morte < plano.vezes && certo; ++morte) {
    contagem->passos.store(0);
    const pid_t pid = Filho(plano, contagem);
    if (pid < 0) {
      ADD_FAILURE() << "fork failed";
      certo = false;
      break;
    }
    // The child is killed at a random number of spins after its first step
    // began, up to a bound that follows how long a step takes: halved when a
    // kill came after two steps had ended, grown when it came within the
    // first.  So the kills fall all over the first steps, with no clock.
    if (EsperaPassos(pid, contagem, 1) >= 0) {
      EsperaPassos(pid, contagem, ~quint64(0) >> 1, qint64(aleatorio.bounded(quint64(limite + 1))));
      ::kill(pid, SIGKILL);
      const quint64 passos = contagem->passos.load();
      if (passos >= 3) limite = std::max<qint64>(1, limite / 2);
      else if (passos == 1) limite += limite / 4 + 1;
    }
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    if (!WIFSIGNALED(estado) || WTERMSIG(estado) != SIGKILL) {
      ADD_FAILURE() << "the writing child stopped by itself at kill " << morte;
      certo = false;
      break;
    }
    plano.confere(morte);
  }
  contagem->~Contagem();
  ::munmap(memoria, sizeof(Contagem));
  return certo;
}

}  // namespace apoio
