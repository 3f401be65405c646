// Killing a write at random moments.  A child process repeats one writing
// step for ever; the test process lets it run for a random stretch (measured
// in the child's own steps, so no clock is read and nobody sleeps), kills it
// with SIGKILL and then checks what the disk holds.  Repeated `vezes` times.
#pragma once

#include <QtGlobal>
#include <functional>

namespace apoio {

struct Interrupcoes {
  int vezes = 200;
  quint32 semente = 20;
  // The step the child repeats: one whole write (it may alternate contents
  // by the step number it is given).  An exception ends the child, which
  // fails the test.
  std::function<void(quint64 passo)> passo;
  // Called in the test process after each kill, with the kill's number.
  std::function<void(int morte)> confere;
};

// Runs the kills; false (with a gtest failure added) when a child could not
// be made or stopped by itself instead of being killed.
bool Interrompe(const Interrupcoes& plano);

}  // namespace apoio
