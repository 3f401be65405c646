// TfrmFigura: the picture of the hypertext page being edited and its size,
// natural ("Tamanho Original") or stretched by two scroll bars ("Ajustar
// Tamanho"), previewed in a pane of the editor's picture-pane size.  Fills
// the screen.  No cancel: the editor takes the picture as the dialog leaves
// it.
#pragma once

#include <QDialog>

class QFrame;
class QString;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace platform {
class Figura;
class Imagem;
}

namespace pravo {

class EscolhaArquivo;

// Reads a picture of the page.  One that cannot be read is reported as the
// program reports any failure (the picture's own error text); false then.
bool LeFiguraDaPagina(QWidget* dono, const QString& caminho, platform::Figura* figura);

class TfrmFigura : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmFigura(QWidget* dono = nullptr);

  QLabel* Label3;
  EscolhaArquivo* cboArquivo;
  QRadioButton* rdbOriginal;
  QRadioButton* rdbAjustar;
  QLabel* lblLargura;
  QScrollBar* scbLargura;
  QLabel* lblAltura;
  QScrollBar* scbAltura;
  QFrame* pnlFigura;
  platform::Imagem* imgFigura;
  QPushButton* btnSair;

  // Refills the list from DirHiper: " nenhum ", the metafiles, the bitmaps,
  // the JPEG pictures.
  void PreencheArquivos();
  // A picture was chosen in the list (also the editor's stored picture).
  // One that cannot be read is reported and the list goes back to the
  // choice before it, so that its name is not stored.
  void cboArquivoChange();
  void FormActivate();
  void rdbOriginalClick();
  void rdbAjustarClick();
  void scbLarguraChange();
  void scbAlturaChange();
  void CentralizaFigura();

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void MostraBarras(bool mostra);

  int margemSair_ = 0;  // btnSair's distance from the bottom edge
  int escolha_ = -1;  // the list's entry whose picture is shown
};

}  // namespace pravo
