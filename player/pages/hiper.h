// The hypertext page (page kind 1): a title, a rich-text pane, a picture with
// hot spots and a list of items that link to other pages of the subject
// folder, with a back stack, the page's own sound and video, and printing
// (the picture in the top third, the text below).  Created once by the
// splash; each showing starts on the page named by AtividadeAtual.
#pragma once

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "files/registros.h"
#include "player/pages/pagina_texto.h"

class QFrame;
class QLabel;
class QListWidget;
class QPainter;
class QPrinter;
class QTimer;

namespace platform {
class Divisor;
class Imagem;
class QuadroHiper;
class TextoRico;
}  // namespace platform

namespace zelmo {

class TfrmHiper : public JanelaPagina {
  Q_OBJECT
 public:
  explicit TfrmHiper(QWidget* dono = nullptr);

  platform::QuadroHiper* quadro;
  QLabel* lblTitulo;
  platform::TextoRico* reTexto;
  platform::Imagem* imgFigura;
  platform::Imagem* imgAlvo;
  QListWidget* lstItens;
  QPushButton* btnVoltar;
  QPushButton* btnVideo;
  QPushButton* btnSom;
  QPushButton* btnImprimir;
  QTimer* Timer1;

  // Loads the page at ArqHiper; false when its failure ended the program.
  bool Iniciar();
  void Redimensiona();
  void Splitter1Moved();
  void Splitter2Moved();
  void lstItensClick();
  void lstItensDblClick();
  void imgFiguraMouseMove(QPointF ponto);
  void imgAlvoMouseMove(QPointF ponto);
  void imgFiguraClick();
  void imgFiguraDblClick();
  void Timer1Timer();
  void btnVoltarClick();
  void btnSomClick();
  void btnVideoClick();
  void btnImprimirClick();
  // The picture and the text on the printer; false when the job could not
  // begin.
  bool PrintRichEdit(QPrinter& impressora);
  // The same on any painter's device, `novaPagina` starting each page after
  // the first.
  void Imprime(QPainter& pintor, const std::function<bool()>& novaPagina);
  void Imprime_Figura(QPainter& pintor, QSize pagina);

  const files::RegHiper& pagina() const { return pagina_; }
  const QList<files::RegItem>& itens() const { return itens_; }
  const QStringList& pilha() const { return pilha_; }
  QPointF ponteiro() const { return ponteiro_; }
  bool carregando() const { return carregando_; }
  bool piscando() const { return pisca_; }

 protected:
  void FormActivate() override;
  void FormClose() override;

 private:
  void FormCreate();
  // Follows a link or goes back: the page at `caminho` replaces the one shown.
  void Mostra(const QString& caminho);
  // The line of lstItens the student picked (current and selected), or -1.
  int LinhaEscolhida() const;
  void PoeAlvo(const files::RegItem& item);
  void EscondeAlvo();
  // A page-file failure: the message, then the end of the program.
  void Falha(const QString& texto);

  files::RegHiper pagina_;
  QList<files::RegItem> itens_;
  QStringList pilha_;
  QPointF ponteiro_;
  bool pisca_ = false;
  bool carregando_ = false;
};

}  // namespace zelmo
