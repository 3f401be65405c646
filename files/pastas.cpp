#include "files/pastas.h"

#include "files/texto.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace files {

namespace {

QString ComBarra(const QString& pasta) { return pasta.endsWith('/') ? pasta : pasta + '/'; }

// Case-blind order, then the exact spelling, so that the order is total.
bool AntesSemCaixa(const QString& a, const QString& b) {
  const int c = QString::compare(a, b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

// The entry of `pasta` spelt like `nome` in some case ("" when none).  Of
// several, the first in case-blind order, so the choice never varies.
QString EntradaSemCaixa(const QString& pasta, const QString& nome) {
  const QStringList entradas =
      QDir(pasta.isEmpty() ? QStringLiteral(".") : pasta)
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  QString achada;
  for (const QString& e : entradas)
    if (QString::compare(e, nome, Qt::CaseInsensitive) == 0 && (achada.isEmpty() || AntesSemCaixa(e, achada)))
      achada = e;
  return achada;
}

}  // namespace

QString DirProgramaDe(const QString& pastaDoPrograma) { return ComBarra(MinusculasAnsi(pastaDoPrograma)); }

QString ArqConfigDe(const QString& dirPrograma) { return dirPrograma + QStringLiteral("Zelmo2.cfg"); }

QString DirAssuntoDe(const QString& dirPrograma, const QString& nomeAssunto) {
  return MinusculasAnsi(dirPrograma + nomeAssunto + '/');
}

QString ArqAssuntoDe(const QString& dirPrograma, const QString& nomeAssunto) {
  return MinusculasAnsi(dirPrograma + nomeAssunto + '/' + nomeAssunto + QStringLiteral(".ast"));
}

QString ArqRelatorioDe(const QString& dirPrograma, const QString& nomeAssunto, const QString& nomeRelatorio) {
  return dirPrograma + nomeAssunto + '/' + nomeRelatorio + QStringLiteral(".rel");
}

QString ArquivoItens(const QString& caminhoHiper) {
  return caminhoHiper.left(qMax<qsizetype>(0, caminhoHiper.size() - 3)) + QStringLiteral("itm");
}

bool NomeSimples(const QString& nome) {
  return !nome.isEmpty() && nome != QStringLiteral(".") && nome != QStringLiteral("..") &&
         !nome.contains('/') && !nome.contains('\\') && !nome.contains(QChar(0));
}

QString CaminhoNoAssunto(const QString& dirAssunto, const QString& nome) {
  // The empty path names no file: existence tests say no, opening fails
  // with "File not found".
  return NomeSimples(nome) ? dirAssunto + nome : QString();
}

QString ResolveCaminho(const QString& caminho) {
  if (caminho.isEmpty() || caminho.contains(QChar(0))) return caminho;
  if (QFileInfo::exists(caminho)) return caminho;

  const bool absoluto = caminho.startsWith('/');
  const QStringList partes = caminho.split('/');
  QString atual = absoluto ? QStringLiteral("/") : QString();
  bool achando = true;  // every part so far exists on disk
  for (qsizetype i = 0; i < partes.size(); ++i) {
    const QString& parte = partes[i];
    if (parte.isEmpty()) continue;  // the leading, a doubled or the final "/"
    QString nome = parte;
    if (achando && parte != QStringLiteral(".") && parte != QStringLiteral("..") &&
        !QFileInfo::exists(atual + parte)) {
      const QString achada = EntradaSemCaixa(atual, parte);
      if (achada.isEmpty())
        achando = false;  // the rest is kept as given
      else
        nome = achada;
    }
    atual += nome;
    if (i + 1 < partes.size()) atual += '/';
  }
  return atual;
}

bool ArquivoExiste(const QString& caminho) {
  if (caminho.isEmpty()) return false;
  return QFileInfo(ResolveCaminho(caminho)).isFile();
}

bool PastaExiste(const QString& caminho) {
  if (caminho.isEmpty()) return false;
  return QFileInfo(ResolveCaminho(caminho)).isDir();
}

QStringList ListaArquivos(const QString& pasta, const QString& mascara) {
  if (pasta.isEmpty()) return {};
  QStringList filtros;
  for (const QString& f : mascara.split(';', Qt::SkipEmptyParts)) {
    const QString t = f.trimmed();
    if (!t.isEmpty()) filtros << t;
  }
  if (filtros.isEmpty()) filtros << QStringLiteral("*");
  QList<QRegularExpression> padroes;
  for (const QString& f : filtros)
    padroes << QRegularExpression(QRegularExpression::wildcardToRegularExpression(f),
                                  QRegularExpression::CaseInsensitiveOption);
  const QDir dir(ResolveCaminho(pasta));
  if (!dir.exists()) return {};
  QStringList r;
  for (const QString& n : dir.entryList(QDir::Files | QDir::NoDotAndDotDot)) {
    for (const QRegularExpression& p : padroes) {
      if (p.match(n).hasMatch()) {
        r << n;
        break;
      }
    }
  }
  std::sort(r.begin(), r.end(), AntesSemCaixa);
  return r;
}

}  // namespace files
