#include "authoring/janelas.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <exception>

namespace pravo {

namespace {

struct Registro {
  QHash<QString, FabricaJanela> fabricas;
  QHash<QString, QPointer<QDialog>> janelas;
  bool criadas = false;
};

Registro& Estado() {
  static Registro r;
  return r;
}

}  // namespace

const QStringList& OrdemDeCriacao() {
  static const QStringList ordem{
      QStringLiteral("TfrmConfig"),   QStringLiteral("TfrmEditFra"), QStringLiteral("TfrmRel"),
      QStringLiteral("TfrmEditAst"),  QStringLiteral("TfrmEditPal"), QStringLiteral("TfrmEditTst"),
      QStringLiteral("TfrmTexto"),    QStringLiteral("TfrmHTML"),    QStringLiteral("TfrmEditLoc"),
      QStringLiteral("TfrmHiper"),    QStringLiteral("TfrmItens"),   QStringLiteral("TfrmFigura"),
      QStringLiteral("TfrmTitulo"),   QStringLiteral("TfrmLista3"),  QStringLiteral("TfrmLista1"),
      QStringLiteral("TfrmLista2"),   QStringLiteral("TfrmBrowser"), QStringLiteral("TfrmEditTsh"),
      QStringLiteral("TfrmInserir"),  QStringLiteral("TfrmArquivo"), QStringLiteral("TfrmEditores")};
  return ordem;
}

void RegistraJanela(const QString& classe, FabricaJanela fabrica) {
  Estado().fabricas.insert(classe, std::move(fabrica));
}

bool JanelaRegistrada(const QString& classe) { return Estado().fabricas.contains(classe); }

void EsqueceJanela(const QString& classe) { Estado().fabricas.remove(classe); }

void CriaJanelas(QWidget* dono) {
  Registro& r = Estado();
  if (r.criadas) return;
  r.criadas = true;
  // A window that fails to be made does not keep the others from being
  // made; the first failure is passed on once all are done.
  std::exception_ptr falha;
  for (const QString& classe : OrdemDeCriacao()) {
    const auto f = r.fabricas.constFind(classe);
    if (f == r.fabricas.constEnd() || !*f) continue;
    // A window already living (made by hand before the splash) is kept.
    if (!r.janelas.value(classe).isNull()) continue;
    QDialog* janela = nullptr;
    try {
      janela = (*f)(dono);
    } catch (...) {
      if (!falha) falha = std::current_exception();
      continue;
    }
    if (!janela) continue;
    if (janela->objectName().isEmpty())
      janela->setObjectName(QStringLiteral("frm") + classe.mid(QStringLiteral("Tfrm").size()));
    r.janelas.insert(classe, janela);
  }
  if (falha) std::rethrow_exception(falha);
}

QDialog* Janela(const QString& classe) { return Estado().janelas.value(classe).data(); }

void DestroiJanelas() {
  Registro& r = Estado();
  for (auto it = r.janelas.begin(); it != r.janelas.end(); ++it) delete it.value().data();
  r.janelas.clear();
  r.criadas = false;
}

}  // namespace pravo
