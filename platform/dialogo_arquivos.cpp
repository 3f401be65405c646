#include "platform/dialogo_arquivos.h"

#include <QDateTime>
#include <algorithm>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QShowEvent>
#include <QTreeView>

#include "platform/escala.h"
#include "platform/idioma.h"

namespace platform {

namespace {

// The columns of Qt's file model: name, size, kind, date.
enum Coluna { kNome, kTamanho, kTipo, kData };

// The size, kind and date of each entry in the program's language.
class EmPortugues : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& indice, int papel) const override {
    const auto* modelo = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!modelo || papel != Qt::DisplayRole || indice.column() < kTamanho || indice.column() > kData)
      return QIdentityProxyModel::data(indice, papel);
    const QFileInfo info = modelo->fileInfo(mapToSource(indice));
    const QLocale local = Portugues();
    switch (indice.column()) {
      case kTamanho:
        return info.isDir() ? QString() : local.formattedDataSize(info.size(), 2, QLocale::DataSizeTraditionalFormat);
      case kTipo:
        if (info.isDir()) return QStringLiteral("Pasta");
        if (info.suffix().isEmpty()) return QStringLiteral("Arquivo");
        return QStringLiteral("Arquivo ") + info.suffix();
      default:
        return local.toString(info.lastModified(), QLocale::ShortFormat);
    }
  }
};

// Fits the columns when the dialog is shown: the name takes what the others
// leave.
class Colunas : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::Show)
      if (auto* lista = objeto->findChild<QTreeView*>()) {
        QHeaderView* cabecalho = lista->header();
        cabecalho->setStretchLastSection(false);
        cabecalho->setSectionResizeMode(kNome, QHeaderView::Stretch);
        for (int c : {kTamanho, kTipo, kData}) cabecalho->setSectionResizeMode(c, QHeaderView::ResizeToContents);
      }
    return QObject::eventFilter(objeto, evento);
  }
};

}  // namespace

void PreparaDialogoArquivos(QFileDialog* dialogo) {
  if (!dialogo) return;
  dialogo->setOption(QFileDialog::DontUseNativeDialog);
  dialogo->setViewMode(QFileDialog::Detail);
  dialogo->setProxyModel(new EmPortugues(dialogo));
  dialogo->installEventFilter(new Colunas(dialogo));
  // Three quarters of the screen each way: room for the names, the sizes,
  // the kinds and the dates.
  const Tela tela = TelaAtual();
  dialogo->resize(std::max(640, tela.largura * 3 / 4), std::max(400, tela.altura * 3 / 4));
}

}  // namespace platform
