#include "player/activities/rules/opcoes.h"

#include <algorithm>

#include "player/activities/rules/frases.h"
#include "player/activities/rules/quadro.h"
#include "player/activities/rules/trocas.h"

namespace zelmo::regras {

namespace {
QString Num(int n) { return QString::number(n); }
}  // namespace

JogoOpcoes::JogoOpcoes(QList<files::RegFrase> itens, files::Aleatorio& gerador)
    : itens_(std::move(itens)), gerador_(gerador) {}

bool JogoOpcoes::Proximo() {
  if (indice_ < N()) ++indice_;
  escolhida_ = 0;
  texto_.clear();
  opcoes_ = {};
  if (indice_ > N() - 1) return false;
  const files::RegFrase& f = atual();
  texto_ = f.Texto();
  QList<Opcao> lista{{f.Correta, 1}, {f.Errada1, 0}, {f.Errada2, 0}, {f.Errada3, 0}};
  AplicaTrocas(lista, SorteiaTrocas(kOpcoes, gerador_));
  std::copy(lista.begin(), lista.end(), opcoes_.begin());
  return true;
}

QString JogoOpcoes::Rodada() const { return NomeItem() + " " + Num(indice_ + 1) + " de " + Num(N()); }

int JogoOpcoes::correta() const {
  for (int k = 1; k <= kOpcoes; ++k)
    if (opcao(k).tag == 1) return k;
  return 0;
}

void JogoOpcoes::Escolhe(int k) {
  if (k < 1 || k > kOpcoes || indice_ < 0 || indice_ >= N()) return;
  escolhida_ = k;
  texto_ = TextoEscolhido(k);
}

Julgamento JogoOpcoes::Pronto(QString* linhaErro) {
  if (escolhida_ == 0 || indice_ < 0 || indice_ >= N()) return Julgamento::SemEscolha;
  // Judged by the words: an option that reads as the right one is right
  // wherever it stands, even when it is stored as a wrong one.
  const int certa = correta();
  if (certa != 0 && opcao(escolhida_).texto == opcao(certa).texto) {
    ++certas_;
    return Julgamento::Certa;
  }
  ++erradas_;
  if (linhaErro) *linhaErro = LinhaErro();
  return Julgamento::Errada;
}

int JogoOpcoes::Porcentagem() const { return files::Porcentagem(std::max(indice_, 0), N()); }

QStringList JogoOpcoes::LinhasContagem(int consultas) const {
  return {Contagem(N(), certas_, erradas_), LinhaCumprida(Porcentagem(), consultas)};
}

QString JogoFrases::TextoEscolhido(int k) const { return PreencheFrase(atual().Texto(), opcao(k).texto); }

QString JogoFrases::LinhaErro() const { return texto(); }

QString JogoFrases::Contagem(int n, int certas, int erradas) const {
  return "Quantidade de Frases: " + Num(n) + " - Frases Corretas: " + Num(certas) + " - Frases Erradas: " + Num(erradas);
}

QString JogoTestes::TextoEscolhido(int) const { return atual().Texto(); }

QString JogoTestes::LinhaErro() const { return texto() + " - " + opcao(escolhida()).texto; }

QString JogoTestes::Contagem(int n, int certas, int erradas) const {
  return "Quantidade de Testes: " + Num(n) + " - Acertos: " + Num(certas) + " - Erros: " + Num(erradas);
}

}  // namespace zelmo::regras
