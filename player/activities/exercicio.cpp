#include "player/activities/exercicio.h"

#include <QPalette>

#include "platform/mensagens.h"
#include "player/activities/rotulo.h"
#include "player/servicos.h"

namespace zelmo {

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// A counter of the top row, its text aligned in its own box.
QLabel* Contador(QWidget* pai, const char* nome, int left, int width, Qt::Alignment alinhamento) {
  QLabel* l = CriaRotulo(pai, nome, QString(), left, 10, 17, platform::kAqua);
  l->setGeometry(left, 10, width, 20);
  l->setAlignment(alinhamento | Qt::AlignVCenter);
  return l;
}

}  // namespace

TfrmExercicio::TfrmExercicio(QWidget* dono, const DesenhoExercicio& d)
    : TfrmAtividade(dono, U(d.caption), d.linha, regras::VarianteProxima::Primeira, d.conclusao) {
  lblTitulo = CriaRotulo(this, "lblTitulo", U(d.caption), 8, 6, 23, platform::kAqua);
  // The counters grow to the right as their numbers do.
  lblAcertos = Contador(this, "lblAcertos", d.leftAcertos, 100, Qt::AlignLeft);
  lblErros = Contador(this, "lblErros", d.leftErros, 100, Qt::AlignLeft);
  lblRodada = Contador(this, "lblRodada", d.leftRodada, d.larguraRodada, Qt::AlignRight);
  lblRodada->setText(U(d.rodada));
  // "Rodada 10 de 10" outgrows the design's box: it grows to the left.
  const int direita = d.leftRodada + d.larguraRodada;
  lblRodada->setGeometry(direita - 140, 10, 140, 20);

  btnPronto = CriaPronto(d.linha == LinhaBotoes::Pronto116 ? 116 : 188);
  connect(btnPronto, &QPushButton::clicked, this, [this] { btnProntoClick(); });
  MostraContagem(0, 0);
}

QFrame* TfrmExercicio::CriaPanel1() {
  auto* p = new QFrame(this);
  p->setObjectName("Panel1");
  p->setGeometry(8, 34, 625, 409);
  p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  p->setLineWidth(2);
  p->setAutoFillBackground(true);
  QPalette pal = p->palette();
  pal.setColor(QPalette::Window, platform::CorDe(platform::kMarinho));
  p->setPalette(pal);
  p->lower();
  return p;
}

void TfrmExercicio::MostraContagem(int certas, int erradas) {
  lblAcertos->setText("Acertos: " + QString::number(certas));
  lblErros->setText("Erros: " + QString::number(erradas));
}

void TfrmExercicio::ZeraContadores() { MostraContagem(0, 0); }

void TfrmExercicio::Julgou(bool certo) {
  Processa();
  if (Interrompida()) return;
  if (certo) {
    TocaAcerto();
    Proximo();
  } else {
    TocaErro();
  }
}

int TfrmExercicio::Porcentagem() const { return Exercicio() ? Exercicio()->Porcentagem() : 0; }

int TfrmExercicio::Erros() const { return Exercicio() ? Exercicio()->Erros() : 0; }

QStringList TfrmExercicio::LinhasContagem() const {
  return Exercicio() ? Exercicio()->LinhasContagem(consultas()) : QStringList();
}

}  // namespace zelmo
