#include "player/activities/rules/jogo_cp.h"

namespace zelmo::regras {

CacaPalavras::CacaPalavras(int rodadas, int quant, files::Aleatorio& gerador)
    : Tabuleiro(false, rodadas, quant, gerador) {}

void CacaPalavras::Limpa() {
  Tabuleiro::Limpa();
  marcada_.fill(false);
  montado_ = false;
}

void CacaPalavras::PreencheVazios() {
  ZeraContagem();
  marcada_.fill(false);
  for (int n = 0; n < kCasas; ++n) {
    if (!grade_[n].isNull()) {
      ++ocultas_;
    } else {
      grade_[n] = QChar(static_cast<char16_t>(u'A' + gerador_.Sorteia(26)));
      palavra_[n] = false;
    }
  }
  montado_ = true;
}

bool CacaPalavras::Marca(int n) {
  if (!Dentro(n) || !montado_ || resposta_) return false;
  const int passo = marcada_[n] ? -1 : 1;
  marcada_[n] = !marcada_[n];
  (palavra_[n] ? acertos_ : erros_) += passo;
  return true;
}

VistaCasa CacaPalavras::Vista(int n) const {
  VistaCasa v;
  if (!Dentro(n)) return v;
  const bool marcadaAgora = resposta_ ? palavra_[n] : marcada_[n];
  v.aparencia = marcadaAgora ? Aparencia::Marcada : Aparencia::Livre;
  v.rotulo = grade_[n].isNull() ? QString() : QString(grade_[n]);
  v.tag = palavra_[n] ? 1 : 0;
  return v;
}

QList<int> CacaPalavras::CasasDaAjuda(int k) const {
  QList<int> casas;
  for (int n : CasasDaPalavra(k))
    if (!marcada_[n]) casas.append(n);
  return casas;
}

}  // namespace zelmo::regras
