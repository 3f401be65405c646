// What the word-search and crossword windows share: the 400 cell panels of
// the 20 x 20 board, the hint list, the counters, laying out a round, the
// end of a round (the next one, or completion), the help with its pauses,
// the answer and the report block.  The board itself, and every cell's
// state, live in the rules; the panels only show it.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <array>
#include <memory>

#include "player/activities/painel.h"
#include "player/activities/rules/tabuleiro.h"
#include "player/atividade.h"

namespace zelmo {

// A cell of the board: a panel with a single border, or none.
class Celula : public Painel {
  Q_OBJECT
 public:
  using Painel::Painel;
  void setBorda(bool sim);
  bool borda() const { return borda_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool borda_ = true;
};

class TfrmTabuleiro : public TfrmAtividade {
  Q_OBJECT
 public:
  TfrmTabuleiro(QWidget* dono, const QString& caption);
  ~TfrmTabuleiro() override;

  QLabel* lblTitulo = nullptr;
  QLabel* lblAcertos = nullptr;
  QLabel* lblErros = nullptr;
  QLabel* lblRodada = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

  // Cell n = r x 20 + c, the panel named "Panel" + n.
  Celula* Panel(int n) const { return regras::Tabuleiro::Dentro(n) ? paineis_[n] : nullptr; }
  // The cell a panel stands for, read from its name; -1 for any other.
  static int NumeroDoPainel(const QObject* painel);
  const regras::Tabuleiro* tabuleiro() const { return jogo_.get(); }
  bool ajudando() const { return ajudando_; }

  // Panel0Click: what a click on any of the 400 cells does.
  virtual void Panel0Click(Painel* sender) = 0;
  void btnAjudaClick();

 protected:
  // The rules of the activity over the page's rounds and words.
  virtual std::unique_ptr<regras::Tabuleiro> CriaTabuleiro() = 0;
  // Help for word k: shows its cells still to be found, waits, puts them
  // back.  Returns at once when the activity was interrupted.
  virtual void AjudaNaPalavra(int k) = 0;
  // After the help, the window's own last step.
  virtual void FimDaAjuda() {}
  // The counter labels as the rules have them.
  virtual void MostraContadores();

  // Builds the 400 cells, their fonts and cursor, each one reaching
  // Panel0Click.
  void CriaCelulas(Qt::CursorShape cursor, bool visiveis);
  // A label of the top row, sized for `maisLargo` when its text grows.
  QLabel* CriaRotuloTopo(const QString& nome, const QString& texto, int left, int top, int altura,
                         const QString& maisLargo = {});
  void CriaMemo(int left, int top, int width, int height);
  // "Acertos", "Erros" and "Rodada" of the top row.
  void CriaContadores(int leftAcertos, int leftErros);

  // ---- Frame hooks -------------------------------------------------------
  // The round's layout: the loading protocol, then Limpa, EscolhePalavras,
  // OrdenaPalavras, DistribuiPalavras, PreencheVazios, Dicas.
  bool Iniciar() override;
  bool TemProximo() const override { return false; }
  void Limpa() override;
  void MostraResposta() override;
  int Porcentagem() const override;
  int Erros() const override { return 0; }
  void ZeraContadores() override;
  QStringList LinhasContagem() const override;
  bool CondicaoErro() const override;
  QString CabecalhoErros() const override;

  // The board filled: every cell shown, the counters at 0.
  void PreencheVazios();
  // Memo1 gets the hint list.
  void Dicas();
  // Cell n as the rules say it looks; the whole board.
  void MostraCasa(int n);
  void MostraTabuleiro();
  // Every letter found: the next round is laid out after its message, or
  // the activity is complete.
  void FimDaRodada();
  // The activity was left, or the program is ending.
  bool Interrompida() const;
  // Board input is taken only while a board is in play and no help runs.
  bool AceitaEntrada() const;

  std::unique_ptr<regras::Tabuleiro> jogo_;
  bool ajudando_ = false;

 private:
  // A load failure of the round: its message, and the end of the program.
  bool Falhou();

  std::array<Celula*, regras::kCasas> paineis_{};
};

}  // namespace zelmo
