// The read-only memos of the exercise windows (phrases, options, hints,
// statements): centred text on a coloured box with a vertical scroll bar, no
// tab stop, MS Sans Serif 13 px; a click on the box reports itself.
#pragma once

#include <QString>
#include <QTextEdit>
#include <cstdint>

#include "platform/mensagens.h"

namespace zelmo {

class CaixaMemo : public QTextEdit {
  Q_OBJECT
 public:
  CaixaMemo(QWidget* pai, const QString& nome, int left, int top, int width, int height,
            uint32_t cor = platform::kAmareloClaro);

  // The text as given (a stored CR LF breaks the line once).
  QString texto() const { return texto_; }
  void setTexto(const QString& texto);
  uint32_t corFonte() const { return corFonte_; }
  void setCorFonte(uint32_t cor);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QString texto_;
  uint32_t corFonte_ = 0;
  bool pressionado_ = false;
};

}  // namespace zelmo
