// TfrmItens: the items of the hypertext page being edited, in a grid of
// label, linked page and hot spot, with the page's picture beside it for
// picking hot spots.  Fills the screen.  "Sair" closes only when every
// linked page is one of the folder's pages.
//
// The grid is addressed as the original string grid was: row 0 is the
// header, column 0 the row number; data rows run from 1 to RowCount() - 1.
#pragma once

#include <QDialog>
#include <QPointF>
#include <QString>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace platform {
class Imagem;
}

namespace pravo {

class TfrmItens : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmItens(QWidget* dono = nullptr);

  enum Coluna { kNumero = 0, kItem = 1, kArquivo = 2, kX = 3, kY = 4 };

  QTableWidget* StringGrid1;
  QComboBox* ComboBox1;
  QLabel* Label3;
  QPushButton* btnExcluir;
  QPushButton* btnInserir;
  QGroupBox* GroupBox1;
  QLabel* lblCoordX;
  QLabel* lblCoordY;
  QFrame* pnlFigura;
  platform::Imagem* imgFigura;
  QPushButton* btnSair;

  // The string grid's cells and rows.
  QString Cells(int coluna, int linha) const;
  void DefineCell(int coluna, int linha, const QString& texto);
  int RowCount() const;
  void DefineRowCount(int linhas);
  int Row() const;  // the current row (1 and up)
  // The header and one empty row.
  void Reinicia();

  void ListaPaginas();
  void FormActivate();
  void Renumerar();
  void LimparLinha(int linha);
  void btnInserirClick();
  void btnExcluirClick();
  void StringGrid1KeyPress();
  void StringGrid1RowMoved(int de, int para);
  void StringGrid1SelectCell(int coluna, int linha);
  void ComboBox1Change();
  void ComboBox1Exit();
  void imgFiguraMouseMove(QPointF ponto);
  void imgFiguraClick();
  void CentralizaFigura();
  // Checks the linked pages; closes when every one is known.
  void btnSairClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void reject() override;

 private:
  void LarguraColunas();
  void Troca(int a, int b);

  int margemSair_ = 0;    // btnSair's distance from the bottom edge
  int margemFigura_ = 0;  // pnlFigura's
  int xClique_ = 0;
  int yClique_ = 0;
  bool mudandoLista_ = false;
};

}  // namespace pravo
