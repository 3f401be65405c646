// TfrmEditLoc: the locate editor.  One record per picture of a locate file
// (.loc): the picture and the size it is drawn at, up to six labels, where
// each label's panel stands on the picture and the point its line starts
// from.  Every position is stored as a fraction of the square picture box.
#pragma once

#include <QLabel>
#include <QList>
#include <QPoint>
#include <array>

#include "authoring/editors/editor_registros.h"
#include "authoring/escolha_arquivo.h"
#include "files/geometria_local.h"
#include "platform/figura.h"

class QFrame;
class QLineEdit;
class QScrollBar;
class QToolButton;

namespace platform {
class Imagem;
}

namespace pravo {

class TfrmEditLoc;

// A label panel of the picture box, moved with the mouse.
class PainelRotulo : public QLabel {
  Q_OBJECT
 public:
  PainelRotulo(TfrmEditLoc* editor, QWidget* pai, const QString& nome);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  TfrmEditLoc* editor_;
};

class TfrmEditLoc : public EditorRegistros {
  Q_OBJECT
 public:
  explicit TfrmEditLoc(QWidget* dono = nullptr);
  ~TfrmEditLoc() override;

  // The picture warning (Yes and No) never refuses; a blank first label does.
  bool Valida() override;

  // The picture box's side after scaling, and its geometry.
  files::GeometriaLocal Geometria() const;

  void cboFiguraChange();
  void edtPan1Change(int k);  // and its five twins: label k changed
  void scbHorizChange();
  void scbVertChange();
  void imgFrenteMouseDown(QPoint ponto);
  void btnLinha1Click(int k);  // arm line k
  void btnLimpa1Click(int k);  // clear line k
  // The label panels' mouse handlers (p is inside the panel).
  void pnlPan1MouseDown(PainelRotulo* painel, QPoint p);
  void pnlPan1MouseMove(PainelRotulo* painel, QPoint p);
  void pnlPan1MouseUp(PainelRotulo* painel);

  void RedesenhaFigura();
  void DesenhaLinhas();
  void CarregaFigura();
  void ListaFiguras();

  int linhaArmada() const { return linhaArmada_; }
  double LinhaX(int k) const { return linhaX_[k - 1]; }
  double LinhaY(int k) const { return linhaY_[k - 1]; }
  const QString& caminhoFigura() const { return caminhoFigura_; }

  QLabel* Label7;
  EscolhaArquivo* cboFigura;
  QLabel* Label1;
  QList<QLineEdit*> edtPan;         // edtPan1 .. edtPan6
  QList<QToolButton*> btnLinha;     // btnLinha1 .. btnLinha6
  QList<QToolButton*> btnLimpa;     // btnLimpa1 .. btnLimpa6
  QFrame* Panel1;
  platform::Imagem* imgFrente;
  QList<PainelRotulo*> pnlPan;      // pnlPan1 .. pnlPan6
  QScrollBar* scbHoriz;
  QScrollBar* scbVert;

 protected:
  void Limpa() override;
  void AntesDeLimpar() override;
  QByteArray ParaRegistro() override;
  void DoRegistro(const QByteArray& bytes) override;
  void AoFechar() override;

 private:
  // The holder of the picture path's kind (nullptr for another ending).
  platform::Figura* Holder();
  // The panel moved so that its centre lies under p, kept inside the box.
  void Centraliza(PainelRotulo* painel, QPoint p);
  void Redesenha();

  std::array<double, 6> linhaX_{};
  std::array<double, 6> linhaY_{};
  int linhaArmada_ = -1;
  QString caminhoFigura_;
  // JPEG, bitmap and metafile: the picture last loaded of each kind.
  std::array<platform::Figura, 3> holders_;
  bool arrastando_ = false;
  int meiaLargura_ = 0;
  int meiaAltura_ = 0;
};

}  // namespace pravo
