#include "authoring/editors/editor_registros.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "authoring/editors/inserir.h"
#include "authoring/editors/rotulos.h"
#include "authoring/erros.h"
#include "authoring/formulario.h"
#include "files/arquivo_registros.h"
#include "platform/escala.h"
#include "platform/mensagens.h"

namespace pravo {

void MostraErroES(QWidget* dono, const files::IoError& erro) { MostraErro(dono, erro); }

bool ProtegeES(QWidget* dono, const std::function<void()>& operacao) {
  try {
    operacao();
    return true;
  } catch (const files::IoError& erro) {
    MostraErroES(dono, erro);
    return false;
  }
}

namespace {

// Enter in a field presses nothing (no button is a default).
QPushButton* Botao(QWidget* dono, const char* nome, const QString& texto, int x, int y) {
  return pravo::Botao(texto, nome, QRect(x, y, 75, 25), dono);
}

}  // namespace

EditorRegistros::EditorRegistros(const DescricaoEditor& descricao, QWidget* dono)
    : QDialog(dono), d_(descricao) {
  // No border icons: "Sair" closes.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  resize(632, 448);
  setFont(FonteDesenho(QStringLiteral("MS Sans Serif"), 13));

  lblPagina = new QLabel(d_.substantivo + QStringLiteral(" 1 de 1"), this);
  lblPagina->setObjectName(QStringLiteral("lblPagina"));
  lblPagina->setFont(FonteDesenho(QStringLiteral("Times New Roman"), 23, false, true));
  lblPagina->setStyleSheet(QStringLiteral("color: #0000ff;"));
  lblPagina->setGeometry(8, 8, 300, 30);

  const int y = d_.topoBotoes;
  btnPrimeira = Botao(this, "btnPrimeira", QStringLiteral("Primeira"), 8, y);
  btnAnterior = Botao(this, "btnAnterior", QStringLiteral("Anterior"), 88, y);
  btnProxima = Botao(this, "btnProxima", QStringLiteral("Próxima"), 168, y);
  btnUltima = Botao(this, "btnUltima", QStringLiteral("Última"), 248, y);
  btnDeletar = Botao(this, "btnDeletar", QStringLiteral("Deletar"), 360, y);
  btnInserir = Botao(this, "btnInserir", QStringLiteral("Inserir"), 440, y);
  btnSair = Botao(this, "btnSair", QStringLiteral("Sair"), 552, y);
  connect(btnPrimeira, &QPushButton::clicked, this, &EditorRegistros::btnPrimeiraClick);
  connect(btnAnterior, &QPushButton::clicked, this, &EditorRegistros::btnAnteriorClick);
  connect(btnProxima, &QPushButton::clicked, this, &EditorRegistros::btnProximaClick);
  connect(btnUltima, &QPushButton::clicked, this, &EditorRegistros::btnUltimaClick);
  connect(btnInserir, &QPushButton::clicked, this, &EditorRegistros::btnInserirClick);
  connect(btnDeletar, &QPushButton::clicked, this, &EditorRegistros::btnDeletarClick);
  connect(btnSair, &QPushButton::clicked, this, &EditorRegistros::btnSairClick);
}

EditorRegistros::~EditorRegistros() {
  if (aberto_ && d_.arquivo->aberto()) d_.arquivo->Fecha();
}

void EditorRegistros::FormCreate() {
  platform::EscalaTelaInteira(this);
}

QString EditorRegistros::Rotulo(qint64 i) const {
  return d_.substantivo + QStringLiteral(" %1 de %2").arg(i).arg(num_);
}

void EditorRegistros::Aviso(const QString& texto) {
  platform::MensagemOK(this, texto, QStringLiteral("Atenção !"));
}

bool EditorRegistros::Preenchido(const QString& texto, QWidget* controle, const QString& mensagem) {
  if (!CampoVazio(texto)) return true;
  Aviso(mensagem);
  controle->setFocus();
  return false;
}

void EditorRegistros::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void EditorRegistros::FormActivate() {
  AntesDeLimpar();
  setWindowTitle(d_.prefixoTitulo + QFileInfo(*d_.caminho).fileName());
  Limpa();
  AntesDeAbrir();
  atual_ = 1;
  num_ = 0;
  aberto_ = false;
  const bool ok = ProtegeES(this, [this] {
    d_.arquivo->AbreEdicao(*d_.caminho);
    aberto_ = true;
    num_ = d_.arquivo->Conta();
    if (num_ < 1) {
      // A new or empty file gets one blank record at once.
      Limpa();
      num_ = 1;
      Grava(1);
      lblPagina->setText(Rotulo(1));
    } else {
      Mostra(1);
    }
  });
  if (ok) {
    FocoAposMudanca();
    return;
  }
  // Without its file the editor has nothing to show or store: it closes.
  Encerra();
  QTimer::singleShot(0, this, [this] { QDialog::done(2); });
}

void EditorRegistros::Grava(qint64 i) { d_.arquivo->Escreve(i, ParaRegistro()); }

void EditorRegistros::Mostra(qint64 i) {
  const QByteArray bytes = d_.arquivo->Le(i);
  lblPagina->setText(Rotulo(i));
  DoRegistro(bytes);
}

void EditorRegistros::Move(bool anda, qint64 destino) {
  if (!aberto_) return;
  if (!Valida()) return;
  // At an end nothing moves and nothing is stored.
  if (anda) {
    ProtegeES(this, [&] {
      Grava(atual_);
      Mostra(destino);
      atual_ = destino;
    });
  }
  FocoAposMudanca();
}

void EditorRegistros::btnPrimeiraClick() { Move(atual_ != 1, 1); }
void EditorRegistros::btnAnteriorClick() { Move(atual_ > 1, atual_ - 1); }
void EditorRegistros::btnProximaClick() { Move(atual_ < num_, atual_ + 1); }
void EditorRegistros::btnUltimaClick() { Move(atual_ != num_, num_); }

void EditorRegistros::btnInserirClick() {
  if (!aberto_) return;
  if (!Valida()) return;
  if (!ProtegeES(this, [&] { Grava(atual_); })) return;
  TfrmInserir* frm = TfrmInserir::Instancia();
  frm->exec();
  const qint64 posicao = frm->Depois() ? atual_ + 1 : atual_;
  const bool inserido = ProtegeES(this, [&] {
    Limpa();
    // The new record is the blank record.
    d_.arquivo->Insere(posicao, ParaRegistro());
    atual_ = posicao;
    num_ = num_ + 1;
    lblPagina->setText(Rotulo(atual_));
  });
  // A failed insert (a full disk) left the file as it was: the author stays
  // on the record just stored, shown again, and not on blank controls that
  // the next move would store over it.
  if (!inserido) ProtegeES(this, [&] { Mostra(atual_); });
  FocoAposMudanca();
}

void EditorRegistros::btnDeletarClick() {
  if (!aberto_) return;
  ProtegeES(this, [&] {
    d_.arquivo->Apaga(atual_);
    num_ = num_ - 1;
    if (num_ > 0) {
      if (atual_ > num_) atual_ = num_;
      Mostra(atual_);
    } else {
      // The file again holds one blank record.
      num_ = 1;
      atual_ = 1;
      Limpa();
      lblPagina->setText(Rotulo(1));
      Grava(1);
    }
  });
  FocoAposMudanca();
}

void EditorRegistros::btnSairClick() { close(); }

bool EditorRegistros::FormClose() {
  if (!aberto_) return true;
  if (!Valida()) return false;
  if (!d_.avisoMinimo.isEmpty() && num_ < 5) Aviso(d_.avisoMinimo);
  // A store that fails is reported; the window still closes, so the author
  // is never held in an editor whose file cannot be written.
  ProtegeES(this, [&] { Grava(atual_); });
  Encerra();
  return true;
}

void EditorRegistros::Encerra() {
  if (d_.arquivo->aberto()) d_.arquivo->Fecha();
  aberto_ = false;
  AoFechar();
}

void EditorRegistros::done(int resultado) {
  if (fechando_) return;
  fechando_ = true;
  const bool pode = FormClose();
  fechando_ = false;
  if (pode) QDialog::done(resultado);
}

}  // namespace pravo
