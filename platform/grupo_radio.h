// A radio group: a framed set of radio buttons in columns, with the index of
// the chosen item (-1 for none).  indiceMudou runs whenever the selection
// changes, whether the user or the program changes it; clearing it runs
// nothing.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace platform {

class GrupoRadio : public QGroupBox {
  Q_OBJECT
 public:
  GrupoRadio(const QString& titulo, const QStringList& itens, int colunas, QWidget* dono = nullptr);

  int ItemIndex() const;
  void DefineItemIndex(int indice);
  int Quantidade() const;
  QRadioButton* Item(int i) const;
  // Replaces the items (nothing chosen afterwards) and the number of columns.
  void DefineItens(const QStringList& itens);
  void DefineColunas(int colunas);

 signals:
  void indiceMudou(int indice);

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Dispoe();

  QButtonGroup* grupo_;
  QList<QRadioButton*> itens_;
  int colunas_;
};

}  // namespace platform
