// TfrmLista1, TfrmLista2, TfrmLista3: the text, sound and video files of the
// hypertext page being edited, one family of small dialogs that differ only
// in their caption, label and mask.  No cancel: the entry chosen when the
// dialog closes is taken.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace pravo {

class EscolhaArquivo;

class TfrmLista : public QDialog {
  Q_OBJECT
 public:
  TfrmLista(const char* nome, const QString& caption, const QString& rotulo, const QString& mascara,
            QWidget* dono);

  QLabel* Label1;
  EscolhaArquivo* cboArquivo;
  QPushButton* btnSair;

  const QString& mascara() const { return mascara_; }
  // Refills the list from DirHiper.
  void PreencheArquivos();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QString mascara_;
};

class TfrmLista1 : public TfrmLista {  // "Texto"
  Q_OBJECT
 public:
  explicit TfrmLista1(QWidget* dono = nullptr);
};

class TfrmLista2 : public TfrmLista {  // "Som"
  Q_OBJECT
 public:
  explicit TfrmLista2(QWidget* dono = nullptr);
};

class TfrmLista3 : public TfrmLista {  // "Vídeo"
  Q_OBJECT
 public:
  explicit TfrmLista3(QWidget* dono = nullptr);
};

}  // namespace pravo
