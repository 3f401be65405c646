#include "platform/som/pcm.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "files/convencoes.h"

namespace platform {

namespace {

constexpr int kMsPorDia = 86400000;

quint16 U16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 U32(const char* p) { return qFromLittleEndian<quint32>(p); }

qint16 Satura(double v) {
  return static_cast<qint16>(std::clamp(std::lround(v), -32768L, 32767L));
}

qint16 DeALaw(quint8 a) {
  a ^= 0x55;
  int t = (a & 0x0F) << 4;
  const int seg = (a & 0x70) >> 4;
  if (seg == 0) t += 8;
  else if (seg == 1) t += 0x108;
  else t = (t + 0x108) << (seg - 1);
  return static_cast<qint16>((a & 0x80) ? t : -t);
}

qint16 DeMuLaw(quint8 u) {
  u = ~u;
  int t = ((u & 0x0F) << 3) + 0x84;
  t <<= (u & 0x70) >> 4;
  return static_cast<qint16>((u & 0x80) ? (0x84 - t) : (t - 0x84));
}

// One sample of the given encoding as a value in the 16-bit range.
double Amostra(const char* p, int tag, int bits) {
  switch (tag) {
    case 1:  // integer PCM
      switch (bits) {
        case 8: return (static_cast<quint8>(*p) - 128) * 256.0;
        case 16: return static_cast<qint16>(U16(p));
        case 24: {
          qint32 v = static_cast<quint8>(p[0]) | (static_cast<quint8>(p[1]) << 8) |
                     (static_cast<qint8>(p[2]) * 65536);
          return v / 256.0;
        }
        default: return static_cast<qint32>(U32(p)) / 65536.0;
      }
    case 3: {  // IEEE float
      if (bits == 32) {
        quint32 u = U32(p);
        float f;
        std::memcpy(&f, &u, 4);
        return std::isfinite(f) ? f * 32767.0 : 0.0;
      }
      quint64 u = qFromLittleEndian<quint64>(p);
      double f;
      std::memcpy(&f, &u, 8);
      return std::isfinite(f) ? f * 32767.0 : 0.0;
    }
    case 6: return DeALaw(static_cast<quint8>(*p));
    default: return DeMuLaw(static_cast<quint8>(*p));
  }
}

bool Falha(QString* erro, const QString& texto) {
  if (erro) *erro = texto;
  return false;
}

}  // namespace

bool LeWave(const QByteArray& bytes, Pcm* pcm, QString* erro, bool* outraCodificacao) {
  if (outraCodificacao) *outraCodificacao = false;
  const char* b = bytes.constData();
  const qint64 n = bytes.size();
  if (n < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0)
    return Falha(erro, QStringLiteral("O arquivo não é um som WAVE."));
  int tag = -1, canais = 0, bits = 0;
  quint32 taxa = 0;
  const char* dados = nullptr;
  qint64 tamDados = 0;
  for (qint64 pos = 12; pos + 8 <= n;) {
    const char* id = b + pos;
    const qint64 tam = U32(b + pos + 4);
    const qint64 inicio = pos + 8;
    const qint64 disponivel = std::min(tam, n - inicio);
    if (std::memcmp(id, "fmt ", 4) == 0 && disponivel >= 16) {
      tag = U16(b + inicio);
      canais = U16(b + inicio + 2);
      taxa = U32(b + inicio + 4);
      bits = U16(b + inicio + 14);
      if (tag == 0xFFFE && disponivel >= 26) tag = U16(b + inicio + 24);
    } else if (std::memcmp(id, "data", 4) == 0) {
      dados = b + inicio;
      tamDados = disponivel;  // a cut file plays what it holds
    }
    pos = inicio + tam + (tam & 1);
  }
  if (tag < 0) return Falha(erro, QStringLiteral("O som WAVE não tem formato."));
  if (!dados) return Falha(erro, QStringLiteral("O som WAVE não tem amostras."));
  const bool aceito = (tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                      (tag == 3 && (bits == 32 || bits == 64)) ||
                      ((tag == 6 || tag == 7) && bits == 8);
  if (!aceito || canais < 1 || canais > 16 || taxa < 1000 || taxa > 384000) {
    if (outraCodificacao) *outraCodificacao = !aceito && canais >= 1 && taxa > 0 && tamDados > 0;
    return Falha(erro, QStringLiteral("Codificação de som WAVE não suportada."));
  }

  const int bytesAmostra = bits / 8;
  const qint64 quadros = tamDados / (bytesAmostra * canais);
  const int saidaCanais = canais == 2 ? 2 : 1;
  Pcm r;
  r.taxa = static_cast<int>(taxa);
  r.canais = saidaCanais;
  r.amostras.resize(quadros * saidaCanais * 2);
  qint16* out = reinterpret_cast<qint16*>(r.amostras.data());
  for (qint64 q = 0; q < quadros; ++q) {
    const char* quadro = dados + q * bytesAmostra * canais;
    if (saidaCanais == 2) {
      *out++ = Satura(Amostra(quadro, tag, bits));
      *out++ = Satura(Amostra(quadro + bytesAmostra, tag, bits));
    } else {
      double soma = 0;
      for (int c = 0; c < canais; ++c) soma += Amostra(quadro + c * bytesAmostra, tag, bits);
      *out++ = Satura(soma / canais);
    }
  }
  *pcm = std::move(r);
  return true;
}

QByteArray GravaWave(const Pcm& pcm) {
  QByteArray w(44, '\0');
  char* h = w.data();
  const quint32 tam = static_cast<quint32>(pcm.amostras.size());
  std::memcpy(h, "RIFF", 4);
  qToLittleEndian<quint32>(36 + tam, h + 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  qToLittleEndian<quint32>(16, h + 16);
  qToLittleEndian<quint16>(1, h + 20);
  qToLittleEndian<quint16>(static_cast<quint16>(pcm.canais), h + 22);
  qToLittleEndian<quint32>(static_cast<quint32>(pcm.taxa), h + 24);
  qToLittleEndian<quint32>(static_cast<quint32>(pcm.taxa * pcm.canais * 2), h + 28);
  qToLittleEndian<quint16>(static_cast<quint16>(pcm.canais * 2), h + 32);
  qToLittleEndian<quint16>(16, h + 34);
  std::memcpy(h + 36, "data", 4);
  qToLittleEndian<quint32>(tam, h + 40);
  return w + pcm.amostras;
}

Pcm ConvertePcm(const Pcm& pcm, int taxa, int canais) {
  if (pcm.taxa == taxa && pcm.canais == canais) return pcm;
  Pcm r;
  r.taxa = taxa;
  r.canais = canais;
  const qint64 entrada = pcm.quadros();
  if (entrada == 0 || taxa <= 0 || canais <= 0) return r;
  const qint64 saida = entrada * taxa / pcm.taxa;
  r.amostras.resize(saida * canais * 2);
  const qint16* in = reinterpret_cast<const qint16*>(pcm.amostras.constData());
  qint16* out = reinterpret_cast<qint16*>(r.amostras.data());
  auto canal = [&](qint64 q, int c) -> double {
    if (pcm.canais == 1) return in[q];
    if (canais == 1) return (in[q * 2] + in[q * 2 + 1]) / 2.0;
    return in[q * pcm.canais + std::min(c, pcm.canais - 1)];
  };
  const double passo = static_cast<double>(pcm.taxa) / taxa;
  for (qint64 q = 0; q < saida; ++q) {
    const double t = q * passo;
    const qint64 i = std::min(static_cast<qint64>(t), entrada - 1);
    const qint64 j = std::min(i + 1, entrada - 1);
    const double f = t - i;
    for (int c = 0; c < canais; ++c) *out++ = Satura(canal(i, c) * (1 - f) + canal(j, c) * f);
  }
  return r;
}

int PicoPcm(const Pcm& pcm) {
  const qint16* s = reinterpret_cast<const qint16*>(pcm.amostras.constData());
  int pico = 0;
  for (qint64 i = 0, n = pcm.amostras.size() / 2; i < n; ++i) pico = std::max(pico, std::abs(int(s[i])));
  return pico;
}

namespace {
const files::Relogio* g_relogio = nullptr;
}

void DefineRelogioSom(const files::Relogio* relogio) { g_relogio = relogio; }

const files::Relogio& RelogioSom() {
  return g_relogio ? *g_relogio : files::RelogioSistema::Instancia();
}

qint64 FontePcm::DuracaoMs() const {
  if (!Completa()) return -1;
  const qint64 porSegundo = static_cast<qint64>(Taxa()) * Canais() * 2;
  return porSegundo > 0 ? Prontos() * 1000 / porSegundo : 0;
}

namespace {

// A sound held whole in memory.
class FonteFixa : public FontePcm {
 public:
  explicit FonteFixa(Pcm pcm) : pcm_(std::move(pcm)) {}
  int Taxa() const override { return pcm_.taxa; }
  int Canais() const override { return pcm_.canais; }
  qint64 Prontos() const override { return pcm_.amostras.size(); }
  bool Completa() const override { return true; }
  qint64 Le(qint64 desde, char* destino, qint64 maximo) const override {
    const qint64 n = std::clamp<qint64>(pcm_.amostras.size() - desde, 0, maximo);
    if (n > 0) std::memcpy(destino, pcm_.amostras.constData() + desde, n);
    return n;
  }

 private:
  Pcm pcm_;
};

// What the audio device pulls: the source from a byte position on.  While a
// source is still being made and has nothing new yet, it gives silence
// rather than let the device run dry.
class LeitorFonte : public QIODevice {
 public:
  LeitorFonte(std::shared_ptr<const FontePcm> fonte, qint64 desde, QObject* dono)
      : QIODevice(dono), fonte_(std::move(fonte)), pos_(desde) {}
  bool isSequential() const override { return true; }
  bool atEnd() const override { return fonte_->Completa() && pos_ >= fonte_->Prontos(); }
  qint64 bytesAvailable() const override {
    return std::max<qint64>(0, fonte_->Prontos() - pos_) + QIODevice::bytesAvailable();
  }

 protected:
  qint64 readData(char* dados, qint64 maximo) override {
    maximo -= maximo % (2 * std::max(1, fonte_->Canais()));
    qint64 n = fonte_->Le(pos_, dados, maximo);
    pos_ += n;
    if (n == 0 && !fonte_->Completa() && maximo > 0) {
      n = std::min<qint64>(maximo, 4096);
      std::memset(dados, 0, n);
    }
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  std::shared_ptr<const FontePcm> fonte_;
  qint64 pos_;
};

}  // namespace

struct SaidaPcm::Impl {
  std::shared_ptr<const FontePcm> fonte;
  bool tocando = false;
  qint64 desde = 0;      // ms into the sound where this playing started
  int inicio = 0;        // time of day when it started
  qint64 parado = 0;     // position when stopped
  // Owned by the application object, so that it never outlives it.
  QPointer<QAudioSink> sink;

  qint64 Decorrido() const {
    const int agora = RelogioSom().MilissegundosDoDia();
    return ((agora - inicio) % kMsPorDia + kMsPorDia) % kMsPorDia;
  }

  void Silencia() {
    if (sink) {
      sink->stop();
      delete sink.data();
    }
  }

  void Ouve() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull()) return;
    QAudioFormat formato;
    formato.setSampleRate(fonte->Taxa());
    formato.setChannelCount(fonte->Canais());
    formato.setSampleFormat(QAudioFormat::Int16);
    std::shared_ptr<const FontePcm> tocar = fonte;
    if (!dispositivo.isFormatSupported(formato) && fonte->Completa()) {
      // A device that takes no such format: the sound converted to its own.
      Pcm todo;
      todo.taxa = fonte->Taxa();
      todo.canais = fonte->Canais();
      todo.amostras.resize(fonte->Prontos());
      fonte->Le(0, todo.amostras.data(), todo.amostras.size());
      const QAudioFormat preferido = dispositivo.preferredFormat();
      tocar = std::make_shared<FonteFixa>(
          ConvertePcm(todo, preferido.sampleRate(), std::clamp(preferido.channelCount(), 1, 2)));
      formato.setSampleRate(tocar->Taxa());
      formato.setChannelCount(tocar->Canais());
    }
    const qint64 deslocamento = desde * tocar->Taxa() / 1000 * tocar->Canais() * 2;
    sink = new QAudioSink(dispositivo, formato, app);
    auto* leitor = new LeitorFonte(tocar, deslocamento, sink);
    leitor->open(QIODevice::ReadOnly);
    sink->start(leitor);
    if (sink->error() != QAudio::NoError) Silencia();
  }
};

SaidaPcm::SaidaPcm() : d(std::make_unique<Impl>()) {}

SaidaPcm::~SaidaPcm() { d->Silencia(); }

void SaidaPcm::Toca(const Pcm& pcm, qint64 desdeMs) { Toca(std::make_shared<FonteFixa>(pcm), desdeMs); }

void SaidaPcm::Toca(std::shared_ptr<const FontePcm> fonte, qint64 desdeMs) {
  Para();
  d->fonte = std::move(fonte);
  d->desde = std::max<qint64>(desdeMs, 0);
  if (d->fonte && d->fonte->Completa()) d->desde = std::min(d->desde, d->fonte->DuracaoMs());
  d->parado = d->desde;
  if (!d->fonte || (d->fonte->Completa() && d->desde >= d->fonte->DuracaoMs())) return;
  d->inicio = RelogioSom().MilissegundosDoDia();
  d->tocando = true;
  d->Ouve();
}

void SaidaPcm::Para() {
  if (d->tocando) {
    d->parado = Posicao();
    d->tocando = false;
  }
  d->Silencia();
}

bool SaidaPcm::Tocando() const {
  if (!d->tocando) return false;
  const qint64 duracao = d->fonte->DuracaoMs();
  return duracao < 0 || d->desde + d->Decorrido() < duracao;
}

qint64 SaidaPcm::Posicao() const {
  if (!d->tocando) return d->parado;
  const qint64 p = d->desde + d->Decorrido();
  const qint64 duracao = d->fonte->DuracaoMs();
  return duracao < 0 ? p : std::min(p, duracao);
}

qint64 SaidaPcm::Duracao() const { return d->fonte ? d->fonte->DuracaoMs() : 0; }

}  // namespace platform
