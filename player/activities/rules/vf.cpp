#include "player/activities/rules/vf.h"

#include "player/activities/rules/frases.h"

namespace zelmo::regras {

namespace {
size_t Casa(int n) { return static_cast<size_t>(n - 1); }
}  // namespace

void JogoVF::Limpa() {
  frases_.clear();
  for (int n = 1; n <= kPorRodada; ++n) {
    afirmacoes_[Casa(n)].clear();
    respostas_[Casa(n)] = kVerdadeiro;
    marcas_[Casa(n)] = -1;
    cores_[Casa(n)] = CorMarca::Branca;
  }
}

void JogoVF::NovaRodada(const QList<files::RegFrase>& frases, files::Aleatorio& gerador) {
  Limpa();
  frases_ = frases.mid(0, kPorRodada);
  DefineK(static_cast<int>(frases_.size()));
  for (int n = 1; emJogo(n); ++n) {
    const files::RegFrase& f = frases_[n - 1];
    const QString verdadeira = PreencheFrase(f.Texto(), f.Correta);
    QString afirmacao = verdadeira;
    int resposta = kVerdadeiro;
    if (gerador.Sorteia(100) >= 50) {
      const int s = gerador.Sorteia(3);
      const QString& errada = s == 0 ? f.Errada1 : s == 1 ? f.Errada2 : f.Errada3;
      afirmacao = PreencheFrase(f.Texto(), errada);
      if (afirmacao != verdadeira) resposta = kFalso;
    }
    afirmacoes_[Casa(n)] = afirmacao;
    respostas_[Casa(n)] = resposta;
  }
}

QString JogoVF::afirmacao(int n) const { return emJogo(n) ? afirmacoes_[Casa(n)] : QString(); }

int JogoVF::resposta(int n) const { return emJogo(n) ? respostas_[Casa(n)] : kVerdadeiro; }

int JogoVF::marca(int n) const { return emJogo(n) ? marcas_[Casa(n)] : -1; }

CorMarca JogoVF::cor(int n) const { return n >= 1 && n <= kPorRodada ? cores_[Casa(n)] : CorMarca::Branca; }

void JogoVF::Marca(int n, int item) {
  if (!emJogo(n) || (item != kVerdadeiro && item != kFalso)) return;
  marcas_[Casa(n)] = item;
  cores_[Casa(n)] = CorMarca::Amarela;
}

Julgado JogoVF::Pronto() {
  Julgado j;
  for (int n = 1; emJogo(n); ++n)
    if (marca(n) < 0) {
      j.incompleto = true;
      return j;
    }
  for (int n = 1; emJogo(n); ++n) {
    if (marca(n) == resposta(n)) {
      ++j.certas;
      continue;
    }
    cores_[Casa(n)] = CorMarca::Vermelha;
    ++j.erradas;
    j.linhas.append((resposta(n) == kFalso ? "Falso - " : "Verdadeiro - ") + afirmacao(n));
  }
  Conta(j);
  return j;
}

}  // namespace zelmo::regras
