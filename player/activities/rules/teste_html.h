// HTML tests: each test is an HTML page of the subject folder that carries
// the question and its alternatives, the number of alternatives (1 to 5,
// lettered a to e) and the right letter.  A right letter moves on, a wrong
// one is counted and listed and the test stays.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace zelmo::regras {

inline constexpr int kMaximoAlternativas = 5;

// A test can be answered: its check text matches, it offers 1 to 5
// alternatives and its right one is among them.  Any other record is read
// as corrupt.
bool TesteRespondivel(const files::RegTesteHTML& teste);

// Two tests are the same when they show the same page (byte for byte).
bool TesteDuplicado(const files::RegTesteHTML& novo, const files::RegTesteHTML& aceito);

// Verified by the rule above, kept whole, duplicates by page.
const RegrasSelecao<files::RegTesteHTML>& RegrasTestesHTML();

// The letters of the alternatives: "a", "b", ... (none for 0 or less).
QStringList LetrasAlternativas(int alternativas);
// The letter of alternative c (0 = "a").
QString Letra(int c);

enum class Resposta { SemEscolha, Certa, Errada };

class JogoTesteHTML {
 public:
  explicit JogoTesteHTML(QList<files::RegTesteHTML> testes);

  int N() const { return static_cast<int>(testes_.size()); }
  // The test shown, from 0 (-1 before the first); also the tests solved.
  int i() const { return i_; }
  int acertos() const { return acertos_; }
  int erros() const { return erros_; }
  const files::RegTesteHTML& teste() const { return testes_.at(i_); }
  bool temTeste() const { return i_ >= 0 && i_ < N(); }

  // The next test; false when every test is done.
  bool Proximo();
  // "Teste 2 de 5".
  QString Rodada() const;
  // Judges the chosen alternative (-1: none); a wrong one adds
  // "<page> - Alternativa escolhida: <letter>" to `listaErros`.
  Resposta Julga(int escolhida, QStringList* listaErros);

  int Porcentagem() const;
  QStringList LinhasContagem(int consultas) const;

 private:
  QList<files::RegTesteHTML> testes_;
  int i_ = -1;
  int acertos_ = 0;
  int erros_ = 0;
};

}  // namespace zelmo::regras
