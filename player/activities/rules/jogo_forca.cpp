#include "player/activities/rules/jogo_forca.h"

#include "files/texto.h"

namespace zelmo::regras {

const QString& JogoForca::ConjuntoLetras() {
  static const QString conjunto =
      QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÁÀÂÄÃÉÈÊËÍÌÎÏÓÒÔÖÕÚÙÛÜÑÇ");
  return conjunto;
}

QChar JogoForca::Dobra(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 192 && u <= 196) return u'A';
  if (u >= 200 && u <= 203) return u'E';
  if (u >= 204 && u <= 207) return u'I';
  if (u >= 210 && u <= 214) return u'O';
  if (u >= 217 && u <= 220) return u'U';
  if (u == 209) return u'N';
  if (u == 199) return u'C';
  return c;
}

int JogoForca::LetraDaTecla(const QString& texto) {
  if (texto.size() != 1) return 0;
  const QString maiuscula = files::MaiusculasAnsi(texto);
  if (maiuscula.size() != 1) return 0;
  static const QString de = QString::fromUtf8("ÁÀÄÃÉÈËÍÌÏÓÒÖÕÚÙÜÑÇ");
  static const QString para = QStringLiteral("AAAAEEEIIIOOOOUUUNC");
  QChar c = maiuscula[0];
  const qsizetype k = de.indexOf(c);
  if (k >= 0) c = para[k];
  if (c < u'A' || c > u'Z') return 0;
  return c.unicode() - u'A' + 1;
}

void JogoForca::Limpa() {
  JogoPalavras::Limpa();
  jogadas_.fill(false);
}

void JogoForca::PreparaPalavra() {
  const QString p = palavra();
  for (int i = 0; i < p.size(); ++i) {
    const QChar c = p[i];
    visiveis_[i] = c != u' ';
    rotulos_[i] = ConjuntoLetras().contains(c) ? QString() : QString(c);
  }
}

Jogada JogoForca::JogaLetra(int n) {
  Jogada j;
  if (!letraLivre(n) || indice() < 0 || concluida()) return j;
  j.aceita = true;
  jogadas_[n - 1] = true;
  const QChar letra = Letra(n);
  const QString p = palavra();
  for (int i = 0; i < p.size(); ++i) {
    if (Dobra(p[i]) == letra) {
      rotulos_[i] = p[i];
      j.reveladas.append(i + 1);
    }
  }
  if (j.reveladas.isEmpty()) Erra(j);
  Fecha(j);
  return j;
}

}  // namespace zelmo::regras
