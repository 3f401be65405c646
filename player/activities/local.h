// Locate on a picture ("Acerte o Local", page kind 10): on each picture up
// to six empty targets stand where the teacher put them, each joined by a
// line to a point of the picture; the student drags the shuffled labels onto
// the targets and presses "Pronto".
#pragma once

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <memory>

#include "files/geometria_local.h"
#include "player/activities/painel.h"
#include "player/activities/rules/local.h"
#include "player/atividade.h"

namespace platform {
class Imagem;
}

namespace zelmo {

class TfrmLocal : public TfrmAtividade {
  Q_OBJECT
 public:
  explicit TfrmLocal(QWidget* dono = nullptr);
  ~TfrmLocal() override;

  QLabel* lblTitulo;
  QLabel* lblAcertos;
  QLabel* lblErros;
  QLabel* lblRodada;
  QFrame* Panel1;
  platform::Imagem* imgFrente;
  QList<Painel*> alvos;    // pnlPan1 .. pnlPan6
  QList<Painel*> opcoes;   // pnlOp1 .. pnlOp6
  QPushButton* btnPronto;

  Painel* pnlPan(int q) const { return alvos.value(q - 1); }
  Painel* pnlOp(int q) const { return opcoes.value(q - 1); }
  const regras::JogoLocal* jogo() const { return jogo_.get(); }
  // The picture box as this window lays it out (its side after scaling).
  files::GeometriaLocal Geometria() const;

  void btnProntoClick();
  // An option dropped on a target.
  void pnlPan6DragDrop(Painel* alvo, QObject* origem);

 protected:
  bool Iniciar() override;
  void Proximo() override;
  void Limpa() override;
  void MostraResposta() override;
  int Porcentagem() const override;
  int Erros() const override;
  void ZeraContadores() override;
  QString TituloRelatorio() const override;
  QStringList LinhasContagem() const override;
  QString CabecalhoErros() const override;

 private:
  bool EscolheFiguras(int n, QList<files::RegFigura>* figuras);
  bool EscolheFiguras1(int n, QList<files::RegFigura>* figuras);
  bool EscolheFiguras2(int n, QList<files::RegFigura>* figuras);
  void DesenhaFigura();
  // The caption trimmed, and the target as wide as it + 10 pixels.
  void PoeLegenda(Painel* alvo, const QString& legenda);
  int LarguraDe(const QString& legenda) const;
  void AtualizaContadores();

  std::unique_ptr<regras::JogoLocal> jogo_;
  bool ocupado_ = false;  // a press of "Pronto" is being judged
};

}  // namespace zelmo
