// The image control: a picture (platform/figura.h) shown at its natural size
// (auto-size, the control takes the picture's size) or stretched to the
// control's size.  It reports the pointer's moves (without a button held),
// clicks and double-clicks in its own coordinates.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include "platform/figura.h"

namespace platform {

class Imagem : public QWidget {
  Q_OBJECT
 public:
  explicit Imagem(QWidget* pai = nullptr);

  // Loads the picture from a file in place of the one shown; a file that
  // cannot be read leaves the control empty.  False then.
  bool Carrega(const QString& caminho);
  void DefineFigura(const Figura& figura);
  const Figura& figura() const { return figura_; }
  void Limpa();
  // The other control's picture, auto-size, stretching and size.
  void CopiaDe(const Imagem& outra);

  bool AutoSize() const { return autoSize_; }
  // With auto-size on, the control takes the picture's natural size now and
  // at every load.
  void DefineAutoSize(bool autoSize);
  bool Stretch() const { return stretch_; }
  void DefineStretch(bool stretch);

 signals:
  void ponteiroMoveu(QPointF ponto);
  void clicada();
  void clicadaDuasVezes();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void AjustaTamanho();

  Figura figura_;
  bool autoSize_ = true;
  bool stretch_ = false;
  bool duplo_ = false;  // the release that ends a double-click is no click
};

}  // namespace platform
