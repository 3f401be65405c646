#include "player/servicos.h"

#include <QApplication>
#include <QPointer>
#include <thread>

#include "files/pastas.h"
#include "files/texto.h"
#include "platform/som/som.h"
#include "player/aviso.h"
#include "player/global.h"
#include "player/principal.h"

namespace zelmo {

namespace {

constexpr int kDiaMs = 86400000;

QString NoPrograma(const QString& nome) { return files::ResolveCaminho(DirPrograma + nome); }

// The window that asks for a message: the modal window on top (the page or
// activity being played), else the active one.
QWidget* JanelaQuePede() {
  for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activeWindow()})
    if (w && w != frmAviso) return w;
  return frmMain;
}

}  // namespace

int MilissegundosDoDia() { return Relogio->MilissegundosDoDia(); }

void Espera(int n) {
  if (n <= 0) return;
  const int inicio = MilissegundosDoDia();
  for (;;) {
    // The time of day starts again at midnight: the distance is taken
    // modulo one day, so a wait that crosses it ends on time.
    const int decorrido = ((MilissegundosDoDia() - inicio) % kDiaMs + kDiaMs) % kDiaMs;
    if (decorrido >= n) return;
    std::this_thread::yield();
  }
}

platform::MediaPlayer* MediaPlayer1() {
  if (frmMain && frmMain->MediaPlayer1) return frmMain->MediaPlayer1;
  // Without a main window (tests, and the pages' own tools) one player of the
  // application's serves.
  static QPointer<platform::MediaPlayer> avulso;
  if (!avulso) avulso = new platform::MediaPlayer(qApp);
  return avulso;
}

void TocaAcerto() {
  const int k = Gerador.Sorteia(8) + 1;
  platform::TocaWave(NoPrograma("acerto" + QString::number(k) + ".wav"));
}

void TocaErro() {
  const int k = Gerador.Sorteia(8) + 1;
  platform::TocaWave(NoPrograma("erro" + QString::number(k) + ".wav"));
}

void TocaClick(int n) { platform::TocaWave(NoPrograma("click" + QString::number(n) + ".wav")); }

void TocaSom(const QString& caminho) {
  if (files::MaiusculasAnsi(caminho.right(3)) == QLatin1String("WAV")) {
    platform::TocaWave(caminho);
    return;
  }
  platform::MediaPlayer* mp = MediaPlayer1();
  mp->SetFileName(caminho);
  mp->Open();
  mp->Play();
}

void ParaSom() {
  try {
    platform::MediaPlayer* mp = MediaPlayer1();
    if (mp->IsOpen()) {
      mp->Stop();
      mp->Close();
    }
    mp->SetFileName(QString());
  } catch (...) {
    // Whatever the media player reports is of no concern here.
  }
  try {
    platform::TocaWave(QString());
  } catch (...) {
  }
}

void TocaSomDaPagina(const QString& som) {
  if (!files::NomeSimples(som)) return;
  const QString caminho = files::CaminhoNoAssunto(DirAssunto, som);
  if (!files::ArquivoExiste(caminho)) return;
  TocaSom(files::ResolveCaminho(caminho));
}

void MostraAviso(const QStringList& linhas) {
  if (!frmAviso) frmAviso = new TfrmAviso(frmMain);
  frmAviso->Limpa();
  for (const QString& linha : linhas) frmAviso->Adiciona(linha);
  frmAviso->MostraSobre(JanelaQuePede());
}

}  // namespace zelmo
