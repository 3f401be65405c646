// TfrmHiper of the authoring program: the hypertext page editor.  It shows
// the page at ArqHiper as the player will show it and lays it out with the
// splitters; the title, text, items, picture, sound and video are chosen
// through the page dialogs (TfrmTitulo, TfrmLista1 to 3, TfrmItens,
// TfrmFigura), which hold the page between opening and closing.  Opening
// reads the page file and its item file; closing always writes both.
#pragma once

#include <QDialog>
#include <QList>

#include "files/registros.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace platform {
class Imagem;
class QuadroHiper;
class TextoRico;
}  // namespace platform

namespace pravo {

class TfrmFigura;
class TfrmItens;
class TfrmLista;
class TfrmTitulo;

class TfrmHiper : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmHiper(QWidget* dono = nullptr);

  platform::QuadroHiper* quadro;
  QLabel* lblTitulo;
  platform::TextoRico* reTexto;
  platform::Imagem* imgFigura;
  QListWidget* lstItens;
  QPushButton* BitBtn4;
  QPushButton* BitBtn3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* btnDefault;
  QPushButton* BitBtn5;
  QPushButton* BitBtn6;
  QPushButton* btnSair;

  void FormActivate();
  // Writes the page file and the item file.
  void FormClose();
  void Redimensiona();
  void Splitter1Moved();
  void Splitter2Moved();
  void BitBtn4Click();
  void BitBtn3Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void btnDefaultClick();
  void BitBtn5Click();
  void BitBtn6Click();
  void btnSairClick();

  // What closing writes, from the window and the dialogs.
  files::RegHiper PaginaMostrada() const;
  QList<files::RegItem> ItensMostrados() const;

  void done(int r) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void FormCreate();
  void LeItens();
  void ListaItens();
  void MostraTexto(const QString& nome);

  bool aberta_ = false;
};

// The dialogs of the page, once the splash has made them.
TfrmTitulo* JanelaTitulo();
TfrmLista* JanelaLista(int n);  // 1 text, 2 sound, 3 video
TfrmFigura* JanelaFigura();
TfrmItens* JanelaItens();

}  // namespace pravo
