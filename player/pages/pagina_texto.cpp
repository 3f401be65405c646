#include "player/pages/pagina_texto.h"

#include <QCloseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>

#include "platform/mensagens.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/servicos.h"

namespace zelmo {

JanelaPagina::JanelaPagina(QWidget* dono, const QString& caption)
    : QDialog(dono, Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(caption);
  setModal(true);
  resize(640, 480);
  platform::PintaFundo(this, platform::kAzulEscuro);
}

QPushButton* JanelaPagina::CriaBotao(const char* nome, const QString& texto, int esquerda) {
  auto* b = new QPushButton(texto, this);
  b->setObjectName(QString::fromLatin1(nome));
  b->setGeometry(esquerda, 448, 94, 25);
  b->setAutoDefault(true);  // Enter presses the focused button
  return b;
}

void JanelaPagina::IniciaBotoes() {
  podeFechar_ = false;
  btnSair->setEnabled(UltimaAtividade || AtividadeAtual.Sair);
  btnProxima->setEnabled(false);
}

void JanelaPagina::LiberaProxima() {
  btnProxima->setEnabled(!UltimaAtividade);
  btnProxima->setVisible(!UltimaAtividade);
  if (btnProxima->isVisible() && btnProxima->isEnabled()) btnProxima->setFocus();
}

void JanelaPagina::btnProximaClick() {
  podeFechar_ = true;
  done(1);
}

void JanelaPagina::btnSairClick() {
  if (!UltimaAtividade &&
      !platform::PerguntaSimNao(this, QStringLiteral("Você quer realmente sair do Zelmo II ?"),
                                QStringLiteral("Atenção!")))
    return;
  if (UltimaAtividade)
    MostraAviso({QString(), QStringLiteral("Parabéns !"), QStringLiteral("Você cumpriu todas as atividades.")});
  else
    MostraAviso({QStringLiteral("Você está encerrando antes de cumprir todas as atividades !"),
                 QStringLiteral("Não desista !"), QStringLiteral("Tente novamente.")});
  podeFechar_ = true;
  done(2);
}

void JanelaPagina::ImprimeNaImpressora(const std::function<bool(QPrinter&)>& imprime) {
  if (QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty()) {
    platform::AvisoOK(this, QStringLiteral("Não há impressora padrão selecionada."), QStringLiteral("Zelmo II"));
    return;
  }
  QPrinter impressora(QPrinter::HighResolution);
  if (!imprime(impressora))
    platform::AvisoOK(this, QStringLiteral("A impressora não pôde iniciar a impressão."), QStringLiteral("Zelmo II"));
}

void JanelaPagina::done(int r) {
  if (ProgramaEncerrando()) {
    QDialog::done(2);
    return;
  }
  if (!podeFechar_ || r == 0) return;
  FormClose();
  ParaSom();
  QDialog::done(r);
}

void JanelaPagina::reject() {
  if (ProgramaEncerrando()) QDialog::done(2);
}

void JanelaPagina::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  ativada_ = false;
  // The activation runs once the modal loop runs, so that it may end the
  // program or open message boxes of its own.
  QTimer::singleShot(0, this, [this] {
    if (isVisible() && !ProgramaEncerrando()) FormActivate();
    ativada_ = true;
  });
}

void JanelaPagina::closeEvent(QCloseEvent* e) {
  e->ignore();
  if (ProgramaEncerrando()) QDialog::done(2);
}

}  // namespace zelmo
