// An up-down control: two small arrow buttons that step a number between
// its bounds, beside the edit field it is tied to.
#pragma once

#include <QWidget>

class QToolButton;

namespace pravo {

class SetasNumero : public QWidget {
  Q_OBJECT
 public:
  explicit SetasNumero(QWidget* pai = nullptr);

  QToolButton* Acima;
  QToolButton* Abaixo;

  int valor() const { return valor_; }
  int minimo() const { return minimo_; }
  void DefineLimites(int minimo, int maximo);
  // Sets the number without announcing it.
  void DefineValor(int valor);
  void Passo(int passo);

 signals:
  // The author stepped the number.
  void Mudou(int valor);

 private:
  int valor_ = 0;
  int minimo_ = 0;
  int maximo_ = 100;
};

}  // namespace pravo
