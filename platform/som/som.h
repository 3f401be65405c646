// Sound: the system's wave player and the one media player of a program.
// Neither fails nor blocks when the machine has no audio device: the sound is
// simply not heard.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <memory>

#include "platform/som/pcm.h"  // DefineRelogioSom: the clock sounds are timed by

class QEvent;
class QWidget;

namespace platform {

// Plays a wave file asynchronously: the call returns at once and a new sound
// replaces the one playing.  An empty name stops the sound that is playing.
// A missing or unreadable file plays nothing and reports nothing.
void TocaWave(const QString& caminho);
// The wave file being played, empty when none (tests).
QString WaveTocando();

// The media-player control: MIDI through a software synthesizer, and any
// other sound or video file the multimedia layer can play.  Video shows in
// the control's own window, or in the widget given by DefineTela.
class MediaPlayer : public QObject {
  Q_OBJECT
 public:
  explicit MediaPlayer(QObject* dono = nullptr);
  ~MediaPlayer() override;

  void SetFileName(const QString& caminho);
  QString FileName() const;
  void Open();    // opens FileName; failures are reported by the return of IsOpen()
  void Play();
  void Stop();
  void Close();
  bool IsOpen() const;
  bool Playing() const;
  // Where a video is shown (nullptr: a window of its own).
  void DefineTela(QWidget* tela);
  // The video's own window: the picture's natural size times `escala`,
  // centred over `area` (screen coordinates; empty: the screen's centre),
  // kept on the screen with its title bar and wide enough for its title.
  void DefineLugar(const QRect& area, double escala);
  // Whether the file open is MIDI music (synthesized) rather than media.
  bool EhMidi() const;
  // The length of what is open, in ms (0 while unknown: music still being
  // synthesized, media not yet examined).
  qint64 Duracao() const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace platform
