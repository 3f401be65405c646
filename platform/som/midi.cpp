#include "platform/som/interno/midi.h"

#include <fluidsynth.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <atomic>
#include <mutex>
#include <thread>

namespace platform {

namespace {

constexpr int kTaxa = 44100;
constexpr int kBloco = 1024;        // frames rendered at a time
constexpr int kCaudaMaxMs = 2000;   // release of the last notes
constexpr int kLimiarSilencio = 8;  // peak below which a block is silent
constexpr int kLote = 4 * kBloco * 4;  // bytes handed over at a time (about 93 ms)

quint32 U32Be(const char* p) { return qFromBigEndian<quint32>(p); }

// Checks the chunk structure of a standard MIDI file.
bool MidiValido(const QByteArray& m) {
  const char* b = m.constData();
  const qint64 n = m.size();
  if (n < 14 || std::memcmp(b, "MThd", 4) != 0) return false;
  const qint64 tamCabecalho = U32Be(b + 4);
  if (tamCabecalho < 6 || 8 + tamCabecalho > n) return false;
  const int formato = qFromBigEndian<quint16>(b + 8);
  const int trilhas = qFromBigEndian<quint16>(b + 10);
  const int divisao = qFromBigEndian<quint16>(b + 12);
  if (formato > 2 || trilhas == 0 || divisao == 0) return false;
  int achadas = 0;
  for (qint64 pos = 8 + tamCabecalho; pos + 8 <= n && achadas < trilhas;) {
    const qint64 tam = U32Be(b + pos + 4);
    if (pos + 8 + tam > n) return false;
    if (std::memcmp(b + pos, "MTrk", 4) == 0) ++achadas;
    pos += 8 + tam;
  }
  return achadas == trilhas;
}

void SemMensagens(int, const char*, void*) {}

void SilenciaFluidSynth() {
  static std::once_flag uma;
  std::call_once(uma, [] {
    for (int nivel : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(nivel, SemMensagens, nullptr);
  });
}

// The pieces of one rendering, freed in the right order.
struct Sintetizador {
  fluid_settings_t* ajustes = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;
  ~Sintetizador() {
    if (player) delete_fluid_player(player);
    if (synth) delete_fluid_synth(synth);
    if (ajustes) delete_fluid_settings(ajustes);
  }
};

bool Falha(QString* erro, const QString& texto) {
  if (erro) *erro = texto;
  return false;
}

}  // namespace

QByteArray ExtraiMidi(const QByteArray& bytes) {
  if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "RMID") {
    for (qint64 pos = 12; pos + 8 <= bytes.size();) {
      const qint64 tam = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
      if (bytes.mid(pos, 4) == "data") {
        const QByteArray m = bytes.mid(pos + 8, std::min(tam, bytes.size() - pos - 8));
        return MidiValido(m) ? m : QByteArray();
      }
      pos += 8 + tam + (tam & 1);
    }
    return {};
  }
  return MidiValido(bytes) ? bytes : QByteArray();
}

QString FonteSonoraGM() {
  static const QStringList candidatas = {
      QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
      QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
      QStringLiteral("/usr/share/soundfonts/default.sf2"),
      QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
      QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
      QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
  };
  for (const QString& c : candidatas)
    if (QFileInfo(c).isFile()) return c;
  return {};
}

struct MusicaMidi::Estado {
  mutable std::mutex trava;
  QByteArray amostras;  // guarded by trava
  bool completa = false;
  QString erro;
  std::atomic<bool> parar{false};
  std::thread trabalho;

  void Acrescenta(const QByteArray& bloco, bool fim, const QString& falha = {}) {
    std::lock_guard<std::mutex> t(trava);
    amostras.append(bloco);
    if (fim) {
      CortaSilencioFinal();
      completa = true;
      erro = falha;
    }
  }

  // The piece ends where its sound does: the near-silence after the last
  // note's release is cut, with a short fade.
  void CortaSilencioFinal() {
    qint16* v = reinterpret_cast<qint16*>(amostras.data());
    qint64 ultimo = amostras.size() / 2;
    while (ultimo > 0 && std::abs(int(v[ultimo - 1])) <= kLimiarSilencio) --ultimo;
    const qint64 fim = std::min<qint64>(amostras.size() / 4, ultimo / 2 + kTaxa / 20);
    amostras.truncate(fim * 4);
    v = reinterpret_cast<qint16*>(amostras.data());
    const qint64 fade = std::min<qint64>(fim, kTaxa / 50);
    for (qint64 i = 0; i < fade; ++i)
      for (int c = 0; c < 2; ++c) {
        qint16& a = v[(fim - 1 - i) * 2 + c];
        a = static_cast<qint16>(a * i / fade);
      }
  }
};

namespace {

// The work of the synthesizer thread: the piece block by block, handed over
// about ten times a second.
void Renderiza(MusicaMidi::Estado& e, const QByteArray& midi, const QString& fonte, qint64 limiteMs) {
  Sintetizador s;
  s.ajustes = new_fluid_settings();
  if (!s.ajustes) return e.Acrescenta({}, true, QStringLiteral("O sintetizador MIDI não pôde ser iniciado."));
  fluid_settings_setnum(s.ajustes, "synth.sample-rate", kTaxa);
  fluid_settings_setstr(s.ajustes, "player.timing-source", "sample");
  fluid_settings_setint(s.ajustes, "synth.lock-memory", 0);
  fluid_settings_setint(s.ajustes, "synth.dynamic-sample-loading", 1);
  fluid_settings_setnum(s.ajustes, "synth.gain", 0.5);
  s.synth = new_fluid_synth(s.ajustes);
  if (!s.synth) return e.Acrescenta({}, true, QStringLiteral("O sintetizador MIDI não pôde ser iniciado."));
  if (fluid_synth_sfload(s.synth, QFile::encodeName(fonte).constData(), 1) == FLUID_FAILED)
    return e.Acrescenta({}, true, QStringLiteral("O banco de sons %1 não pôde ser lido.").arg(fonte));
  s.player = new_fluid_player(s.synth);
  if (!s.player || fluid_player_add_mem(s.player, midi.constData(), midi.size()) != FLUID_OK ||
      fluid_player_play(s.player) != FLUID_OK)
    return e.Acrescenta({}, true, QStringLiteral("A música MIDI não pôde ser tocada."));

  const qint64 limiteQuadros = limiteMs * kTaxa / 1000;
  QByteArray lote;
  qint16 bloco[kBloco * 2];
  qint64 quadros = 0;
  auto renderiza = [&]() -> int {
    if (fluid_synth_write_s16(s.synth, kBloco, bloco, 0, 2, bloco, 1, 2) != FLUID_OK) return -1;
    lote.append(reinterpret_cast<const char*>(bloco), sizeof bloco);
    quadros += kBloco;
    if (lote.size() >= kLote) {
      e.Acrescenta(lote, false);
      lote.clear();
    }
    int pico = 0;
    for (qint16 v : bloco) pico = std::max(pico, std::abs(int(v)));
    return pico;
  };
  while (fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING && quadros < limiteQuadros && !e.parar)
    if (renderiza() < 0) return e.Acrescenta(lote, true, QStringLiteral("O sintetizador MIDI falhou."));
  // Let the last notes ring out, and stop at silence.
  fluid_player_stop(s.player);
  fluid_synth_all_notes_off(s.synth, -1);
  for (qint64 cauda = 0; cauda < qint64(kCaudaMaxMs) * kTaxa / 1000 && !e.parar; cauda += kBloco)
    if (renderiza() < kLimiarSilencio) break;
  e.Acrescenta(lote, true);
}

}  // namespace

std::shared_ptr<MusicaMidi> MusicaMidi::Inicia(const QByteArray& bytes, QString* erro, qint64 limiteMs) {
  const QByteArray midi = ExtraiMidi(bytes);
  if (midi.isEmpty()) {
    Falha(erro, QStringLiteral("O arquivo não é uma música MIDI válida."));
    return nullptr;
  }
  const QString fonte = FonteSonoraGM();
  if (fonte.isEmpty()) {
    Falha(erro, QStringLiteral("Nenhum banco de sons General MIDI foi encontrado."));
    return nullptr;
  }
  SilenciaFluidSynth();
  auto e = std::make_shared<Estado>();
  e->trabalho = std::thread([e = e.get(), midi, fonte, limiteMs] { Renderiza(*e, midi, fonte, limiteMs); });
  return std::shared_ptr<MusicaMidi>(new MusicaMidi(std::move(e)));
}

MusicaMidi::MusicaMidi(std::shared_ptr<Estado> e) : e_(std::move(e)) {}

MusicaMidi::~MusicaMidi() {
  e_->parar = true;
  Aguarda();
}

void MusicaMidi::Aguarda() {
  if (e_->trabalho.joinable()) e_->trabalho.join();
}

int MusicaMidi::Taxa() const { return kTaxa; }

qint64 MusicaMidi::Prontos() const {
  std::lock_guard<std::mutex> t(e_->trava);
  return e_->amostras.size();
}

bool MusicaMidi::Completa() const {
  std::lock_guard<std::mutex> t(e_->trava);
  return e_->completa;
}

qint64 MusicaMidi::Le(qint64 desde, char* destino, qint64 maximo) const {
  std::lock_guard<std::mutex> t(e_->trava);
  const qint64 n = std::clamp<qint64>(e_->amostras.size() - desde, 0, maximo);
  if (n > 0) std::memcpy(destino, e_->amostras.constData() + desde, n);
  return n;
}

QString MusicaMidi::erro() const {
  std::lock_guard<std::mutex> t(e_->trava);
  return e_->erro;
}

bool SintetizaMidi(const QByteArray& bytes, Pcm* pcm, QString* erro, qint64 limiteMs) {
  const std::shared_ptr<MusicaMidi> musica = MusicaMidi::Inicia(bytes, erro, limiteMs);
  if (!musica) return false;
  musica->Aguarda();
  if (!musica->erro().isEmpty()) return Falha(erro, musica->erro());
  pcm->taxa = kTaxa;
  pcm->canais = 2;
  pcm->amostras.resize(musica->Prontos());
  musica->Le(0, pcm->amostras.data(), pcm->amostras.size());
  return true;
}

}  // namespace platform
