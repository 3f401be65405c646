#include "platform/impressora_texto.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace platform {

ImpressoraTexto::ImpressoraTexto(QPrinter& impressora) : impressora_(impressora) {}

ImpressoraTexto::~ImpressoraTexto() { Fecha(); }

bool ImpressoraTexto::Abre() {
  if (pintor_) return true;
  auto* pintor = new QPainter;
  if (!pintor->begin(&impressora_)) {
    delete pintor;
    return false;
  }
  pintor_ = pintor;
  pintor_->setFont(QFont(fonte_, &impressora_));
  pintor_->setPen(Qt::black);
  y_ = 0;
  paginas_ = 1;
  return true;
}

bool ImpressoraTexto::aberta() const { return pintor_ != nullptr; }

void ImpressoraTexto::DefineFonte(const QFont& fonte) {
  fonte_ = fonte;
  if (pintor_) pintor_->setFont(QFont(fonte_, &impressora_));
}

void ImpressoraTexto::NovaPagina() {
  impressora_.newPage();
  ++paginas_;
  y_ = 0;
}

void ImpressoraTexto::Desenha(const QString& texto) {
  const QFontMetrics m(pintor_->font(), &impressora_);
  const int altura = m.lineSpacing();
  const int alturaPagina = impressora_.pageLayout().paintRectPixels(impressora_.resolution()).height();
  // A line that would cross the bottom of the page goes to the next one;
  // the first line of a page is always drawn, however tall the font.
  if (y_ > 0 && y_ + altura > alturaPagina) NovaPagina();
  if (!texto.isEmpty()) pintor_->drawText(0, y_ + m.ascent(), texto);
  y_ += altura;
}

void ImpressoraTexto::EscreveLinha(const QString& linha) {
  if (!pintor_) return;
  const QStringList partes = linha.split(QChar(12));
  for (qsizetype i = 0; i < partes.size(); ++i) {
    if (i > 0) NovaPagina();
    // What follows the last form feed of a line ending in one is nothing:
    // the line end itself draws no line on the new page.
    if (i > 0 && i + 1 == partes.size() && partes[i].isEmpty()) break;
    Desenha(partes[i]);
  }
}

void ImpressoraTexto::Fecha() {
  if (!pintor_) return;
  pintor_->end();
  delete pintor_;
  pintor_ = nullptr;
}

}  // namespace platform
