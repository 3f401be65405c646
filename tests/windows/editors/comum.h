// What the editor tests share: a subject folder of their own, and a
// recorder that answers every message box (and the insert dialog) while an
// action runs, keeping what each box showed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <vector>

#include "authoring/editors/controles.h"
#include "authoring/editors/editores.h"
#include "authoring/editors/inserir.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "platform/escala.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"

namespace teste {

struct Caixa {
  QString titulo;
  QString texto;
};

// Answers the message boxes and the insert dialog that open while `acao`
// runs.  `depois` is the insert dialog's choice (-1: leave it as it is).
class Respondedor {
 public:
  explicit Respondedor(int depois = -1) : depois_(depois) {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Responde(); });
  }

  std::vector<Caixa> Roda(const std::function<void()>& acao) {
    vistas_.clear();
    timer_.start();
    acao();
    timer_.stop();
    return vistas_;
  }

  int insercoes() const { return insercoes_; }

 private:
  void Responde() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
      vistas_.push_back({caixa->windowTitle(), caixa->text()});
      caixa->done(QMessageBox::Ok);
    } else if (auto* ins = qobject_cast<pravo::TfrmInserir*>(w)) {
      ++insercoes_;
      if (depois_ >= 0) ins->RadioGroup1->DefineItemIndex(depois_);
      ins->btnSair->click();
    }
  }

  int depois_;
  int insercoes_ = 0;
  QTimer timer_;
  std::vector<Caixa> vistas_;
};

inline std::vector<QString> Textos(const std::vector<Caixa>& caixas) {
  std::vector<QString> r;
  for (const Caixa& c : caixas) r.push_back(c.texto);
  return r;
}

// A program folder with one subject, "assunto"; the editors' windows are
// registered and created as the splash creates them.
class EditoresTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    apoio::Aplicacao();
    platform::DefineTela({640, 480, 120});
    pravo::ReiniciaGlobais();
    pravo::DirPrograma = pasta.caminho();
    pravo::DirAssunto = pasta.caminho() + QStringLiteral("assunto/");
    pravo::ArqAssunto = pravo::DirAssunto + QStringLiteral("assunto.ast");
    pasta.Escreve(QStringLiteral("assunto/.mantem"), {});
    QFile::remove(pravo::DirAssunto + QStringLiteral(".mantem"));
    pravo::RegistraEditores();
    pravo::CriaJanelas(nullptr);
    // A window that no Respondedor expected fails the test instead of
    // hanging it.
    guarda_.setInterval(500);
    QObject::connect(&guarda_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w || !w->isVisible()) {
        visto_ = nullptr;
        return;
      }
      if (w != visto_) {
        visto_ = w;
        return;
      }
      if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
        ADD_FAILURE() << "unexpected message box: " << caixa->text().toStdString();
        caixa->done(QMessageBox::Ok);
      } else if (auto* ins = qobject_cast<pravo::TfrmInserir*>(w)) {
        ADD_FAILURE() << "unexpected insert dialog";
        ins->btnSair->click();
      } else {
        // Any other window: hiding it ends its exec() whatever it checks.
        ADD_FAILURE() << "unexpected modal window: " << w->metaObject()->className();
        w->hide();
      }
    });
    guarda_.start();
  }
  void TearDown() override {
    guarda_.stop();
    for (const char* nome : {"TfrmEditAst", "TfrmEditPal", "TfrmEditFra", "TfrmEditTst"})
      if (QDialog* j = pravo::Janela(QString::fromLatin1(nome)); j && j->isVisible()) {
        // Leave without the editor's checks.
        j->QDialog::hide();
      }
    pravo::DestroiJanelas();
    pravo::ReiniciaGlobais();
  }

  template <class T> T* Editor(const char* classe) {
    return qobject_cast<T*>(pravo::Janela(QString::fromLatin1(classe)));
  }

  QString Caminho(const QString& nome) const { return pravo::DirAssunto + nome; }
  void Cria(const QString& nome, const QByteArray& bytes = {}) const {
    pasta.Escreve(QStringLiteral("assunto/") + nome, bytes);
  }
  QByteArray Bytes(const QString& nome) const { return pasta.Le(QStringLiteral("assunto/") + nome); }

  apoio::PastaTemporaria pasta;
  Respondedor respondedor;

 private:
  QTimer guarda_;
  QWidget* visto_ = nullptr;
};

// Records of a file, read back as the player reads them.
template <class R> std::vector<R> Registros(const QString& caminho) {
  std::vector<R> r;
  for (const QByteArray& b : files::LeTodos(caminho, R::Tamanho)) r.push_back(R::DeBytes(b));
  return r;
}

inline files::RegPalavra Palavra(const QString& palavra, const QString& dica) {
  files::RegPalavra r;
  r.Palavra = palavra;
  r.DefineDica(dica);
  r.Prepara();
  return r;
}

inline QByteArray Arquivo(const std::vector<QByteArray>& registros) {
  QByteArray tudo;
  for (const QByteArray& b : registros) tudo += b;
  return tudo;
}

}  // namespace teste
