// A clock that tests move by hand.  Each reading of the time of day moves it
// on by `passo` ms, so busy waits end at once without sleeping.
#pragma once

#include "files/convencoes.h"

namespace apoio {

class RelogioFalso : public files::Relogio {
 public:
  explicit RelogioFalso(int inicioMs = 36000000, int passo = 50) : agora_(inicioMs), passo_(passo) {}
  int MilissegundosDoDia() const override;
  int MilissegundosUTC() const override { return utc_; }
  QDateTime Agora() const override { return data_; }

  void Define(int ms) { agora_ = ms; }
  void DefineUTC(int ms) { utc_ = ms; }
  void DefineData(const QDateTime& d) { data_ = d; }
  int leituras() const { return leituras_; }

 private:
  mutable int agora_;
  int passo_;
  mutable int leituras_ = 0;
  int utc_ = 12345678;
  QDateTime data_ = QDateTime(QDate(2026, 12, 10), QTime(14, 30, 5));
};

}  // namespace apoio
