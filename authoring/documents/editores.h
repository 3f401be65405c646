// The editor chooser (unit Editores): a short explanation of RTF and HTML
// files and the choice between the two document editors.  Closing the
// editor chosen closes the chooser too.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace pravo {

class TfrmEditores : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmEditores(QWidget* dono = nullptr);

  QPlainTextEdit* Memo1;
  QPushButton* btnHTML;
  QPushButton* btnRTF;
  QPushButton* btnCancel;

  void PreencheMemo();
  void Memo1Click();
  void btnHTMLClick();
  void btnRTFClick();

 protected:
  bool eventFilter(QObject* objeto, QEvent* e) override;
};

}  // namespace pravo
