// What the player's window tests share: a program folder with a subject, a
// stand-in page window that records what it was shown, and an answerer that
// fills the login and answers message boxes while a run goes on.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "platform/escala.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/senha.h"
#include "player/splash.h"
#include "support/aplicacao.h"
#include "support/configuracao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "support/relogio_falso.h"

namespace apoio {

// A page of a kind with a data file name, stored as the page-list editor
// stores it.
inline files::RegPagina Pagina(int tipo, const QString& arquivo) {
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = arquivo;
  p.Prepara();
  return p;
}

inline QByteArray Bytes(const QList<files::RegPagina>& paginas) {
  QByteArray b;
  for (const auto& p : paginas) b += p.ParaBytes();
  return b;
}

// What a stand-in window saw when it was shown.
struct Visita {
  int tipo;
  QString arquivo;
  bool ultima;
};

// A page or activity window that records each showing and then does what the
// test says (by default: OK, go on).
class JanelaFalsa : public QDialog {
 public:
  using Acao = std::function<void(JanelaFalsa*)>;
  JanelaFalsa(QWidget* dono, QList<Visita>* visitas, Acao acao)
      : QDialog(dono), visitas_(visitas), acao_(std::move(acao)) {}
  bool fechouPeloManipulador = false;

 protected:
  void showEvent(QShowEvent* e) override {
    QDialog::showEvent(e);
    visitas_->append({zelmo::AtividadeAtual.Tipo, zelmo::AtividadeAtual.Arquivo,
                      zelmo::UltimaAtividade});
    QTimer::singleShot(0, this, [this] {
      if (acao_) acao_(this); else done(1);
    });
  }
  void closeEvent(QCloseEvent* e) override {
    fechouPeloManipulador = true;
    QDialog::closeEvent(e);
  }

 private:
  QList<Visita>* visitas_;
  Acao acao_;
};

// While it lives: fills the login with the name and identification and
// presses OK; answers every message box with OK and keeps what it showed.
class Respondedor {
 public:
  Respondedor(QString nome, QString identificacao)
      : nome_(std::move(nome)), identificacao_(std::move(identificacao)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Olha(); });
    timer_.start(2);
  }
  QList<Mensagem> mensagens;
  int logins = 0;

 private:
  void Olha() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
      mensagens.append(Vista(caixa));
      caixa->button(QMessageBox::Ok) ? caixa->button(QMessageBox::Ok)->click() : caixa->done(0);
      return;
    }
    if (auto* senha = qobject_cast<zelmo::TfrmSenha*>(w)) {
      ++logins;
      senha->edtNome->setText(nome_);
      senha->edtSenha->setText(identificacao_);
      senha->btnOK->click();
    }
  }
  QString nome_, identificacao_;
  QTimer timer_;
};

// A program folder of a test's own, with the player's globals pointed at it.
class ProgramaDeTeste {
 public:
  ProgramaDeTeste() {
    Aplicacao();
    zelmo::ReiniciaGlobais();
    zelmo::RemoveJanelas();
    zelmo::PastaDoPrograma = pasta.caminho();
    zelmo::Relogio = &relogio;
    zelmo::TfrmSplash::DefineIntervalo(0);
    platform::DefineTela({1024, 768, 96});
  }
  ~ProgramaDeTeste() {
    zelmo::RemoveJanelas();
    zelmo::ReiniciaGlobais();
    zelmo::PastaDoPrograma.clear();
    zelmo::TfrmSplash::DefineIntervalo(1000);
    platform::UsaTelaReal();
  }
  // The subject "Biologia" with report "Turma A" and these pages.
  void Assunto(const QList<files::RegPagina>& paginas) {
    pasta.Escreve("Zelmo2.cfg", Configuracao("Biologia", "Turma A"));
    pasta.Escreve("Biologia/Biologia.ast", Bytes(paginas));
  }
  QByteArray Relatorio() const { return pasta.Le("Biologia/Turma A.rel"); }
  bool TemRelatorio() const { return QFile::exists(pasta.caminho() + "Biologia/Turma A.rel"); }

  PastaTemporaria pasta;
  RelogioFalso relogio;
};

}  // namespace apoio
