// Sampled sound in memory and its way to the loudspeaker: the wave-file
// reader, the sample-rate and channel conversion, and one output that plays
// one sound at a time.  The output keeps its own account of what is playing
// by the clock, so it behaves the same with or without an audio device.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace files {
class Relogio;
}

namespace platform {

// Interleaved signed 16-bit samples.
struct Pcm {
  int taxa = 0;     // frames per second
  int canais = 0;   // 1 or 2 (more are mixed down on reading)
  QByteArray amostras;

  bool vazio() const { return amostras.isEmpty(); }
  qint64 quadros() const { return canais > 0 ? amostras.size() / (2 * canais) : 0; }
  qint64 DuracaoMs() const { return taxa > 0 ? quadros() * 1000 / taxa : 0; }
};

// Reads a RIFF wave file: PCM of 8, 16, 24 or 32 bits, IEEE float, A-law
// and mu-law, any rate.  False (and *erro) for anything else or a damaged
// file; never reads past the bytes.
// *outraCodificacao tells a sound file in good order whose encoding (ADPCM,
// MP3, ...) is not one of these.
bool LeWave(const QByteArray& bytes, Pcm* pcm, QString* erro = nullptr, bool* outraCodificacao = nullptr);
// The samples as a 16-bit PCM wave file.
QByteArray GravaWave(const Pcm& pcm);
// The sound resampled (linear) and remixed to a rate and channel count.
Pcm ConvertePcm(const Pcm& pcm, int taxa, int canais);
// The largest absolute sample value (0 for silence).
int PicoPcm(const Pcm& pcm);

// The clock that the sounds' play time is measured with (null: the
// machine's).  Tests pass their own.
void DefineRelogioSom(const files::Relogio* relogio);
const files::Relogio& RelogioSom();

// Samples that a sound output reads: all at hand (a wave file), or still
// being made while the first ones play (synthesized music).
class FontePcm {
 public:
  virtual ~FontePcm() = default;
  virtual int Taxa() const = 0;
  virtual int Canais() const = 0;
  // Bytes ready so far, and whether they are all there will be.
  virtual qint64 Prontos() const = 0;
  virtual bool Completa() const = 0;
  // Copies ready bytes from a position; returns how many.
  virtual qint64 Le(qint64 desde, char* destino, qint64 maximo) const = 0;

  qint64 DuracaoMs() const;  // -1 while not complete
};

// One sound at a time on the default audio output.  Toca replaces what is
// playing.  Without a device (or without an application object) nothing is
// heard, and Tocando still reports the sound until its length has passed.
class SaidaPcm {
 public:
  SaidaPcm();
  ~SaidaPcm();
  SaidaPcm(const SaidaPcm&) = delete;
  SaidaPcm& operator=(const SaidaPcm&) = delete;

  // Plays from the position (ms) to the end.
  void Toca(const Pcm& pcm, qint64 desdeMs = 0);
  void Toca(std::shared_ptr<const FontePcm> fonte, qint64 desdeMs = 0);
  // Stops; Posicao keeps where it stopped.
  void Para();
  bool Tocando() const;
  // Milliseconds from the start of the sound.
  qint64 Posicao() const;
  // The sound's length in ms (-1 while it is still being made).
  qint64 Duracao() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace platform
