// The shared media of the program folder, all made here: the right-answer
// chimes, the wrong-answer buzzes and the two clicks (16-bit mono wave files
// at 22050 Hz), the two pictures of the blinking target marker (placeable
// Windows metafiles) and a short demonstration tune (a standard MIDI file).
#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

void Poe16(QByteArray& b, quint16 v) {
  char c[2];
  qToLittleEndian(v, c);
  b.append(c, 2);
}

void Poe32(QByteArray& b, quint32 v) {
  char c[4];
  qToLittleEndian(v, c);
  b.append(c, 4);
}

// ---- Sounds ---------------------------------------------------------------

constexpr int kTaxa = 22050;
constexpr double kPi = std::numbers::pi;

// A sound being mixed, in floating point (-1 to 1).
class Mixagem {
 public:
  explicit Mixagem(double segundos) : amostras_(static_cast<size_t>(segundos * kTaxa), 0.0) {}

  // A bell-like note: a few partials that die away at their own pace.
  void Sino(double inicio, double freq, double duracao, double volume) {
    static const struct { double razao, peso, queda; } parciais[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 1.8}, {3.01, 0.2, 2.6}, {4.2, 0.08, 3.5}};
    for (const auto& p : parciais)
      Tom(inicio, duracao, volume * p.peso, [&](double t) { return std::sin(2 * kPi * freq * p.razao * t); },
          4.0 * p.queda / duracao);
  }

  // A buzz: the odd harmonics of a square wave (band-limited), gliding from
  // one pitch to another, with an optional tremolo.
  void Zumbido(double inicio, double f0, double f1, double duracao, double volume, double tremolo = 0) {
    double fase = 0;
    size_t ultimo = 0;
    const size_t i0 = static_cast<size_t>(inicio * kTaxa);
    Tom(inicio, duracao, volume, [&](double t) {
      // Phase integrated sample by sample, so the glide is smooth.
      const size_t i = i0 + static_cast<size_t>(t * kTaxa);
      const double f = f0 + (f1 - f0) * std::min(1.0, t / duracao);
      if (i != ultimo) {
        fase += 2 * kPi * f / kTaxa;
        ultimo = i;
      }
      double v = 0;
      for (int h = 1; h <= 9; h += 2)
        if (f * h < kTaxa / 2.5) v += std::sin(h * fase) / h;
      if (tremolo > 0) v *= 0.75 + 0.25 * std::sin(2 * kPi * tremolo * t);
      return v * 0.8;
    }, 0.8 / duracao);
  }

  // A short click: a burst of noise through a simple resonance.
  void Clique(double inicio, double freq, double duracao, double volume, unsigned semente) {
    double y1 = 0, y2 = 0;
    const double r = 0.96, c = 2 * r * std::cos(2 * kPi * freq / kTaxa);
    Tom(inicio, duracao, volume, [&](double) {
      semente = semente * 1103515245u + 12345u;
      const double ruido = ((semente >> 16) & 0x7FFF) / 16384.0 - 1.0;
      const double y = ruido * 0.3 + c * y1 - r * r * y2;
      y2 = y1;
      y1 = y;
      return y * 0.5;
    }, 9.0 / duracao);
  }

  // 16-bit samples, peak-normalized to the volume given, with fades at both
  // ends so that the sound neither starts nor ends with a click.
  std::vector<qint16> Amostras(double pico) const {
    double maior = 1e-9;
    for (double v : amostras_) maior = std::max(maior, std::abs(v));
    const size_t n = amostras_.size();
    const size_t entrada = kTaxa / 400, saida = kTaxa / 50;  // 2.5 ms and 20 ms
    std::vector<qint16> r(n);
    for (size_t i = 0; i < n; ++i) {
      double g = 1;
      if (i < entrada) g = static_cast<double>(i) / entrada;
      if (n - i <= saida) g = std::min(g, static_cast<double>(n - 1 - i) / saida);
      r[i] = static_cast<qint16>(std::lround(std::clamp(amostras_[i] / maior * pico * g, -1.0, 1.0) * 32767));
    }
    return r;
  }

 private:
  template <class Onda>
  void Tom(double inicio, double duracao, double volume, Onda onda, double queda) {
    const size_t i0 = static_cast<size_t>(inicio * kTaxa);
    const size_t n = static_cast<size_t>(duracao * kTaxa);
    const double ataque = 0.004;
    for (size_t k = 0; k < n && i0 + k < amostras_.size(); ++k) {
      const double t = static_cast<double>(k) / kTaxa;
      const double env = std::min(1.0, t / ataque) * std::exp(-queda * t);
      amostras_[i0 + k] += volume * env * onda(t);
    }
  }

  std::vector<double> amostras_;
};

QByteArray Wave(const std::vector<qint16>& s) {
  QByteArray w;
  const quint32 dados = static_cast<quint32>(s.size() * 2);
  w.append("RIFF");
  Poe32(w, 36 + dados);
  w.append("WAVEfmt ");
  Poe32(w, 16);
  Poe16(w, 1);  // PCM
  Poe16(w, 1);  // mono
  Poe32(w, kTaxa);
  Poe32(w, kTaxa * 2);
  Poe16(w, 2);
  Poe16(w, 16);
  w.append("data");
  Poe32(w, dados);
  for (qint16 v : s) Poe16(w, static_cast<quint16>(v));
  return w;
}

double Nota(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Eight rising chimes, each its own little figure in a major key.
QByteArray Acerto(int k) {
  static const std::vector<int> figuras[8] = {
      {72, 76, 79},          // C E G
      {67, 72, 76, 84},      // G C E C'
      {74, 78, 81},          // D F# A
      {69, 73, 76, 81},      // A C# E A'
      {77, 81, 84},          // F A C
      {79, 83, 86, 91},      // G B D G'
      {76, 80, 83, 88},      // E G# B E'
      {72, 79, 84, 88},      // C G C' E'
  };
  const std::vector<int>& notas = figuras[k - 1];
  const double passo = k % 2 ? 0.085 : 0.07;
  const double cauda = 0.32;
  Mixagem m(passo * (notas.size() - 1) + cauda);
  for (size_t i = 0; i < notas.size(); ++i)
    m.Sino(i * passo, Nota(notas[i]), cauda, i + 1 == notas.size() ? 1.0 : 0.75);
  return Wave(m.Amostras(0.7));
}

// Eight low buzzes: falling glides, two falling tones, trembling ones.
QByteArray Erro(int k) {
  Mixagem m(k <= 4 ? 0.45 : 0.55);
  switch (k) {
    case 1: m.Zumbido(0, 220, 140, 0.45, 1); break;
    case 2: m.Zumbido(0, 185, 185, 0.18, 1); m.Zumbido(0.22, 147, 147, 0.23, 1); break;
    case 3: m.Zumbido(0, 160, 110, 0.45, 1, 18); break;
    case 4: m.Zumbido(0, 247, 175, 0.2, 1); m.Zumbido(0.2, 175, 130, 0.25, 1); break;
    case 5: m.Zumbido(0, 130, 98, 0.55, 1, 11); break;
    case 6: m.Zumbido(0, 196, 196, 0.12, 1); m.Zumbido(0.16, 196, 196, 0.12, 1); m.Zumbido(0.32, 156, 120, 0.23, 1); break;
    case 7: m.Zumbido(0, 110, 82, 0.55, 1); m.Zumbido(0, 165, 123, 0.55, 0.4); break;
    default: m.Zumbido(0, 208, 104, 0.55, 1, 7); break;
  }
  return Wave(m.Amostras(0.6));
}

// The click of choosing (light and high) and of dropping (low, a thud).
QByteArray Click(int n) {
  Mixagem m(n == 1 ? 0.1 : 0.14);
  if (n == 1) {
    m.Clique(0, 3200, 0.03, 1, 7);
    m.Sino(0, 1760, 0.06, 0.35);
  } else {
    m.Clique(0, 700, 0.06, 1, 11);
    m.Sino(0, 196, 0.12, 0.8);
  }
  return Wave(m.Amostras(0.6));
}

// ---- Target marker pictures -----------------------------------------------

// A placeable Windows metafile written record by record.
class EscritorWmf {
 public:
  EscritorWmf(int largura, int altura, int porPolegada)
      : largura_(largura), altura_(altura), porPolegada_(porPolegada) {
    Registro(0x0103, {8});                                                  // SetMapMode anisotropic
    Registro(0x020B, {0, 0});                                               // SetWindowOrg
    Registro(0x020C, {static_cast<quint16>(altura), static_cast<quint16>(largura)});  // SetWindowExt
    Registro(0x012E, {0});                                                  // SetTextAlign
    Registro(0x0102, {1});                                                  // SetBkMode transparent
    Registro(0x0106, {2});                                                  // SetPolyFillMode winding
  }

  // A solid pen or brush of a colour (0xBBGGRR) replaces the one selected.
  void Caneta(quint32 cor, int largura) {
    Registro(0x02FA, {0, static_cast<quint16>(largura), 0, Lo(cor), Hi(cor)});
    Troca(caneta_);
  }
  void SemCaneta() {
    Registro(0x02FA, {5, 0, 0, 0, 0});
    Troca(caneta_);
  }
  void Pincel(quint32 cor) {
    Registro(0x02FC, {0, Lo(cor), Hi(cor), 0});
    Troca(pincel_);
  }
  void Elipse(int x0, int y0, int x1, int y1) { Registro(0x0418, {P(y1), P(x1), P(y0), P(x0)}); }
  void Linha(int x0, int y0, int x1, int y1) {
    Registro(0x0214, {P(y0), P(x0)});
    Registro(0x0213, {P(y1), P(x1)});
  }

  QByteArray Bytes() const {
    QByteArray corpo = registros_;
    Poe32(corpo, 3);  // EOF
    Poe16(corpo, 0);
    QByteArray wmf;
    Poe32(wmf, 0x9AC6CDD7u);
    Poe16(wmf, 0);
    Poe16(wmf, 0);
    Poe16(wmf, 0);
    Poe16(wmf, static_cast<quint16>(largura_));
    Poe16(wmf, static_cast<quint16>(altura_));
    Poe16(wmf, static_cast<quint16>(porPolegada_));
    Poe32(wmf, 0);
    quint16 soma = 0;
    for (int i = 0; i < 10; ++i) soma ^= qFromLittleEndian<quint16>(wmf.constData() + 2 * i);
    Poe16(wmf, soma);
    Poe16(wmf, 1);       // in memory
    Poe16(wmf, 9);       // header words
    Poe16(wmf, 0x0300);  // version
    Poe32(wmf, static_cast<quint32>(9 + corpo.size() / 2));
    Poe16(wmf, 3);       // objects alive at once: a pen, a brush, the next one
    Poe32(wmf, maiorRegistro_);
    Poe16(wmf, 0);
    return wmf + corpo;
  }

 private:
  static quint16 Lo(quint32 v) { return static_cast<quint16>(v & 0xFFFF); }
  static quint16 Hi(quint32 v) { return static_cast<quint16>(v >> 16); }
  static quint16 P(int v) { return static_cast<quint16>(static_cast<qint16>(v)); }

  void Registro(quint16 funcao, std::initializer_list<quint16> parametros) {
    const quint32 palavras = static_cast<quint32>(3 + parametros.size());
    maiorRegistro_ = std::max(maiorRegistro_, palavras);
    Poe32(registros_, palavras);
    Poe16(registros_, funcao);
    for (quint16 p : parametros) Poe16(registros_, p);
  }

  // The object just created takes the lowest free slot of the table: select
  // it, then delete the one it replaces, which frees that slot again.
  void Troca(int& slot) {
    int novo = 0;
    while (novo < static_cast<int>(ocupados_.size()) && ocupados_[novo]) ++novo;
    if (novo == static_cast<int>(ocupados_.size())) ocupados_.push_back(false);
    ocupados_[novo] = true;
    Registro(0x012D, {static_cast<quint16>(novo)});  // SelectObject
    if (slot >= 0) {
      Registro(0x01F0, {static_cast<quint16>(slot)});  // DeleteObject
      ocupados_[slot] = false;
    }
    slot = novo;
  }

  QByteArray registros_;
  int largura_, altura_, porPolegada_;
  quint32 maiorRegistro_ = 0;
  int caneta_ = -1, pincel_ = -1;
  std::vector<bool> ocupados_;
};

// Concentric rings and a cross.  Alvo0: red outside; Alvo1, its blinking
// alternate: the colours swapped.
QByteArray Alvo(bool alternado) {
  constexpr quint32 kVermelho = 0x0000D0, kBranco = 0xFFFFFF, kPreto = 0x000000;
  constexpr int L = 600;  // a quarter of an inch at 2400 units per inch
  EscritorWmf w(L, L, 2400);
  const int raios[] = {290, 225, 160, 95, 38};
  for (int i = 0; i < 5; ++i) {
    const bool vermelho = (i % 2 == 0) != alternado;
    if (i == 0) w.Caneta(kVermelho, 16);
    else w.SemCaneta();
    w.Pincel(vermelho ? kVermelho : kBranco);
    w.Elipse(L / 2 - raios[i], L / 2 - raios[i], L / 2 + raios[i], L / 2 + raios[i]);
  }
  w.Caneta(kPreto, 22);
  w.Linha(L / 2, 4, L / 2, L - 4);
  w.Linha(4, L / 2, L - 4, L / 2);
  return w.Bytes();
}

// ---- Demonstration tune -----------------------------------------------------

void PoeVariavel(QByteArray& b, quint32 v) {
  char pilha[5];
  int n = 0;
  pilha[n++] = static_cast<char>(v & 0x7F);
  while (v >>= 7) pilha[n++] = static_cast<char>((v & 0x7F) | 0x80);
  while (n) b.append(pilha[--n]);
}

void PoeBe(QByteArray& b, quint32 v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

void GravaMidia(const QString& dirPrograma) {
  for (int k = 1; k <= 8; ++k) {
    GravaArquivo(dirPrograma + QStringLiteral("acerto%1.wav").arg(k), Acerto(k));
    GravaArquivo(dirPrograma + QStringLiteral("erro%1.wav").arg(k), Erro(k));
  }
  GravaArquivo(dirPrograma + QStringLiteral("click1.wav"), Click(1));
  GravaArquivo(dirPrograma + QStringLiteral("click2.wav"), Click(2));
  GravaArquivo(dirPrograma + QStringLiteral("Alvo0.wmf"), Alvo(false));
  GravaArquivo(dirPrograma + QStringLiteral("Alvo1.wmf"), Alvo(true));
}

void GravaMusicaDemo(const QString& caminho) {
  // The theme of the "Ode to Joy", melody on the piano and a bass under it.
  struct Nota { int altura; int tempos; };  // in eighths
  static const Nota melodia[] = {
      {64, 2}, {64, 2}, {65, 2}, {67, 2}, {67, 2}, {65, 2}, {64, 2}, {62, 2},
      {60, 2}, {60, 2}, {62, 2}, {64, 2}, {64, 3}, {62, 1}, {62, 4},
      {64, 2}, {64, 2}, {65, 2}, {67, 2}, {67, 2}, {65, 2}, {64, 2}, {62, 2},
      {60, 2}, {60, 2}, {62, 2}, {64, 2}, {62, 3}, {60, 1}, {60, 4}};
  static const int baixo[] = {48, 43, 48, 43, 48, 43, 43, 48};  // one per bar
  constexpr int kDivisao = 240;  // ticks per quarter note; an eighth is 120

  struct Evento { quint32 tick; QByteArray dados; };
  std::vector<Evento> eventos;
  auto evento = [&](quint32 tick, std::initializer_list<int> bytes) {
    QByteArray d;
    for (int b : bytes) d.append(static_cast<char>(b));
    eventos.push_back({tick, d});
  };
  evento(0, {0xC0, 0});   // piano
  evento(0, {0xC1, 32});  // acoustic bass
  quint32 t = 0;
  for (const Nota& n : melodia) {
    const quint32 dur = static_cast<quint32>(n.tempos) * 120;
    evento(t, {0x90, n.altura, 96});
    evento(t + dur - 10, {0x80, n.altura, 0});
    t += dur;
  }
  for (int c = 0; c < 8; ++c) {
    const quint32 inicio = static_cast<quint32>(c) * 960;
    evento(inicio, {0x91, baixo[c], 80});
    evento(inicio + 940, {0x81, baixo[c], 0});
  }
  std::stable_sort(eventos.begin(), eventos.end(), [](const Evento& a, const Evento& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    return (a.dados[0] & 0xF0) == 0x80 && (b.dados[0] & 0xF0) != 0x80;  // note-offs first
  });

  QByteArray trilha;
  PoeVariavel(trilha, 0);
  trilha.append("\xFF\x51\x03", 3);  // tempo: 120 quarter notes a minute
  PoeBe(trilha, 500000, 3);
  quint32 antes = 0;
  for (const Evento& e : eventos) {
    PoeVariavel(trilha, e.tick - antes);
    trilha.append(e.dados);
    antes = e.tick;
  }
  PoeVariavel(trilha, 240);
  trilha.append("\xFF\x2F\x00", 3);  // end of track

  QByteArray midi("MThd");
  PoeBe(midi, 6, 4);
  PoeBe(midi, 0, 2);  // format 0
  PoeBe(midi, 1, 2);  // one track
  PoeBe(midi, kDivisao, 2);
  midi.append("MTrk");
  PoeBe(midi, static_cast<quint32>(trilha.size()), 4);
  midi.append(trilha);
  GravaArquivo(caminho, midi);
}

}  // namespace gerador
