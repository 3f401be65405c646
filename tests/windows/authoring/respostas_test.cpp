// The helpers that answer modal windows from a timer never leave a test
// hanging: an answer whose window does not come in time fails the test and
// closes the modal window that exec() waits on, even one that refuses to be
// closed.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include "support/aplicacao.h"
#include "support/modal.h"

namespace {

// A dialog that no reject, done or close ends (as an editor whose checks
// refuse the record).
class Teimoso : public QDialog {
 public:
  void reject() override {}
  void done(int) override {}
};

TEST(Respostas, UmaJanelaQueNaoVemFalhaOTesteEOExecVolta) {
  apoio::Aplicacao();
  EXPECT_NONFATAL_FAILURE(
      {
        Teimoso janela;
        // The answer waits for another window that never comes.
        apoio::QuandoModalQue([](QWidget* w) { return w->windowTitle() == "outra"; }, [](QWidget*) {}, 200);
        janela.exec();
      },
      "no modal window to answer within 200 ms");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
