#include "player/activities/rules/rodadas.h"

#include <algorithm>

#include "files/convencoes.h"
#include "player/activities/rules/quadro.h"

namespace zelmo::regras {

namespace {
QString Num(int n) { return QString::number(n); }
}  // namespace

bool JogoRodadas::Proximo() {
  certas_ = 0;
  if (r_ < R_) ++r_;
  return r_ <= R_ - 1;
}

QString JogoRodadas::Rodada() const { return "Rodada " + Num(r_ + 1) + " de " + Num(R_); }

int JogoRodadas::Porcentagem() const {
  // 100 x r / R + 100 x c / K / R, as one fraction.
  const int64_t k = k_ > 0 ? k_ : kPorRodada;
  const int64_t r = std::max(r_, 0);
  const int64_t c = concluida() ? 0 : certas_;
  return files::Porcentagem(r * k + c, static_cast<int64_t>(R_) * k);
}

QStringList JogoRodadas::LinhasContagem(int consultas) const {
  return {"Rodadas programadas: " + Num(R_) + " - Rodadas executadas: " + Num(std::max(r_, 0)) +
              " - Total de Erros: " + Num(erros_),
          LinhaCumprida(Porcentagem(), consultas)};
}

void JogoRodadas::Conta(const Julgado& j) {
  if (j.incompleto) return;
  certas_ = j.certas;
  erradas_ = j.erradas;
  erros_ += j.erradas;
}

}  // namespace zelmo::regras
