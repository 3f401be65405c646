#include "platform/som/som.h"

#include <QApplication>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QPointer>
#include <QScreen>
#include <QSize>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>

#include "files/abertura.h"
#include "platform/som/interno/midi.h"

namespace platform {

namespace {

// Sound files larger than this are not read into memory.
constexpr qint64 kMaiorSom = 256ll * 1024 * 1024;

QByteArray LeArquivo(const QString& caminho, qint64 limite = kMaiorSom) {
  QByteArray bytes;
  files::LeArquivoComum(caminho, &bytes, limite);
  return bytes;
}

// A media player of the multimedia layer with its audio output, both owned by
// the application object so that neither outlives it.
QMediaPlayer* NovoPlayerMultimidia(QObject* dono) {
  auto* mp = new QMediaPlayer(dono);
  mp->setAudioOutput(new QAudioOutput(mp));
  return mp;
}

// The system's wave player: one wave at a time.
struct PlayerWave {
  SaidaPcm saida;
  QString nome;
  // Waves of an encoding we do not decode go to the multimedia layer.
  QPointer<QMediaPlayer> outro;

  void Para() {
    saida.Para();
    if (outro) outro->stop();
    nome.clear();
  }

  void Toca(const QString& caminho) {
    Para();
    if (caminho.isEmpty()) return;
    const QByteArray bytes = LeArquivo(caminho);
    if (bytes.isEmpty()) return;
    Pcm pcm;
    bool outraCodificacao = false;
    if (LeWave(bytes, &pcm, nullptr, &outraCodificacao)) {
      nome = caminho;
      saida.Toca(pcm);
      return;
    }
    if (!outraCodificacao || !QCoreApplication::instance()) return;
    if (!outro) outro = NovoPlayerMultimidia(QCoreApplication::instance());
    outro->setSource(QUrl::fromLocalFile(QFileInfo(caminho).absoluteFilePath()));
    if (outro->error() != QMediaPlayer::NoError) return;
    nome = caminho;
    outro->play();
  }

  QString Tocando() const {
    if (nome.isEmpty()) return {};
    if (saida.Tocando()) return nome;
    if (outro && outro->playbackState() == QMediaPlayer::PlayingState && outro->error() == QMediaPlayer::NoError &&
        outro->mediaStatus() != QMediaPlayer::InvalidMedia && outro->mediaStatus() != QMediaPlayer::EndOfMedia)
      return nome;
    return {};
  }
};

PlayerWave& Wave() {
  static PlayerWave p;
  return p;
}

bool NomeDeMidi(const QString& caminho) {
  const QString ext = QFileInfo(caminho).suffix().toLower();
  return ext == QLatin1String("mid") || ext == QLatin1String("midi") ||
         ext == QLatin1String("rmi") || ext == QLatin1String("kar");
}

}  // namespace

void TocaWave(const QString& caminho) { Wave().Toca(caminho); }

QString WaveTocando() { return Wave().Tocando(); }

struct MediaPlayer::Impl {
  QString nome;
  bool aberto = false;
  bool midi = false;

  // MIDI: the piece synthesized once per file, and its output.
  std::shared_ptr<MusicaMidi> musica;
  QString musicaDe;  // path, time and size of the file synthesized
  SaidaPcm saida;

  // Other media.
  QMediaPlayer* mp = nullptr;
  QPointer<QWidget> tela;
  QPointer<QVideoWidget> video;
  bool janelaPropria = false;
  QRect area;
  double escala = 1.0;

  // The own window at the picture's natural size (a guess while unknown),
  // scaled, centred over the area and held on the screen.
  void Dimensiona(QSize natural) {
    if (!video || !janelaPropria) return;
    if (natural.isEmpty()) natural = QSize(320, 240);
    QSize s(qRound(natural.width() * escala), qRound(natural.height() * escala));
    const QScreen* tela = video->screen() ? video->screen() : QGuiApplication::primaryScreen();
    const QRect livre = tela ? tela->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the window manager's frame and title bar.
    const int barra = 32;
    const int borda = 8;
    const QSize maximo(std::max(1, livre.width() - 2 * borda), std::max(1, livre.height() - barra - borda));
    if (s.width() > maximo.width() || s.height() > maximo.height()) s.scale(maximo, Qt::KeepAspectRatio);
    // The title and the frame's buttons fit in the title bar.
    const int titulo = video->fontMetrics().horizontalAdvance(video->windowTitle()) + 4 * barra;
    s.setWidth(std::min(maximo.width(), std::max(s.width(), titulo)));
    s = s.expandedTo(QSize(1, 1));
    const QPoint centro = area.isEmpty() ? livre.center() : area.center();
    QRect r(QPoint(0, 0), s);
    r.moveCenter(centro);
    r.moveLeft(std::clamp(r.left(), livre.left() + borda, std::max(livre.left() + borda, livre.right() - borda - s.width())));
    r.moveTop(std::clamp(r.top(), livre.top() + barra, std::max(livre.top() + barra, livre.bottom() - borda - s.height())));
    video->setGeometry(r);
  }

  // Shows the video's picture once the layer knows the file has one; its
  // own window takes the picture's natural size.
  void MostraVideo() {
    if (!video || !mp->hasVideo()) return;
    if (janelaPropria) Dimensiona(mp->metaData().value(QMediaMetaData::Resolution).toSize());
    video->show();
    video->raise();
  }
};

MediaPlayer::MediaPlayer(QObject* dono) : QObject(dono), d(std::make_unique<Impl>()) {}

MediaPlayer::~MediaPlayer() {
  Close();
  if (d->tela) d->tela->removeEventFilter(this);
  if (d->video) {
    d->video->removeEventFilter(this);
    if (d->janelaPropria) delete d->video.data();
  }
}

void MediaPlayer::SetFileName(const QString& caminho) { d->nome = caminho; }

QString MediaPlayer::FileName() const { return d->nome; }

bool MediaPlayer::IsOpen() const { return d->aberto; }

bool MediaPlayer::EhMidi() const { return d->aberto && d->midi; }

void MediaPlayer::DefineTela(QWidget* tela) {
  if (d->tela) d->tela->removeEventFilter(this);
  if (d->video) {
    d->video->hide();
    d->video->removeEventFilter(this);
    if (d->mp) d->mp->setVideoOutput(nullptr);
    delete d->video.data();
  }
  d->tela = tela;
}

void MediaPlayer::DefineLugar(const QRect& area, double escala) {
  d->area = area;
  d->escala = escala > 0 ? escala : 1.0;
}

void MediaPlayer::Open() {
  Close();
  const QFileInfo info(d->nome);
  if (d->nome.isEmpty() || !info.isFile()) return;

  const QByteArray inicio = LeArquivo(d->nome, 16);
  const bool pareceMidi = inicio.startsWith("MThd") || (inicio.startsWith("RIFF") && inicio.mid(8, 4) == "RMID");
  if (pareceMidi || NomeDeMidi(d->nome)) {
    const QString marca = info.absoluteFilePath() + QLatin1Char('|') +
                          QString::number(info.lastModified().toMSecsSinceEpoch()) +
                          QLatin1Char('|') + QString::number(info.size());
    if (d->musicaDe != marca || !d->musica) {
      d->musicaDe.clear();
      d->musica = MusicaMidi::Inicia(LeArquivo(d->nome));
      if (!d->musica) return;
      d->musicaDe = marca;
    }
    d->midi = true;
    d->aberto = true;
    return;
  }

  if (!QCoreApplication::instance()) return;
  if (!d->mp) {
    d->mp = NovoPlayerMultimidia(this);
    // A file the multimedia layer cannot play stops it (the layer itself
    // may go on reporting that it plays).
    connect(d->mp, &QMediaPlayer::errorOccurred, this, [this] {
      d->mp->stop();
      if (d->video) d->video->hide();
    });
    connect(d->mp, &QMediaPlayer::hasVideoChanged, this, [this](bool temVideo) {
      if (temVideo && d->mp->playbackState() == QMediaPlayer::PlayingState) d->MostraVideo();
    });
  }
  d->mp->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  if (d->mp->error() != QMediaPlayer::NoError || d->mp->mediaStatus() == QMediaPlayer::InvalidMedia) {
    d->mp->setSource(QUrl());
    return;
  }
  // A window of its own belongs to the modal window that plays it, so that
  // the window manager keeps it above that window.
  QWidget* dono = d->tela ? d->tela.data() : QApplication::activeModalWidget();
  if (d->video && d->janelaPropria && d->video->parentWidget() != dono) {
    d->mp->setVideoOutput(nullptr);
    d->video->removeEventFilter(this);
    delete d->video.data();
  }
  if (!d->video) {
    d->janelaPropria = d->tela.isNull();
    d->video = new QVideoWidget(dono);
    if (d->janelaPropria) {
      // A dialog-kind window is marked as its owner's, which the window
      // manager keeps above the owner (a plain window may go beneath it).
      d->video->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint);
      // It comes up over the page (MostraVideo raises it); the page keeps
      // the keyboard.
      d->video->setAttribute(Qt::WA_ShowWithoutActivating);
      // The window takes the picture's own size once the first frame tells
      // it; queued, since the sink signals with its own lock held.
      connect(
          d->video->videoSink(), &QVideoSink::videoSizeChanged, d->video.data(),
          [this] {
            const QSize natural = d->video->videoSink()->videoSize();
            if (d->janelaPropria && !natural.isEmpty()) d->Dimensiona(natural);
          },
          Qt::QueuedConnection);
    } else {
      d->video->setGeometry(d->tela->rect());
      d->tela->installEventFilter(this);
    }
    d->video->installEventFilter(this);
  }
  if (d->janelaPropria) {
    d->video->setWindowTitle(info.fileName());
    d->Dimensiona(QSize());
  }
  d->mp->setVideoOutput(d->video.data());
  d->midi = false;
  d->aberto = true;
}

void MediaPlayer::Play() {
  if (!d->aberto) return;
  if (d->midi) {
    const qint64 posicao = d->saida.Posicao();
    const qint64 duracao = d->musica->DuracaoMs();
    d->saida.Toca(d->musica, duracao >= 0 && posicao >= duracao ? 0 : posicao);
    return;
  }
  if (d->mp->mediaStatus() == QMediaPlayer::EndOfMedia) d->mp->setPosition(0);
  d->mp->play();
  d->MostraVideo();
}

void MediaPlayer::Stop() {
  if (!d->aberto) return;
  if (d->midi) d->saida.Para();
  else d->mp->pause();
}

void MediaPlayer::Close() {
  if (d->aberto && d->midi) d->saida.Toca(Pcm());  // stopped, and back at the start
  if (d->mp) {
    d->mp->stop();
    d->mp->setSource(QUrl());
  }
  if (d->video) d->video->hide();
  d->aberto = false;
  d->midi = false;
}

bool MediaPlayer::Playing() const {
  if (!d->aberto) return false;
  if (d->midi) return d->saida.Tocando();
  return d->mp->playbackState() == QMediaPlayer::PlayingState && d->mp->error() == QMediaPlayer::NoError &&
         d->mp->mediaStatus() != QMediaPlayer::InvalidMedia && d->mp->mediaStatus() != QMediaPlayer::EndOfMedia;
}

qint64 MediaPlayer::Duracao() const {
  if (!d->aberto) return 0;
  return d->midi ? std::max<qint64>(0, d->musica->DuracaoMs()) : d->mp->duration();
}

bool MediaPlayer::eventFilter(QObject* objeto, QEvent* evento) {
  // The kind first: widgets being destroyed are not looked at.
  if (evento->type() == QEvent::Resize) {
    if (d->tela && objeto == d->tela.data() && d->video) d->video->setGeometry(d->tela->rect());
  } else if (evento->type() == QEvent::Close) {
    if (d->janelaPropria && d->video && objeto == d->video.data()) Stop();  // closing the video's window stops it
  }
  return QObject::eventFilter(objeto, evento);
}

}  // namespace platform
