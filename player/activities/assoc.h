// Association ("Associação", page kind 9): five windows, each a hint under a
// title; the titles start shuffled and are swapped by dragging one onto
// another; "Pronto" judges them, and five right titles start the next round.
#pragma once

#include <QList>
#include <array>
#include <memory>

#include "files/registros.h"
#include "player/activities/memo.h"
#include "player/activities/painel.h"
#include "player/activities/rodadas.h"
#include "player/activities/rules/assoc.h"

namespace zelmo {

class TfrmAssoc : public TfrmRodadas {
  Q_OBJECT
 public:
  explicit TfrmAssoc(QWidget* dono = nullptr);
  ~TfrmAssoc() override;

  std::array<Painel*, regras::kPorRodada> memPal{};      // the title boxes
  std::array<CaixaMemo*, regras::kPorRodada> memDica{};  // the hint boxes
  QLabel* Label4;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;

  Painel* Pal(int i) const { return i >= 1 && i <= regras::kPorRodada ? memPal[static_cast<size_t>(i - 1)] : nullptr; }
  CaixaMemo* Dica(int i) const {
    return i >= 1 && i <= regras::kPorRodada ? memDica[static_cast<size_t>(i - 1)] : nullptr;
  }
  const regras::JogoAssoc* jogo() const { return static_cast<const regras::JogoAssoc*>(jogo_.get()); }

  // The five distinct words of a round, drawn from the whole file, and the
  // titles shuffled; false when the file failed and the program ends.
  bool EscolhePalavras();
  // A title box accepts any dragged title box.
  bool memPal1DragOver(Painel* alvo, QObject* source);
  // Title box `source` dropped on `alvo`: the two titles change places.
  void memPal1DragDrop(Painel* alvo, QObject* source);
  void memDica1Click();
  void btnProntoClick() override;

 protected:
  std::unique_ptr<regras::JogoRodadas> CriaJogo(int rodadas) override;
  bool SorteiaRodada() override { return EscolhePalavras(); }
  void MostraRodada() override;
  void Limpa() override;
  void MostraResposta() override;
  QString TituloRelatorio() const override;
  QString CabecalhoErros() const override;

 private:
  regras::JogoAssoc* assoc() { return static_cast<regras::JogoAssoc*>(jogo_.get()); }
};

}  // namespace zelmo
