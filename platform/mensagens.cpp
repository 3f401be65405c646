#include "platform/mensagens.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPalette>
#include <QWidget>

namespace platform {

namespace {

int Caixa(QWidget* dono, const QString& texto, const QString& titulo, QMessageBox::Icon icone,
          QMessageBox::StandardButtons botoes, QMessageBox::StandardButton padrao) {
  QMessageBox caixa(icone, titulo, texto, botoes, dono);
  // Names from the files (a page, an item) are shown as they are written.
  caixa.setTextFormat(Qt::PlainText);
  caixa.setDefaultButton(padrao);
  // The buttons speak the programs' language whatever translations the
  // machine has.
  static const struct {
    QMessageBox::StandardButton botao;
    const char* texto;
  } kTextos[] = {{QMessageBox::Ok, "OK"},
                 {QMessageBox::Yes, "&Sim"},
                 {QMessageBox::No, "&Não"},
                 {QMessageBox::Cancel, "Cancelar"}};
  for (const auto& t : kTextos)
    if (QAbstractButton* b = caixa.button(t.botao)) b->setText(QString::fromUtf8(t.texto));
  return caixa.exec();
}

}  // namespace

void MensagemOK(QWidget* dono, const QString& texto, const QString& titulo) {
  Caixa(dono, texto, titulo, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok);
}

void AvisoOK(QWidget* dono, const QString& texto, const QString& titulo) {
  Caixa(dono, texto, titulo, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
}

bool PerguntaSimNao(QWidget* dono, const QString& texto, const QString& titulo) {
  return Caixa(dono, texto, titulo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

bool PerguntaSimNaoPadraoNao(QWidget* dono, const QString& texto, const QString& titulo) {
  return Caixa(dono, texto, titulo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

int PerguntaSimNaoCancela(QWidget* dono, const QString& texto, const QString& titulo) {
  const int r = Caixa(dono, texto, titulo, QMessageBox::Question,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (r == QMessageBox::Yes) return 1;
  if (r == QMessageBox::No) return 0;
  return -1;
}

QColor CorDe(uint32_t valor) {
  return QColor(valor & 0xFF, (valor >> 8) & 0xFF, (valor >> 16) & 0xFF);
}

void PintaFundo(QWidget* w, uint32_t valor) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, CorDe(valor));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace platform
