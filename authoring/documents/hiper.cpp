#include "authoring/documents/hiper.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "authoring/documents/figura.h"
#include "authoring/documents/itens.h"
#include "authoring/documents/lista.h"
#include "authoring/documents/titulo.h"
#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/escolha_arquivo.h"
#include "files/arquivo_registros.h"
#include "files/geometria_hiper.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/imagem.h"
#include "platform/quadro_hiper.h"
#include "platform/rtf/texto_rico.h"

namespace pravo {

namespace {

QSize TamanhoTela() {
  const platform::Tela t = platform::TelaAtual();
  return {t.largura, t.altura};
}

// The grid's numbers: the program's locale (a decimal comma) without
// thousands separators, so that "1.250" is never read as 1250.
QLocale LocalDaGrade() {
  QLocale local;
  local.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return local;
}

// A hot-spot coordinate as the grid shows it: empty for none.
QString TextoPorCento(double valor) {
  return valor == -1.0 ? QString() : LocalDaGrade().toString(valor, 'g', 15);
}

// A grid cell read as a number in the program's format, or else in the
// plain one ("12,5" and "12.5" alike).
bool LePorCento(const QString& texto, double* valor) {
  bool ok = false;
  *valor = LocalDaGrade().toDouble(texto.trimmed(), &ok);
  if (!ok) *valor = QLocale::c().toDouble(texto.trimmed(), &ok);
  return ok;
}

}  // namespace

TfrmTitulo* JanelaTitulo() { return qobject_cast<TfrmTitulo*>(Janela(QStringLiteral("TfrmTitulo"))); }
TfrmLista* JanelaLista(int n) {
  return qobject_cast<TfrmLista*>(Janela(QStringLiteral("TfrmLista") + QString::number(n)));
}
TfrmFigura* JanelaFigura() { return qobject_cast<TfrmFigura*>(Janela(QStringLiteral("TfrmFigura"))); }
TfrmItens* JanelaItens() { return qobject_cast<TfrmItens*>(Janela(QStringLiteral("TfrmItens"))); }

TfrmHiper::TfrmHiper(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("frmHiper"));
  setWindowTitle(QStringLiteral("Hipertexto"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  resize(632, 448);
  quadro = new platform::QuadroHiper(this);
  lblTitulo = quadro->lblTitulo;
  reTexto = quadro->reTexto;
  imgFigura = quadro->imgFigura;
  lstItens = quadro->lstItens;
  reTexto->setFocusPolicy(Qt::NoFocus);
  lstItens->setFocusPolicy(Qt::NoFocus);
  lstItens->setSelectionMode(QAbstractItemView::NoSelection);

  const struct {
    QPushButton** botao;
    const char* nome;
    const char* texto;
    void (TfrmHiper::*acao)();
  } botoes[] = {
      {&BitBtn4, "BitBtn4", "Título", &TfrmHiper::BitBtn4Click},
      {&BitBtn3, "BitBtn3", "Texto", &TfrmHiper::BitBtn3Click},
      {&BitBtn1, "BitBtn1", "Itens", &TfrmHiper::BitBtn1Click},
      {&BitBtn2, "BitBtn2", "Figura", &TfrmHiper::BitBtn2Click},
      {&btnDefault, "btnDefault", "Quadros", &TfrmHiper::btnDefaultClick},
      {&BitBtn5, "BitBtn5", "Som", &TfrmHiper::BitBtn5Click},
      {&BitBtn6, "BitBtn6", "Vídeo", &TfrmHiper::BitBtn6Click},
      {&btnSair, "btnSair", "Sair", &TfrmHiper::btnSairClick},
  };
  int x = 7;
  for (const auto& b : botoes) {
    *b.botao = Botao(QString::fromUtf8(b.texto), b.nome, QRect(x, 8, 72, 25), quadro->pnlBottom);
    (*b.botao)->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 13));
    connect(*b.botao, &QPushButton::clicked, this, b.acao);
    x += 78;
  }
  connect(quadro, &platform::QuadroHiper::Splitter1Moved, this, &TfrmHiper::Splitter1Moved);
  connect(quadro, &platform::QuadroHiper::Splitter2Moved, this, &TfrmHiper::Splitter2Moved);
  FormCreate();
}

void TfrmHiper::FormCreate() {
  platform::EscalaTelaInteira(this);
  quadro->setGeometry(rect());
  quadro->DefineMinimo(platform::TelaAtual().altura / 5);
  btnDefaultClick();
}

void TfrmHiper::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  FormActivate();
}

// The panes take the whole client area, which the window manager may make
// smaller than the screen to fit the title bar.
void TfrmHiper::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  quadro->setGeometry(rect());
}

void TfrmHiper::keyPressEvent(QKeyEvent* e) {
  // The editor is left with "Sair" only, which writes the page.
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TfrmHiper::btnDefaultClick() {
  const QSize tela = TamanhoTela();
  quadro->DefineLarguraTexto(tela.width() / 2);
  quadro->DefineAlturaPainelFigura(tela.height() / 2);
  Redimensiona();
}

void TfrmHiper::Redimensiona() {
  quadro->CentralizaFigura();
  reTexto->viewport()->update();
}

// The frame then keeps the pane at the splitter's minimum size.
void TfrmHiper::Splitter1Moved() { Redimensiona(); }
void TfrmHiper::Splitter2Moved() { Redimensiona(); }

void TfrmHiper::MostraTexto(const QString& nome) {
  reTexto->Carrega(files::ResolveCaminho(DirHiper + nome));
}

void TfrmHiper::FormActivate() {
  aberta_ = true;
  TfrmFigura* figura = JanelaFigura();
  for (int n = 1; n <= 3; ++n)
    if (TfrmLista* l = JanelaLista(n)) l->PreencheArquivos();
  if (figura) figura->PreencheArquivos();
  if (TfrmItens* itens = JanelaItens()) itens->Reinicia();

  lblTitulo->clear();
  reTexto->Limpa();
  imgFigura->Limpa();
  lstItens->clear();
  if (TfrmTitulo* t = JanelaTitulo()) t->edtTitulo->clear();

  if (files::ArquivoExiste(ArqHiper)) {
    files::RecordFile arq(files::RegHiper::Tamanho);
    arq.AbreLeitura(ArqHiper);
    if (arq.Conta() > 0) {
      const files::RegHiper r = arq.LeRegistro<files::RegHiper>(1);
      const QString nomes[] = {r.Texto, r.Som, r.Video};
      for (int n = 1; n <= 3; ++n)
        if (TfrmLista* l = JanelaLista(n)) l->cboArquivo->Mostra(nomes[n - 1]);
      if (figura) {
        // Read once, for the dialog and the editor alike: a picture that
        // cannot be read is reported once and its name dropped.
        figura->cboArquivo->Mostra(r.Figura);
        figura->cboArquivoChange();
      }
      if (TfrmLista* l = JanelaLista(1); l && l->cboArquivo->currentIndex() >= 0)
        MostraTexto(l->cboArquivo->currentText());
      if (figura && figura->cboArquivo->currentIndex() > 0) imgFigura->DefineFigura(figura->imgFigura->figura());
      lblTitulo->setText(r.Titulo);
      if (TfrmTitulo* t = JanelaTitulo()) t->edtTitulo->setText(r.Titulo);
      quadro->AplicaGeometria(files::GeometriaDe(r, TamanhoTela()));
      if (figura) (r.TamanhoOriginal ? figura->rdbOriginal : figura->rdbAjustar)->setChecked(true);
    }
    arq.Fecha();
  }
  Redimensiona();
  // The items are read whatever the page file's state, so that closing
  // never writes an existing item file over with nothing.
  LeItens();
}

void TfrmHiper::LeItens() {
  lstItens->clear();
  TfrmItens* grade = JanelaItens();
  const QString arqItens = files::ArquivoItens(ArqHiper);
  if (!grade || !files::ArquivoExiste(arqItens)) return;
  const QList<QByteArray> registros = files::LeTodos(arqItens, files::RegItem::Tamanho);
  if (registros.isEmpty()) return;
  grade->DefineRowCount(int(registros.size()) + 2);
  for (int k = 1; k <= registros.size(); ++k) {
    const files::RegItem item = files::ItemValido(files::RegItem::DeBytes(registros[k - 1]));
    grade->DefineCell(TfrmItens::kItem, k, item.Item);
    grade->DefineCell(TfrmItens::kArquivo, k, item.Arquivo);
    grade->DefineCell(TfrmItens::kX, k, TextoPorCento(item.X));
    grade->DefineCell(TfrmItens::kY, k, TextoPorCento(item.Y));
    lstItens->addItem(item.Item);
  }
}

files::RegHiper TfrmHiper::PaginaMostrada() const {
  files::RegHiper r;
  const auto nome = [](TfrmLista* l) { return l ? l->cboArquivo->Escolhido() : QString(); };
  r.Texto = nome(JanelaLista(1));
  r.Som = nome(JanelaLista(2));
  r.Video = nome(JanelaLista(3));
  if (TfrmFigura* f = JanelaFigura()) r.Figura = f->cboArquivo->Escolhido();
  r.Titulo = files::Corta(lblTitulo->text(), files::kCap60);
  files::GuardaGeometria(r, quadro->Geometria(), TamanhoTela());
  r.Prepara();
  return r;
}

QList<files::RegItem> TfrmHiper::ItensMostrados() const {
  QList<files::RegItem> itens;
  const TfrmItens* grade = JanelaItens();
  if (!grade) return itens;
  for (int linha = 1; linha < grade->RowCount(); ++linha) {
    files::RegItem item;
    item.Item = grade->Cells(TfrmItens::kItem, linha);
    if (item.Item.isEmpty()) continue;
    item.Arquivo = grade->Cells(TfrmItens::kArquivo, linha);
    double x = 0, y = 0;
    if (LePorCento(grade->Cells(TfrmItens::kX, linha), &x) && LePorCento(grade->Cells(TfrmItens::kY, linha), &y)) {
      item.X = files::PorCentoValido(x);
      item.Y = files::PorCentoValido(y);
    } else {
      item.X = item.Y = -1.0;
    }
    item.Prepara();
    itens.append(item);
  }
  return itens;
}

void TfrmHiper::FormClose() {
  // Both files are written whole beside the old ones and renamed over them
  // one right after the other, so a failure leaves the old pair whole.
  QList<QByteArray> registros;
  for (const files::RegItem& item : ItensMostrados()) registros.append(item.ParaBytes());
  files::SubstituiJuntos({{ArqHiper, files::RegHiper::Tamanho, {PaginaMostrada().ParaBytes()}},
                          {files::ArquivoItens(ArqHiper), files::RegItem::Tamanho, registros}});
}

void TfrmHiper::done(int r) {
  if (aberta_) {
    try {
      FormClose();
    } catch (const std::exception& erro) {
      // The window stays as it is, so that the teacher can free the disk
      // and leave with "Sair" again: the layout is not lost.
      MostraErro(this, erro);
      return;
    }
    aberta_ = false;
  }
  QDialog::done(r);
}

void TfrmHiper::BitBtn4Click() {
  TfrmTitulo* t = JanelaTitulo();
  if (!t) return;
  t->edtTitulo->setText(lblTitulo->text());
  t->exec();
  lblTitulo->setText(files::Corta(t->edtTitulo->text(), files::kCap60));
}

void TfrmHiper::BitBtn3Click() {
  TfrmLista* l = JanelaLista(1);
  if (!l) return;
  l->exec();
  if (l->cboArquivo->currentIndex() > 0) MostraTexto(l->cboArquivo->currentText());
}

void TfrmHiper::ListaItens() {
  lstItens->clear();
  const TfrmItens* grade = JanelaItens();
  if (!grade) return;
  for (int linha = 1; linha < grade->RowCount(); ++linha) {
    const QString item = grade->Cells(TfrmItens::kItem, linha);
    if (!item.isEmpty()) lstItens->addItem(item);
  }
}

void TfrmHiper::BitBtn1Click() {
  if (TfrmItens* grade = JanelaItens()) grade->exec();
  ListaItens();
}

void TfrmHiper::BitBtn2Click() {
  TfrmFigura* f = JanelaFigura();
  if (!f) return;
  f->exec();
  imgFigura->CopiaDe(*f->imgFigura);
  Redimensiona();
}

void TfrmHiper::BitBtn5Click() {
  if (TfrmLista* l = JanelaLista(2)) l->exec();
}

void TfrmHiper::BitBtn6Click() {
  if (TfrmLista* l = JanelaLista(3)) l->exec();
}

void TfrmHiper::btnSairClick() { close(); }

}  // namespace pravo
