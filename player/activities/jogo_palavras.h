// What the hangman and scrambled-word windows share: the gallows and its
// figure, the word's slots, the hint box and Dica button, the choice of the
// words, the next word, a solved or lost word with its pause, and the
// report block.  Each window adds how a character reaches a slot.
#pragma once

#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "files/registros.h"
#include "player/activities/desenho_forca.h"
#include "player/activities/painel.h"
#include "player/activities/rotulo.h"
#include "player/activities/rules/jogo_palavras.h"
#include "player/atividade.h"

namespace zelmo {

// Where the two windows place their headings, slots and hint box.
struct DesenhoJogo {
  const char* caption;      // the window's and Label1's text
  int topoLabel3;
  const char* textoLabel3;
  int topoSlots;
  int topoLabel4;
  const char* textoLabel4;
  int topoLabel5;
  int topoDica;
  int alturaDica;
};

class TfrmJogoPalavras : public TfrmAtividade {
  Q_OBJECT
 public:
  TfrmJogoPalavras(QWidget* dono, const DesenhoJogo& desenho);
  ~TfrmJogoPalavras() override;

  QLabel* Label1;
  QLabel* lblRodada;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPlainTextEdit* memDica;
  QPushButton* btnDica;
  ImagensForca imagens;
  QList<Painel*> casas;  // the slots Panel1..Panel20

  Painel* Slot(int i) const { return casas.value(i - 1); }
  const regras::JogoPalavras* jogo() const { return jogo_.get(); }

  // The words of the page: the first n in file order (Ordem 0) or n
  // distinct ones at random; false when the file failed and the program ends.
  bool EscolhePalavras(int n, QList<files::RegPalavra>* palavras);
  bool EscolhePalavras1(int n, QList<files::RegPalavra>* palavras);
  bool EscolhePalavras2(int n, QList<files::RegPalavra>* palavras);
  // Stage n (1..5) of the figure; at 4 the last-chance hint.
  void DesenhaErro(int n);
  void btnDicaClick();

 protected:
  // The game over the chosen words.
  virtual std::unique_ptr<regras::JogoPalavras> CriaJogo(QList<files::RegPalavra> palavras) = 0;
  // The board of the word just made current (slots, letters or tiles).
  virtual void MostraPalavra();

  bool Iniciar() override;
  void Proximo() override;
  void Limpa() override;
  void MostraResposta() override;
  int Porcentagem() const override;
  int Erros() const override;
  QStringList LinhasContagem() const override;
  bool CondicaoErro() const override;
  QString CabecalhoErros() const override;

  // Shows what a letter or drop did, then the solved or lost word with its
  // sound and pause, then the next word.
  void TrataJogada(const regras::Jogada& j);
  // The slots as the game has them.
  void AtualizaSlots();

  std::unique_ptr<regras::JogoPalavras> jogo_;
};

}  // namespace zelmo
