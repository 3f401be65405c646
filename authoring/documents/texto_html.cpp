#include "authoring/documents/texto_html.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include "files/texto.h"

namespace pravo {

namespace {

const QByteArray kMarcaUtf8("\xEF\xBB\xBF");

QByteArray PrimeiroFimDeLinha(const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes.at(i) == '\n') return "\n";
    if (bytes.at(i) == '\r') return (i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ? "\r\n" : "\r";
  }
  return "\r\n";
}

// The line endings of a text, in order.
QList<QByteArray> FinsDe(const QString& texto) {
  QList<QByteArray> fins;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    if (texto.at(i) == u'\n') {
      fins << "\n";
    } else if (texto.at(i) == u'\r') {
      const bool par = i + 1 < texto.size() && texto.at(i + 1) == u'\n';
      fins << (par ? "\r\n" : "\r");
      if (par) ++i;
    }
  }
  return fins;
}

// The text's lines joined by the endings they had when read.
QString ComFinsProprios(const QString& texto, const QByteArray& padrao, const ArquivoHTML& lido) {
  const QStringList novas = texto.split(u'\n');
  const QStringList velhas = lido.texto.split(u'\n');
  const QList<QByteArray>& fins = lido.fins;
  const qsizetype m = novas.size(), n = velhas.size();
  // The lines kept unchanged at the start and at the end.
  qsizetype inicio = 0;
  while (inicio < m && inicio < n && novas[inicio] == velhas[inicio]) ++inicio;
  qsizetype fim = 0;
  while (fim < m - inicio && fim < n - inicio && novas[m - 1 - fim] == velhas[n - 1 - fim]) ++fim;
  const auto finalDaVelha = [&](qsizetype v) -> QByteArray {
    return v >= 0 && v < fins.size() ? fins[v] : QByteArray();
  };
  QString saida;
  saida.reserve(texto.size() + m);
  QByteArray anterior = padrao;
  for (qsizetype i = 0; i < m; ++i) {
    saida += novas[i];
    if (i == m - 1) break;
    QByteArray fimDaLinha;
    if (i < inicio)
      fimDaLinha = finalDaVelha(i);
    else if (i >= m - fim)
      fimDaLinha = finalDaVelha(i - m + n);
    else if (i < n - fim)
      fimDaLinha = finalDaVelha(i);  // the line read at this place, in the edited part
    if (fimDaLinha.isEmpty()) fimDaLinha = anterior;
    anterior = fimDaLinha;
    saida += QString::fromLatin1(fimDaLinha);
  }
  return saida;
}

}  // namespace

bool DeclaraUTF8(const QString& texto) {
  static const QRegularExpression meta(
      QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*utf-?8)"), QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression xml(
      QStringLiteral(R"(<\?xml[^>]*encoding\s*=\s*["']\s*utf-?8)"), QRegularExpression::CaseInsensitiveOption);
  return meta.match(texto).hasMatch() || xml.match(texto).hasMatch();
}

ArquivoHTML LeHTML(const QByteArray& bytes) {
  ArquivoHTML r;
  r.forma.fimDeLinha = PrimeiroFimDeLinha(bytes);
  QByteArray corpo = bytes;
  if (bytes.startsWith(kMarcaUtf8)) {
    r.forma.marca = true;
    corpo = bytes.mid(kMarcaUtf8.size());
  }
  r.forma.declarava = DeclaraUTF8(QString::fromLatin1(bytes));
  if (r.forma.marca || r.forma.declarava) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(corpo);
    if (!utf8.hasError()) {
      r.forma.utf8 = true;
      r.texto = texto;
    }
  }
  if (!r.forma.utf8) {
    // Not UTF-8 after all: the code page reads every byte back.
    r.forma.marca = false;
    r.texto = files::DeAnsi(bytes);
  }
  r.fins = FinsDe(r.texto);
  r.texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  r.texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return r;
}

QByteArray GravaHTML(const QString& texto, const FormaHTML& forma, const ArquivoHTML& lido) {
  const QString linhas = ComFinsProprios(texto, forma.fimDeLinha, lido);
  if (forma.utf8 || forma.marca || (!forma.declarava && DeclaraUTF8(linhas))) return (forma.marca ? kMarcaUtf8 : QByteArray()) + linhas.toUtf8();

  QByteArray bytes;
  bytes.reserve(linhas.size());
  for (qsizetype i = 0; i < linhas.size(); ++i) {
    const QChar c = linhas.at(i);
    if (c.unicode() < 0x80) {
      bytes += char(c.unicode());
      continue;
    }
    char32_t ponto = c.unicode();
    qsizetype usados = 1;
    if (c.isHighSurrogate() && i + 1 < linhas.size() && linhas.at(i + 1).isLowSurrogate()) {
      ponto = QChar::surrogateToUcs4(c, linhas.at(i + 1));
      usados = 2;
    }
    const QByteArray ansi = usados == 1 ? files::ParaAnsi(QString(c)) : QByteArray("?");
    if (ansi.size() == 1 && ansi != "?")
      bytes += ansi;
    else
      bytes += "&#" + QByteArray::number(uint(ponto)) + ';';
    i += usados - 1;
  }
  return bytes;
}

}  // namespace pravo
