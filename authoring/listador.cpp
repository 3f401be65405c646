#include "authoring/listador.h"

#include <QDir>
#include <algorithm>

#include "files/pastas.h"

namespace pravo {

namespace {

// Makes the folder current; false when it does not exist.
bool TornaAtual(const QString& pasta) {
  if (pasta.isEmpty()) return false;
  const QString real = files::ResolveCaminho(pasta);
  if (!QDir(real).exists()) return false;
  return QDir::setCurrent(real);
}

}  // namespace

QStringList ListaPasta(const QString& pasta, const QString& mascara) {
  if (!TornaAtual(pasta)) return {};
  return files::ListaArquivos(pasta, mascara);
}

QStringList ListaSubpastas(const QString& pasta) {
  if (!TornaAtual(pasta)) return {};
  QStringList r = QDir(files::ResolveCaminho(pasta)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  std::sort(r.begin(), r.end(), [](const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return r;
}

CaixaArquivos::CaixaArquivos(QWidget* dono) : QListWidget(dono) {
  setObjectName(QStringLiteral("FileListBox1"));
  hide();
}

void CaixaArquivos::DefinePasta(const QString& pasta) {
  pasta_ = pasta;
  Atualiza();
}

void CaixaArquivos::Atualiza() {
  clear();
  addItems(pastas_ ? ListaSubpastas(pasta_) : ListaPasta(pasta_, mascara_));
}

QStringList CaixaArquivos::Itens() const {
  QStringList r;
  for (int i = 0; i < count(); ++i) r << item(i)->text();
  return r;
}

}  // namespace pravo
