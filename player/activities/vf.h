// True or false ("Verdadeiro ou Falso", page kind 11): five statements made
// from phrases, each filled with its right or a wrong option, each marked
// "Verdadeiro" or "Falso"; "Pronto" judges the five marks, and five right
// marks start the next round.
#pragma once

#include <QList>
#include <array>
#include <memory>

#include "files/registros.h"
#include "platform/grupo_radio.h"
#include "player/activities/memo.h"
#include "player/activities/rodadas.h"
#include "player/activities/rules/vf.h"

namespace zelmo {

class TfrmVF : public TfrmRodadas {
  Q_OBJECT
 public:
  explicit TfrmVF(QWidget* dono = nullptr);
  ~TfrmVF() override;

  QFrame* Panel1;
  std::array<CaixaMemo*, regras::kPorRodada> memFrase{};         // the statements
  std::array<platform::GrupoRadio*, regras::kPorRodada> rdgVF{};  // their marks

  CaixaMemo* Frase(int n) const {
    return n >= 1 && n <= regras::kPorRodada ? memFrase[static_cast<size_t>(n - 1)] : nullptr;
  }
  platform::GrupoRadio* Grupo(int n) const {
    return n >= 1 && n <= regras::kPorRodada ? rdgVF[static_cast<size_t>(n - 1)] : nullptr;
  }
  const regras::JogoVF* jogo() const { return static_cast<const regras::JogoVF*>(jogo_.get()); }

  // The five distinct phrases of a round, drawn from the whole file, and
  // their statements; false when the file failed and the program ends.
  bool EscolheFrases();
  // Mark group n got a new selection (by the student or the program).
  void rdgVF1Click(int n);
  // A click on statement n moves the focus to its mark group.
  void memFrase1Click(int n);
  void btnProntoClick() override;

 protected:
  std::unique_ptr<regras::JogoRodadas> CriaJogo(int rodadas) override;
  bool SorteiaRodada() override { return EscolheFrases(); }
  void MostraRodada() override;
  void Limpa() override;
  void MostraResposta() override;
  QString TituloRelatorio() const override;
  QString CabecalhoErros() const override;

 private:
  regras::JogoVF* vf() { return static_cast<regras::JogoVF*>(jogo_.get()); }
  // The font colours of the mark groups as the game has them.
  void PintaGrupos();

  bool limpando_ = false;
};

}  // namespace zelmo
