#include "authoring/rel.h"

#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>

#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "files/abertura.h"
#include "files/pastas.h"
#include "files/texto.h"
#include "platform/escala.h"
#include "platform/impressora_texto.h"
#include "platform/mensagens.h"

namespace pravo {

namespace {

constexpr int kMargem = 15;        // blanks before every printed line
constexpr int kLargura = 80;       // characters of text per printed line
constexpr int kLinhasPagina = 45;  // more printed lines than this end the page

const QString kAtencao = QStringLiteral("Atenção !");

// A plain Yes/No question, without an icon; true for Yes.
bool ConfirmaSimNao(QWidget* dono, const QString& texto) {
  QMessageBox caixa(QMessageBox::NoIcon, kAtencao, texto, QMessageBox::Yes | QMessageBox::No, dono);
  caixa.setDefaultButton(QMessageBox::Yes);
  caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
  caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
  return caixa.exec() == QMessageBox::Yes;
}

}  // namespace

QStringList LinhasDoTexto(const QString& texto) {
  QStringList linhas;
  qsizetype inicio = 0;
  const qsizetype n = texto.size();
  while (inicio < n) {
    qsizetype fim = inicio;
    while (fim < n && texto[fim] != '\n' && texto[fim] != '\r') ++fim;
    linhas << texto.mid(inicio, fim - inicio);
    if (fim < n && texto[fim] == '\r' && fim + 1 < n && texto[fim + 1] == '\n') ++fim;
    inicio = fim + 1;
  }
  return linhas;
}

QStringList LinhasImpressao(const QStringList& linhasMemo) {
  const QString margem(kMargem, ' ');
  QStringList saida{QString(), QString(), QString()};
  int contadas = 0;
  for (const QString& linha : linhasMemo) {
    QString resto = linha + ' ';
    while (!resto.isEmpty()) {
      QString pedaco = resto.left(kLargura);
      if (pedaco.contains(' '))
        while (!pedaco.endsWith(' ')) pedaco.chop(1);
      resto.remove(0, pedaco.size());
      saida << margem + pedaco;
      ++contadas;
    }
    if (contadas > kLinhasPagina) {
      saida << QString(QChar(12)) << QString() << QString() << QString();
      contadas = 0;
    }
  }
  return saida;
}

QString MensagemRelatorioExtenso() {
  return QStringLiteral(
      "Este relatório é muito extenso. Apenas o início dele será exibido. \n"
      "Para visualizar todo o seu conteúdo utilize qualquer editor de \n"
      "textos para Windows, como WordPad, Write, Word  for Windows, etc.");
}

TfrmRel::TfrmRel(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmRel"));
  setWindowTitle(QStringLiteral("Relatórios - "));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13, true));
  resize(632, 448);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 13, true, true));
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Text, Qt::blue);
  Memo1->setPalette(p);
  Memo1->setGeometry(8, 8, 616, 392);

  btnImprimir = Botao(QStringLiteral("Imprimir"), "btnImprimir", QRect(165, 410, 90, 30), this);
  btnApagar = Botao(QStringLiteral("Apagar"), "btnApagar", QRect(271, 410, 90, 30), this);
  btnSair = Botao(QStringLiteral("Sair"), "btnSair", QRect(377, 410, 90, 30), this);
  btnSair->setDefault(true);

  connect(btnImprimir, &QPushButton::clicked, this, [this] { btnImprimirClick(); });
  connect(btnApagar, &QPushButton::clicked, this, [this] { btnApagarClick(); });
  connect(btnSair, &QPushButton::clicked, this, [this] { btnSairClick(); });

  platform::EscalaTelaInteira(this);
  Dispoe();
}

void TfrmRel::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!evento->spontaneous()) FormActivate();
}

void TfrmRel::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  Dispoe();
}

void TfrmRel::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape) {
    btnSairClick();
    return;
  }
  QDialog::keyPressEvent(evento);
}

// The memo fills the window above the row of buttons, whatever the screen.
void TfrmRel::Dispoe() {
  const int bh = btnSair->height();
  const int bw = btnSair->width();
  const int m = qMax(4, bh * 8 / 30);
  const int y = height() - m - bh;
  Memo1->setGeometry(m, m, qMax(0, width() - 2 * m), qMax(0, y - 2 * m));
  const int espaco = bw / 6;
  int x = (width() - (3 * bw + 2 * espaco)) / 2;
  for (QPushButton* b : {btnImprimir, btnApagar, btnSair}) {
    b->setGeometry(x, y, bw, bh);
    x += bw + espaco;
  }
}

void TfrmRel::MostraLinhas(const QStringList& linhas) {
  linhas_ = linhas;
  Memo1->setPlainText(linhas.join('\n'));
}

void TfrmRel::FormActivate() {
  setWindowTitle(QStringLiteral("Relatórios - ") + ArqRelatorio.mid(ArqRelatorio.lastIndexOf('/') + 1));
  MostraLinhas({QStringLiteral("Aguarde...")});
  Memo1->repaint();

  QFile arquivo;
  if (!files::AbreArquivoComum(arquivo, files::ResolveCaminho(ArqRelatorio), QIODevice::ReadOnly)) {
    MostraLinhas({});
    platform::MensagemOK(this,
                         QStringLiteral("Não foi possível ler o Arquivo de Relatório:\n") + ArqRelatorio,
                         kAtencao);
    return;
  }
  // One byte is one character in the report's code page, so no more than
  // the memo's capacity (and a line end) is ever read.
  const QByteArray bytes = arquivo.read(capacidade_ + 2);
  const bool sobra = !arquivo.atEnd();
  arquivo.close();
  QStringList lista = LinhasDoTexto(files::DeAnsi(bytes));
  if (sobra && !lista.isEmpty()) lista.removeLast();  // it may go on past what was read

  // The memo takes lines while they fit in its capacity.
  QStringList cabem;
  qsizetype usados = 0;
  for (const QString& linha : lista) {
    usados += linha.size() + 1;
    if (usados > capacidade_) break;
    cabem << linha;
  }
  MostraLinhas(cabem);
  Memo1->moveCursor(QTextCursor::Start);
  btnSair->setFocus();
  if (cabem.size() < lista.size() || sobra) platform::MensagemOK(this, MensagemRelatorioExtenso(), kAtencao);
}

void TfrmRel::btnApagarClick() {
  if (!ConfirmaSimNao(this, QStringLiteral("Você tem certeza que deseja APAGAR o Arquivo de Relatório ?")))
    return;
  const QString real = files::ResolveCaminho(ArqRelatorio);
  if (!QFile::remove(real) && QFile::exists(real)) {
    // The report stays on disk, so it stays on screen.
    platform::MensagemOK(this,
                         QStringLiteral("Não foi possível apagar o Arquivo de Relatório:\n") + ArqRelatorio,
                         kAtencao);
    return;
  }
  MostraLinhas({});
}

bool TfrmRel::Imprime(QPrinter& impressora) {
  platform::ImpressoraTexto canal(impressora);
  QFont fonte = Memo1->font();
  fonte.setPointSize(12);
  fonte.setBold(false);
  fonte.setItalic(true);
  fonte.setUnderline(false);
  fonte.setStrikeOut(false);
  canal.DefineFonte(fonte);
  if (!canal.Abre()) {
    MostraErro(this, std::runtime_error("Erro de impressão: não foi possível iniciar a impressão."));
    return false;
  }
  for (const QString& linha : LinhasImpressao(linhas_)) canal.EscreveLinha(linha);
  canal.Fecha();
  return true;
}

void TfrmRel::btnImprimirClick() {
  QPrinter impressora(QPrinter::HighResolution);
  impressora.setDocName(windowTitle());
  QPrintDialog dialogo(&impressora, this);
  dialogo.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialogo.exec() != QDialog::Accepted) return;
  Imprime(impressora);
}

void TfrmRel::btnSairClick() { done(2); }

}  // namespace pravo
