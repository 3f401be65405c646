#include "player/activities/rules/frases.h"

namespace zelmo::regras {

QString PreencheFrase(QString frase, QString opcao) {
  opcao += ';';
  // Every run of "_" shrinks to one "_": one gap.
  for (qsizetype p = frase.indexOf(QLatin1String("__")); p >= 0; p = frase.indexOf(QLatin1String("__")))
    frase.remove(p, 1);
  // Each pass takes the first "_" from the start again, so an item that holds
  // "_" is filled by the next item.  The option shrinks at every item taken
  // and the blank holds none, so the filling ends.
  for (qsizetype p = frase.indexOf('_'); p >= 0; p = frase.indexOf('_')) {
    frase.remove(p, 1);
    QString item = QStringLiteral(" ");
    const qsizetype fim = opcao.indexOf(';');
    if (fim >= 0) {
      item = opcao.left(fim);
      opcao.remove(0, fim + 1);
    }
    frase.insert(p, item);
  }
  return frase;
}

bool FraseDuplicada(const files::RegFrase& novo, const files::RegFrase& aceito) {
  return novo.Texto1 == aceito.Texto1 && novo.Texto2 == aceito.Texto2 && novo.Correta == aceito.Correta;
}

const RegrasSelecao<files::RegFrase>& RegrasFrases() {
  static const RegrasSelecao<files::RegFrase> regras = [] {
    RegrasSelecao<files::RegFrase> r;
    r.duplicado = FraseDuplicada;
    return r;
  }();
  return regras;
}

}  // namespace zelmo::regras
