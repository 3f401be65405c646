#include "player/activities/rules/local.h"

#include "files/convencoes.h"

namespace zelmo::regras {

int NumeroRotulos(const files::RegFigura& figura) {
  int k = 0;
  while (k < files::RegFigura::kPaineis && !figura.Rotulo[k].isEmpty()) ++k;
  return k;
}

namespace {

QByteArray Juntos(const files::RegFigura& f) {
  QString s;
  for (const QString& r : f.Rotulo) s += r;
  return s.toUtf8();
}

}  // namespace

bool FiguraDuplicada(const files::RegFigura& novo, const files::RegFigura& aceito) {
  return Juntos(novo) == Juntos(aceito);
}

const RegrasSelecao<files::RegFigura>& RegrasFiguras() {
  static const RegrasSelecao<files::RegFigura> regras = [] {
    RegrasSelecao<files::RegFigura> r;
    r.duplicado = FiguraDuplicada;
    return r;
  }();
  return regras;
}

JogoLocal::JogoLocal(QList<files::RegFigura> figuras) : figuras_(std::move(figuras)) {}

QString JogoLocal::rotulo(int q) const {
  if (i_ < 0 || i_ >= N() || q < 1 || q > files::RegFigura::kPaineis) return {};
  return figura().Rotulo[q - 1];
}

bool JogoLocal::Proximo() {
  if (i_ < N()) ++i_;
  if (i_ > N() - 1) {
    k_ = 0;
    return false;
  }
  k_ = NumeroRotulos(figura());
  return true;
}

JulgamentoLocal JogoLocal::Julga(const QStringList& captions, QStringList* listaErros) {
  JulgamentoLocal j;
  if (i_ < 0 || i_ >= N()) return j;
  for (int q = 1; q <= k_; ++q) {
    if (captions.value(q - 1).isEmpty()) {
      j.incompleto = true;
      return j;
    }
  }
  for (int q = 1; q <= k_; ++q) {
    const QString& c = captions.at(q - 1);
    if (c == rotulo(q)) {
      ++acertos_;
    } else {
      ++erros_;
      if (listaErros) listaErros->append(figura().Figura + QStringLiteral(" - ") + c);
      j.errados.append(q);
    }
  }
  j.completa = j.errados.isEmpty();
  return j;
}

int JogoLocal::Porcentagem() const { return files::Porcentagem(std::max(i_, 0), N()); }

QStringList JogoLocal::LinhasContagem(int consultas) const {
  return {QStringLiteral("Quantidade de Figuras: %1 - Painéis Corretos: %2 - Painéis Errados: %3")
              .arg(N())
              .arg(acertos_)
              .arg(erros_),
          QStringLiteral("Atividade cumprida: %1 % - Consultas: %2").arg(Porcentagem()).arg(consultas)};
}

}  // namespace zelmo::regras
