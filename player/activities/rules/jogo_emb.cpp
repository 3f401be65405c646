#include "player/activities/rules/jogo_emb.h"

#include "files/texto.h"

namespace zelmo::regras {

JogoEmb::JogoEmb(QList<files::RegPalavra> palavras, int modoDica, files::Aleatorio& gerador)
    : JogoPalavras(std::move(palavras), modoDica), gerador_(gerador),
      pecas_(kTamanhoPalavra), pecasVisiveis_(kTamanhoPalavra, false) {}

QString JogoEmb::Embaralha(const QString& texto, files::Aleatorio& gerador) {
  QString resto = texto;
  QString embaralhada;
  while (!resto.isEmpty()) {
    const int k = gerador.Sorteia(static_cast<int>(resto.size()));
    embaralhada.append(resto[k]);
    resto.remove(k, 1);
  }
  return embaralhada;
}

QString JogoEmb::peca(int j) const { return j >= 1 && j <= kTamanhoPalavra ? pecas_[j - 1] : QString(); }

bool JogoEmb::pecaVisivel(int j) const { return j >= 1 && j <= kTamanhoPalavra && pecasVisiveis_[j - 1]; }

bool JogoEmb::AceitaPeca(int slot) const {
  return slot >= 1 && slot <= L() && !concluida() && rotulo(slot).isEmpty();
}

Jogada JogoEmb::Solta(int peca, int slot) {
  Jogada j;
  if (!AceitaPeca(slot) || !pecaVisivel(peca)) return j;
  j.aceita = true;
  const QString letra = files::MaiusculasAnsi(pecas_[peca - 1]);
  const QString esperada = palavra().mid(slot - 1, 1);
  if (letra == esperada) {
    pecasVisiveis_[peca - 1] = false;
    rotulos_[slot - 1] = letra;
    if (letra == QStringLiteral(" ")) visiveis_[slot - 1] = false;
    j.reveladas.append(slot);
  } else {
    Erra(j);
  }
  Fecha(j);
  return j;
}

void JogoEmb::Limpa() {
  JogoPalavras::Limpa();
  for (int j = 0; j < kTamanhoPalavra; ++j) {
    pecas_[j].clear();
    pecasVisiveis_[j] = false;
  }
  embaralhada_.clear();
}

void JogoEmb::PreparaPalavra() {
  const QString p = palavra();
  embaralhada_ = Embaralha(p, gerador_);
  for (int i = 0; i < p.size(); ++i) {
    rotulos_[i].clear();
    visiveis_[i] = true;
    pecas_[i] = embaralhada_[i];
    pecasVisiveis_[i] = true;
  }
}

}  // namespace zelmo::regras
