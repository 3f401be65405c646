// The test programs' own way out.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A case that leaves helper processes running, as the browser engine does
// (its zygote, and what the zygote forks): when the program ends they go
// with it, and CTest, which reads their output too, sees the case end at
// once rather than at its time limit.
TEST(SaidaDoPrograma, ProcessosAuxiliaresNaoSobrevivemAoPrograma) {
  const pid_t filho = fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    // A child with a child of its own, both holding the program's output.
    if (fork() >= 0) execlp("sleep", "sleep", "300", static_cast<char*>(nullptr));
    _exit(127);
  }
  EXPECT_EQ(kill(filho, 0), 0);
  EXPECT_EQ(waitpid(filho, nullptr, WNOHANG), 0);
}

}  // namespace
