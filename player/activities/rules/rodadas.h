// What association and true or false share: R rounds of five records drawn
// anew from the whole file, the judgement of a round by "Pronto" (the counts
// of the last press, the total errors), the percentage and the report's
// count lines.  A file with fewer than five different records plays rounds
// of the records it has.
#pragma once

#include <QString>
#include <QStringList>

#include "player/activities/rules/exercicio.h"

namespace zelmo::regras {

inline constexpr int kPorRodada = 5;

// The file holds the five records a round needs.
inline bool RegistrosBastam(long long registros) { return registros >= kPorRodada; }

// What a press of "Pronto" found.
struct Julgado {
  bool incompleto = false;  // something was not answered: nothing counted
  int certas = 0;
  int erradas = 0;
  QStringList linhas;       // one per wrong answer, for the wrong list
  bool resolvido() const { return !incompleto && erradas == 0; }
};

class JogoRodadas : public JogoExercicio {
 public:
  explicit JogoRodadas(int rodadas) : R_(rodadas) {}

  int R() const { return R_; }
  // Rounds completed: -1 before the first round, R once all are done.
  int r() const { return r_; }
  bool concluida() const { return r_ >= R_; }
  int Erros() const override { return erros_; }
  int certasUltima() const { return certas_; }
  int erradasUltima() const { return erradas_; }
  // The records of the current round (5, or fewer when the file has fewer
  // different ones).
  int K() const { return k_; }

  // To the next round; false when there is none (the activity is complete).
  // The caller then draws the round's records and passes them on.
  bool Proximo();
  // "Rodada <r> de <R>".
  QString Rodada() const;
  // The rounds completed plus the share of the current round that the last
  // press found right, against R, rounded (100 once complete).
  int Porcentagem() const override;
  // "Rodadas programadas: ..." and "Atividade cumprida: ...".
  QStringList LinhasContagem(int consultas) const override;

 protected:
  void DefineK(int k) { k_ = k; }
  // A judged press: its counts, the errors added to the total.
  void Conta(const Julgado& j);

 private:
  int R_;
  int r_ = -1;
  int erros_ = 0;
  int certas_ = 0;
  int erradas_ = 0;
  int k_ = kPorRodada;
};

}  // namespace zelmo::regras
