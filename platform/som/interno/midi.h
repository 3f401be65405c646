// MIDI music synthesized with FluidSynth and the General MIDI sound font,
// rendered to samples in memory (far faster than it plays) and heard through
// the same sound output as the wave files.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/som/pcm.h"

namespace platform {

// A standard MIDI file ("MThd"), bare or inside a RIFF "RMID" file, with its
// chunks checked against the bytes.  Returns the bare MIDI bytes, or empty.
QByteArray ExtraiMidi(const QByteArray& bytes);

// The General MIDI sound font found on the machine (empty when none).
QString FonteSonoraGM();

// A piece being synthesized on a thread of its own, as 44.1 kHz stereo:
// the first samples are ready to be heard at once, the rest follows far
// faster than it plays.  Destroying it stops the work.
class MusicaMidi : public FontePcm {
 public:
  // Null (and *erro) when the file is not MIDI or no sound font is found.
  static std::shared_ptr<MusicaMidi> Inicia(const QByteArray& bytes, QString* erro = nullptr,
                                            qint64 limiteMs = 10 * 60 * 1000);
  ~MusicaMidi() override;

  int Taxa() const override;
  int Canais() const override { return 2; }
  qint64 Prontos() const override;
  bool Completa() const override;
  qint64 Le(qint64 desde, char* destino, qint64 maximo) const override;

  // Waits for the end of the work (tests, SintetizaMidi).
  void Aguarda();
  // Whether the synthesizer failed (the samples made before stay).
  QString erro() const;

  struct Estado;

 private:
  explicit MusicaMidi(std::shared_ptr<Estado> e);
  std::shared_ptr<Estado> e_;
};

// Renders the whole piece (at most limiteMs, plus the release of the last
// notes).  False (and *erro) when the file is not MIDI, no sound font is
// found or the synthesizer fails.
bool SintetizaMidi(const QByteArray& bytes, Pcm* pcm, QString* erro = nullptr,
                   qint64 limiteMs = 10 * 60 * 1000);

}  // namespace platform
