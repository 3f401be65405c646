#include "files/registros.h"

#include "files/codigo.h"
#include "files/texto.h"

#include <QtEndian>
#include <cstring>

namespace files {

namespace {

// The three passes over a record's fields.  Each record lists its fields
// once, in Campos() below, and every pass walks that one list, so writing,
// reading and storing can never disagree on an offset.

// Writing: zeros everywhere, then each field at its offset.  Padding and the
// bytes after each text stay zero.
class Saida {
 public:
  explicit Saida(int tamanho) : b_(tamanho, '\0') {}

  void Texto(int pos, int cap, const QString& s) {
    const QByteArray a = ParaAnsi(s).left(cap);
    b_[pos] = static_cast<char>(a.size());
    std::memcpy(b_.data() + pos + 1, a.constData(), a.size());
  }
  void Int(int pos, int32_t v) { qToLittleEndian<qint32>(v, b_.data() + pos); }
  void Real(int pos, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint64>(bits, b_.data() + pos);
  }
  void Bool(int pos, bool v) { b_[pos] = v ? 1 : 0; }

  QByteArray bytes() const { return b_; }

 private:
  QByteArray b_;
};

// Reading.  A buffer shorter than the record reads as if padded with zeros;
// a length byte beyond the capacity reads as the capacity.
class Entrada {
 public:
  Entrada(const QByteArray& bytes, int tamanho) : b_(bytes.left(tamanho)) {
    if (b_.size() < tamanho) b_.append(QByteArray(tamanho - b_.size(), '\0'));
  }

  void Texto(int pos, int cap, QString& s) const {
    const int n = qMin(static_cast<int>(static_cast<unsigned char>(b_[pos])), cap);
    s = DeAnsi(b_.mid(pos + 1, n));
  }
  void Int(int pos, int32_t& v) const { v = qFromLittleEndian<qint32>(b_.constData() + pos); }
  void Real(int pos, double& v) const {
    const quint64 bits = qFromLittleEndian<quint64>(b_.constData() + pos);
    std::memcpy(&v, &bits, sizeof v);
  }
  void Bool(int pos, bool& v) const { v = b_[pos] != 0; }

 private:
  QByteArray b_;
};

// Storing: every text as its field will hold it.
struct Corte {
  void Texto(int, int cap, QString& s) const;
  void Int(int, int32_t&) const {}
  void Real(int, double&) const {}
  void Bool(int, bool&) const {}
};

template <class Op, size_t N>
void Reais(Op& op, int pos, std::array<double, N>& v) {
  for (size_t k = 0; k < N; ++k) op.Real(pos + 8 * static_cast<int>(k), v[k]);
}

// A text as its field stores it: through the code page, cut to capacity.
QString Armazenado(const QString& s, int cap) { return DeAnsi(ParaAnsi(s).left(cap)); }

void Corte::Texto(int, int cap, QString& s) const { s = Armazenado(s, cap); }

// The check text of a source field as stored, compared byte for byte.
bool Confere(const QString& fonte, int cap, const QString& codigo) {
  return CodigoPalavraBytes(ParaAnsi(fonte).left(cap)) == ParaAnsi(codigo).left(kCap255);
}

QString CodigoDe(const QString& fonte, int cap) { return DeAnsi(CodigoPalavraBytes(ParaAnsi(fonte).left(cap))); }

struct Tipo {
  const char* nome;
  const char* mascara;
};

constexpr std::array<Tipo, kNumTipos> kTipos = {{
    {"Texto RTF", "*.rtf"},
    {"Hipertexto", "*.hpr"},
    {"HTML", "*.htm*"},
    {"Caça Palavras", "*.plv"},
    {"Palavras Cruzadas", "*.plv"},
    {"Jogo da Forca", "*.plv"},
    {"Palavra Embaralhada", "*.plv"},
    {"Frases para Completar", "*.fse"},
    {"Testes", "*.tst"},
    {"Associação", "*.plv"},
    {"Acerte o Local", "*.loc"},
    {"Verdadeiro ou Falso", "*.fse"},
    {"Testes em HTML", "*.tsh"},
}};

}  // namespace

QString Corta(const QString& texto, int capacidade) {
  if (capacidade <= 0) return {};
  // Counted in characters, as the code page stores them: a pair of
  // surrogates is one character and is never split.
  int n = 0;
  qsizetype i = 0;
  while (i < texto.size() && n < capacidade) {
    i += (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ? 2 : 1;
    ++n;
  }
  return texto.left(i);
}

std::pair<QString, QString> DivideTexto(const QString& texto) {
  const QString p1 = Corta(texto, kCap250);
  return {p1, Corta(texto.mid(p1.size()), kCap250)};
}

QString JuntaTexto(const QString& parte1, const QString& parte2) { return parte1 + parte2; }

const std::array<const char*, kNumTipos>& NomesTipos() {
  static const std::array<const char*, kNumTipos> nomes = [] {
    std::array<const char*, kNumTipos> r{};
    for (int i = 0; i < kNumTipos; ++i) r[i] = kTipos[i].nome;
    return r;
  }();
  return nomes;
}

QString MascaraTipo(int tipo) {
  if (tipo < 0 || tipo >= kNumTipos) return {};
  return QString::fromLatin1(kTipos[tipo].mascara);
}

namespace {

// ---- The layouts -------------------------------------------------------------

template <class Op>
void Campos(Op& op, RegPagina& r) {
  op.Int(0, r.Tipo);
  op.Texto(4, kCap255, r.Arquivo);
  op.Texto(260, kCap255, r.Som);
  op.Int(516, r.Rodadas);
  op.Int(520, r.Porcent);
  op.Int(524, r.Quant);
  op.Int(528, r.Ordem);
  op.Int(532, r.Dica);
  op.Bool(536, r.Ajuda);
  op.Bool(537, r.Imprimir);
  op.Bool(538, r.Sair);
  op.Bool(539, r.Retorno);
  op.Bool(540, r.Avanco);
  op.Bool(541, r.Alfabeto);
  op.Texto(542, kCap255, r.Codigo);
  // 798: 2 bytes of padding
}

template <class Op>
void Campos(Op& op, RegPalavra& r) {
  op.Texto(0, kCap20, r.Palavra);
  op.Texto(21, kCap250, r.Dica1);
  op.Texto(272, kCap250, r.Dica2);
  op.Texto(523, kCap255, r.Codigo);
}

template <class Op>
void Campos(Op& op, RegFrase& r) {
  op.Texto(0, kCap250, r.Texto1);
  op.Texto(251, kCap250, r.Texto2);
  op.Texto(502, kCap250, r.Correta);
  op.Texto(753, kCap250, r.Errada1);
  op.Texto(1004, kCap250, r.Errada2);
  op.Texto(1255, kCap250, r.Errada3);
  op.Texto(1506, kCap255, r.Codigo);
}

template <class Op>
void Campos(Op& op, RegFigura& r) {
  op.Texto(0, kCap255, r.Figura);
  op.Real(256, r.LarguraFig);
  op.Real(264, r.AlturaFig);
  for (int k = 0; k < RegFigura::kPaineis; ++k) op.Texto(272 + 21 * k, kCap20, r.Rotulo[k]);
  // 398: 2 bytes of padding
  Reais(op, 400, r.PanX);
  Reais(op, 448, r.PanY);
  Reais(op, 496, r.LinhaX);
  Reais(op, 544, r.LinhaY);
  op.Texto(592, kCap255, r.Codigo);
}

template <class Op>
void Campos(Op& op, RegHiper& r) {
  op.Texto(0, kCap255, r.Texto);
  op.Texto(256, kCap255, r.Som);
  op.Texto(512, kCap255, r.Video);
  op.Texto(768, kCap255, r.Figura);
  op.Texto(1024, kCap60, r.Titulo);
  // 1085: 3 bytes of padding
  op.Real(1088, r.LarguraTexto);
  op.Real(1096, r.AlturaPainelFigura);
  op.Real(1104, r.LarguraFigura);
  op.Real(1112, r.AlturaFigura);
  op.Bool(1120, r.TamanhoOriginal);
  op.Texto(1121, kCap255, r.Codigo);
  // 1377: 7 bytes of padding
}

template <class Op>
void Campos(Op& op, RegItem& r) {
  op.Texto(0, kCap255, r.Item);
  op.Texto(256, kCap255, r.Arquivo);
  op.Real(512, r.X);
  op.Real(520, r.Y);
}

template <class Op>
void Campos(Op& op, RegTesteHTML& r) {
  op.Texto(0, kCap250, r.ArquivoHTML);
  // 251: 1 byte of padding
  op.Int(252, r.Alternativas);
  op.Int(256, r.Correta);
  op.Texto(260, kCap255, r.Codigo);
}

template <class Op>
void Campos(Op& op, RegConfig& r) {
  op.Texto(0, kCap255, r.NomeAssunto);
  op.Texto(256, kCap255, r.NomeRelatorio);
}

template <class R>
QByteArray Escreve(const R& r) {
  R copia = r;  // the passes take fields by reference; the texts are shared, not copied
  Saida s(R::Tamanho);
  Campos(s, copia);
  return s.bytes();
}

template <class R>
R Le(const QByteArray& bytes) {
  const Entrada e(bytes, R::Tamanho);
  R r;
  Campos(e, r);
  return r;
}

template <class R>
void CortaTextos(R& r) {
  const Corte c;
  Campos(c, r);
}

}  // namespace

QByteArray RegPagina::ParaBytes() const { return Escreve(*this); }
RegPagina RegPagina::DeBytes(const QByteArray& bytes) { return Le<RegPagina>(bytes); }
void RegPagina::Prepara() {
  CortaTextos(*this);
  Codigo = CodigoDe(Arquivo, kCap255);
}
bool RegPagina::Verifica() const { return Confere(Arquivo, kCap255, Codigo); }

void RegPalavra::DefineDica(const QString& dica) { std::tie(Dica1, Dica2) = DivideTexto(dica); }
QByteArray RegPalavra::ParaBytes() const { return Escreve(*this); }
RegPalavra RegPalavra::DeBytes(const QByteArray& bytes) { return Le<RegPalavra>(bytes); }
void RegPalavra::Prepara() {
  CortaTextos(*this);
  Codigo = CodigoDe(Palavra, kCap20);
}
bool RegPalavra::Verifica() const { return Confere(Palavra, kCap20, Codigo); }

void RegFrase::DefineTexto(const QString& texto) { std::tie(Texto1, Texto2) = DivideTexto(texto); }
QByteArray RegFrase::ParaBytes() const { return Escreve(*this); }
RegFrase RegFrase::DeBytes(const QByteArray& bytes) { return Le<RegFrase>(bytes); }
void RegFrase::Prepara() {
  CortaTextos(*this);
  Codigo = CodigoDe(Texto1, kCap250);
}
bool RegFrase::Verifica() const { return Confere(Texto1, kCap250, Codigo); }

QByteArray RegFigura::ParaBytes() const { return Escreve(*this); }
RegFigura RegFigura::DeBytes(const QByteArray& bytes) { return Le<RegFigura>(bytes); }
void RegFigura::Prepara() {
  // Labels are kept without surrounding blanks.
  for (QString& rotulo : Rotulo) rotulo = Apara(Corta(Apara(rotulo), kCap20));
  CortaTextos(*this);
  Codigo = CodigoDe(Figura, kCap255);
}
bool RegFigura::Verifica() const { return Confere(Figura, kCap255, Codigo); }

QByteArray RegHiper::ParaBytes() const { return Escreve(*this); }
RegHiper RegHiper::DeBytes(const QByteArray& bytes) { return Le<RegHiper>(bytes); }
void RegHiper::Prepara() {
  CortaTextos(*this);
  Codigo = CodigoDe(Texto, kCap255);
}
bool RegHiper::Verifica() const { return Confere(Texto, kCap255, Codigo); }

QByteArray RegItem::ParaBytes() const { return Escreve(*this); }
RegItem RegItem::DeBytes(const QByteArray& bytes) { return Le<RegItem>(bytes); }
void RegItem::Prepara() { CortaTextos(*this); }

QByteArray RegTesteHTML::ParaBytes() const { return Escreve(*this); }
RegTesteHTML RegTesteHTML::DeBytes(const QByteArray& bytes) { return Le<RegTesteHTML>(bytes); }
void RegTesteHTML::Prepara() {
  CortaTextos(*this);
  Codigo = CodigoDe(ArquivoHTML, kCap250);
}
bool RegTesteHTML::Verifica() const { return Confere(ArquivoHTML, kCap250, Codigo); }

QByteArray RegConfig::ParaBytes() const { return Escreve(*this); }
RegConfig RegConfig::DeBytes(const QByteArray& bytes) { return Le<RegConfig>(bytes); }
void RegConfig::Prepara() { CortaTextos(*this); }

}  // namespace files
