// What fill-in phrases and tests share: the records in play one at a time,
// four options (the right one and three wrong ones) in shuffled places, the
// choice of an option, the judgement of "Pronto", the percentage and the
// count line.  Each game adds what a choice shows and what a wrong press
// lists.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "files/convencoes.h"
#include "files/registros.h"
#include "player/activities/rules/exercicio.h"

namespace zelmo::regras {

inline constexpr int kOpcoes = 4;

// An option in its place: its text, and Tag 1 when it is the right one.
struct Opcao {
  QString texto;
  int tag = 0;
};

// What a press of "Pronto" found.
enum class Julgamento { SemEscolha, Certa, Errada };

class JogoOpcoes : public JogoExercicio {
 public:
  JogoOpcoes(QList<files::RegFrase> itens, files::Aleatorio& gerador);

  int N() const { return static_cast<int>(itens_.size()); }
  // 0-based; -1 before the first item, N once every item is done.
  int indice() const { return indice_; }
  int certas() const { return certas_; }
  int erradas() const { return erradas_; }

  // To the next item, its options shuffled by ten swaps; false when there is
  // none (the activity is complete).
  bool Proximo();
  // "Frase <i> de <N>", "Teste <i> de <N>".
  QString Rodada() const;
  // The text of the phrase or question box.
  QString texto() const { return texto_; }
  // Option k (1..4) in its place.
  const Opcao& opcao(int k) const { return opcoes_[static_cast<size_t>(k - 1)]; }
  // The chosen place, 0 for none.
  int escolhida() const { return escolhida_; }
  // The place of the right option.
  int correta() const;

  // Option k chosen (the box shows what the choice does); an out-of-range k
  // changes nothing.
  void Escolhe(int k);
  // "Pronto": a wrong press is counted and its line is in *linhaErro.
  Julgamento Pronto(QString* linhaErro);

  // The items done against N, rounded (100 once complete).
  int Porcentagem() const override;
  int Erros() const override { return erradas_; }
  // The count line and "Atividade cumprida: ...".
  QStringList LinhasContagem(int consultas) const override;

 protected:
  const files::RegFrase& atual() const { return itens_[indice_]; }
  // The box after option k was chosen.
  virtual QString TextoEscolhido(int k) const = 0;
  // The line a wrong press adds.
  virtual QString LinhaErro() const = 0;
  // "Frase", "Teste".
  virtual QString NomeItem() const = 0;
  // "Quantidade de Frases: " ... with the counts.
  virtual QString Contagem(int n, int certas, int erradas) const = 0;

 private:
  QList<files::RegFrase> itens_;
  files::Aleatorio& gerador_;
  int indice_ = -1;
  int certas_ = 0;
  int erradas_ = 0;
  int escolhida_ = 0;
  QString texto_;
  std::array<Opcao, kOpcoes> opcoes_;
};

// Fill-in phrases: a choice fills the phrase's gaps; a wrong press lists the
// phrase as filled.
class JogoFrases : public JogoOpcoes {
 public:
  using JogoOpcoes::JogoOpcoes;

 protected:
  QString TextoEscolhido(int k) const override;
  QString LinhaErro() const override;
  QString NomeItem() const override { return QStringLiteral("Frase"); }
  QString Contagem(int n, int certas, int erradas) const override;
};

// Tests: the question stays as stored; a wrong press lists the question and
// the chosen answer.
class JogoTestes : public JogoOpcoes {
 public:
  using JogoOpcoes::JogoOpcoes;

 protected:
  QString TextoEscolhido(int k) const override;
  QString LinhaErro() const override;
  QString NomeItem() const override { return QStringLiteral("Teste"); }
  QString Contagem(int n, int certas, int erradas) const override;
};

}  // namespace zelmo::regras
