#include "player/activities/rules/assoc.h"

#include <algorithm>

#include "player/activities/rules/trocas.h"

namespace zelmo::regras {

namespace {
size_t Casa(int i) { return static_cast<size_t>(i - 1); }
}  // namespace

void JogoAssoc::Limpa() {
  entradas_.clear();
  for (int i = 1; i <= kPorRodada; ++i) {
    tags_[Casa(i)] = i;
    titulos_[Casa(i)].clear();
  }
}

void JogoAssoc::NovaRodada(const QList<files::RegPalavra>& palavras, files::Aleatorio& gerador) {
  Limpa();
  entradas_ = palavras.mid(0, kPorRodada);
  DefineK(static_cast<int>(entradas_.size()));
  QList<int> tags;
  for (int i = 1; i <= K(); ++i) tags.append(i);
  AplicaTrocas(tags, SorteiaTrocas(K(), gerador));
  for (int i = 1; i <= K(); ++i) {
    tags_[Casa(i)] = tags[i - 1];
    titulos_[Casa(i)] = palavra(tags[i - 1]);
  }
}

QString JogoAssoc::titulo(int i) const { return i >= 1 && i <= kPorRodada ? titulos_[Casa(i)] : QString(); }

int JogoAssoc::tag(int i) const { return i >= 1 && i <= kPorRodada ? tags_[Casa(i)] : 0; }

bool JogoAssoc::vermelho(int i) const { return i >= 1 && i <= kPorRodada && vermelhos_[Casa(i)]; }

QString JogoAssoc::dica(int i) const { return emJogo(i) ? entradas_[i - 1].Dica() : QString(); }

QString JogoAssoc::palavra(int i) const { return emJogo(i) ? entradas_[i - 1].Palavra : QString(); }

bool JogoAssoc::Troca(int alvo, int origem) {
  if (!emJogo(alvo) || !emJogo(origem)) return false;
  std::swap(tags_[Casa(alvo)], tags_[Casa(origem)]);
  std::swap(titulos_[Casa(alvo)], titulos_[Casa(origem)]);
  vermelhos_[Casa(alvo)] = vermelhos_[Casa(origem)] = false;
  return true;
}

Julgado JogoAssoc::Pronto() {
  Julgado j;
  for (int i = 1; emJogo(i); ++i) {
    if (titulo(i) == palavra(i)) {
      ++j.certas;
    } else {
      vermelhos_[Casa(i)] = true;
      ++j.erradas;
      j.linhas.append(titulo(i) + " - " + dica(i));
    }
  }
  Conta(j);
  return j;
}

void JogoAssoc::MostraResposta() {
  for (int i = 1; emJogo(i); ++i) titulos_[Casa(i)] = palavra(i);
}

}  // namespace zelmo::regras
