// The rich-text editor (unit Texto): a small word processor for the RTF
// files that the rich-text pages and the hypertext panes show.  Every
// showing starts with an empty, untitled document.  The toolbar follows the
// selection; the formatting commands change the selection, or with nothing
// selected the attributes of the text typed next; the ruler's markers show
// and set the paragraph's indents; an RTF file dropped on the window is
// opened.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextCharFormat>

#include "authoring/documents/editor_documento.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMouseEvent;

namespace pravo {

class Regua;
class SetasNumero;

class TfrmTexto : public EditorDocumento {
  Q_OBJECT
 public:
  explicit TfrmTexto(QWidget* dono = nullptr);

  QComboBox* FontName;
  QLineEdit* FontSize;
  SetasNumero* UpDown1;
  QToolButton* BoldButton;
  QToolButton* ItalicButton;
  QToolButton* UnderlineButton;
  QToolButton* LeftAlign;
  QToolButton* CenterAlign;
  QToolButton* RightAlign;
  QToolButton* BulletsButton;
  Regua* Ruler;

  QString DocumentName() const override { return FDocumentName; }
  void SetDocumentName(const QString& nome) override;

  // What the formatting commands change: the selection's attributes when
  // text is selected, else those of the text typed next.
  QTextCharFormat CurrentAttributes() const;
  void SelectionChange();
  void SelectFont() override;
  void BoldButtonClick();
  void ItalicButtonClick();
  void UnderlineButtonClick();
  void AlignButtonClick(QToolButton* botao);
  void BulletsButtonClick();
  void FontNameChange();
  void FontSizeChange();
  void ApplyEditMargins();

  // The ruler's mouse handlers; x is relative to the marker.
  void RulerItemMouseDown(QLabel* marcador, int x);
  void RulerItemMouseMove(QLabel* marcador, int x);
  void FirstIndMouseUp();
  void LeftIndMouseUp();
  void RightIndMouseUp();
  void RulerResize();

  // Files dropped on the window: the first one is opened when it is an RTF
  // document (after the save question); any other is refused with a
  // message.
  void HandleDroppedFiles(const QStringList& nomes);

 protected:
  void PoeConteudo(const QByteArray& bytes) override;
  QByteArray Conteudo() const override;
  void Esvazia() override;
  void FormShow() override;
  void FormActivate() override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void FillFontNames();
  void BuildRulerText();
  void MudaAtributos(const QTextCharFormat& mudanca);
  QToolButton* Botao(const char* nome, const QString& texto, const QString& dica);
  // A drag of files over the window or the editor: taken, and opened when
  // dropped.  False when it is not one.
  bool Arrasto(QDropEvent* e);

  QString FDocumentName;
  bool FSyncingToolbar = false;
  bool FMarkerDragging = false;
  int FMarkerGrabOffset = 0;
  QButtonGroup* alinhamento_;
  QTextCharFormat padrao_;  // the default attributes of a new document
};

}  // namespace pravo
