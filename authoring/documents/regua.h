// The rich-text editor's ruler: a panel whose caption is a row of TAB and
// "|" pairs, so that its tick marks stand at the editor's default tab
// positions; the line along it; and the three indent markers (first line,
// left, right) that the author drags.
#pragma once

#include <QFrame>
#include <QString>

class QLabel;

namespace pravo {

class Regua : public QFrame {
  Q_OBJECT
 public:
  explicit Regua(QWidget* pai = nullptr);

  QFrame* RulerLine;
  QLabel* FirstInd;
  QLabel* LeftInd;
  QLabel* RightInd;

  void DefineLegenda(const QString& legenda);
  const QString& legenda() const { return legenda_; }
  // Where the caption's first tab position starts, and the distance between
  // tab positions, in the ruler's pixels.
  void DefineTabulacao(double inicio, double distancia);

 signals:
  void Redimensionada();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  QString legenda_;
  double inicio_ = 6;
  double distancia_ = 80;
};

}  // namespace pravo
