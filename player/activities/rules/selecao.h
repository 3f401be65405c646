// How an activity loads and selects its records: the file must exist and hold
// records; N is the smallest of the record count, the page's Quant and 20;
// the records are read in file order or drawn at random without repetition,
// each one verified before anything else is done with it, duplicates (by the
// activity's own rule) dropped, and N shrinks when the file runs out.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "files/arquivo_registros.h"
#include "files/convencoes.h"

namespace zelmo::regras {

inline constexpr int kMaximoItens = 20;

// Where the records come from: their count and record n (1-based).
class FonteRegistros {
 public:
  virtual ~FonteRegistros() = default;
  virtual qint64 Conta() = 0;
  virtual QByteArray Le(qint64 n) = 0;
};

// A data format's record size and its three loading messages.
struct FormatoDados {
  int tamanho;
  const char* naoEncontrado;  // UTF-8
  const char* vazio;
  const char* corrompido;
};
extern const FormatoDados kFormatoPalavras;   // .plv
extern const FormatoDados kFormatoFrases;     // .fse
extern const FormatoDados kFormatoTestes;     // .tst
extern const FormatoDados kFormatoLocal;      // .loc
extern const FormatoDados kFormatoTesteHTML;  // .tsh

// The largest data file an activity reads: 64 MiB.  The record editors add
// records one by one as a teacher types them, so a subject's file holds
// hundreds of records, a few thousand at most; 64 MiB is 86,000 words
// (.plv), 38,000 phrases or tests (.fse, .tst), 79,000 pictures to locate
// (.loc) or 130,000 HTML tests (.tsh), and a selection that reads all of it
// still ends within a second.  A larger file is no file of ours: it is taken
// for corrupt before any record is read, so no selection draws through
// gigabytes.
inline constexpr qint64 kMaiorArquivoDados = qint64(64) << 20;
// The file's records take more than kMaiorArquivoDados.
inline bool DadosGrandesDemais(qint64 registros, int tamanho) {
  return tamanho > 0 && registros > kMaiorArquivoDados / tamanho;
}

// N := min(count, quant, maximo), never below 0.
int NumeroDeItens(qint64 registros, int quant, int maximo = kMaximoItens);

// What an activity does with each record read.
template <class R>
struct RegrasSelecao {
  // The record as read is sound (its check text matches).
  std::function<bool(const R&)> verifica = [](const R& r) { return r.Verifica(); };
  // The record as kept (hangman upper-cases its word).
  std::function<R(const R&)> converte = [](const R& r) { return r; };
  // The converted record repeats one already accepted (none by default).
  std::function<bool(const R& novo, const R& aceito)> duplicado;
  // The converted record cannot be played and is passed over (none by
  // default): the board games pass over a word with no character.
  std::function<bool(const R&)> descarta;
};

template <class R>
struct Selecao {
  bool corrompido = false;  // a record read did not verify: nothing is kept
  QList<R> itens;           // in the order accepted
};

// Record numbers 1..total drawn uniformly among those not yet drawn: each
// draw takes the k-th number still left, in increasing order, k drawn from
// the generator.  A draw costs the depth of a tree over the numbers (about
// log2(total)), and the tree holds only the parts that were drawn from, one
// bit a drawn number at most, so a file of any size costs in proportion to
// the records drawn, never to its size.
class SorteioSemRepeticao {
 public:
  SorteioSemRepeticao(qint64 total, files::Aleatorio& gerador);
  bool vazio() const { return sorteados_ >= total_; }
  qint64 Proximo();  // 0 when none is left

 private:
  static constexpr int kPalavrasFolha = 8;  // a leaf: 512 numbers, one bit each
  static constexpr qint64 kNumerosFolha = kPalavrasFolha * 64;
  struct No {
    qint64 marcados = 0;        // numbers drawn below this node
    qint32 filho[2] = {-1, -1};  // nodes, or leaves below the lowest level
  };
  struct Folha {
    quint64 bits[kPalavrasFolha] = {};
    qint32 marcados = 0;
  };
  // Marks and returns (0-based) the k-th number not yet drawn.
  qint64 Marca(qint64 k);
  qint64 Marcados(qint32 indice, bool folha) const;

  qint64 total_;
  qint64 sorteados_ = 0;
  int niveis_ = 0;  // levels of nodes above the leaves
  std::vector<No> nos_;
  std::vector<Folha> folhas_;
  files::Aleatorio& gerador_;
};

// Records 1..n in file order (n is already within the count).
template <class R>
Selecao<R> SelecionaSequencial(FonteRegistros& fonte, int n, const RegrasSelecao<R>& regras) {
  Selecao<R> s;
  for (qint64 i = 1; i <= n; ++i) {
    const R r = R::DeBytes(fonte.Le(i));
    if (!regras.verifica(r)) return {true, {}};
    R c = regras.converte(r);
    if (!regras.descarta || !regras.descarta(c)) s.itens.append(std::move(c));
  }
  return s;
}

// Up to n records drawn at random.  `aceitos` are records already in play
// (a redraw keeps the words before it): a draw repeating one of them is a
// duplicate too, and only the new records are returned.
template <class R>
Selecao<R> SelecionaAleatoria(FonteRegistros& fonte, int n, files::Aleatorio& gerador,
                              const RegrasSelecao<R>& regras, const QList<R>& aceitos = {}) {
  Selecao<R> s;
  if (n <= 0) return s;
  SorteioSemRepeticao sorteio(fonte.Conta(), gerador);
  while (s.itens.size() < n && !sorteio.vazio()) {
    const R lido = R::DeBytes(fonte.Le(sorteio.Proximo()));
    if (!regras.verifica(lido)) return {true, {}};
    const R r = regras.converte(lido);
    if (regras.descarta && regras.descarta(r)) continue;
    bool repetido = false;
    if (regras.duplicado) {
      for (const R& a : aceitos)
        if (regras.duplicado(r, a)) { repetido = true; break; }
      for (int k = 0; !repetido && k < s.itens.size(); ++k)
        repetido = regras.duplicado(r, s.itens[k]);
    }
    if (!repetido) s.itens.append(r);
  }
  return s;
}

// ---- The same over a file on disk -------------------------------------

enum class FalhaCarga { Nenhuma, NaoEncontrado, Vazio, Corrompido, ErroES };

// The message a failure shows (the format's text, or the input/output
// error's own text); empty for Nenhuma.
QString TextoFalha(const FormatoDados& formato, FalhaCarga falha, const QString& erroES);

// Steps 3 to 5: the file exists and holds records (a file over
// kMaiorArquivoDados is corrupt).
struct Contagem {
  FalhaCarga falha = FalhaCarga::Nenhuma;
  qint64 registros = 0;
  QString erroES;
};
Contagem ContaRegistros(const QString& caminho, int tamanho);

// Opens the file read-only for a selection and closes it afterwards.  The
// records are read through a mapping of the file where it can be made, so a
// selection that draws the whole of a large file costs no system call a
// record.
class FonteArquivo : public FonteRegistros {
 public:
  FonteArquivo(const QString& caminho, int tamanho);  // throws files::IoError
  ~FonteArquivo() override;
  qint64 Conta() override { return conta_; }
  QByteArray Le(qint64 n) override { return mapa_ ? arquivo_.LeMapeado(mapa_, n) : arquivo_.Le(n); }

 private:
  files::RecordFile arquivo_;
  qint64 conta_ = 0;
  const uchar* mapa_ = nullptr;
};

template <class R>
struct CargaArquivo {
  FalhaCarga falha = FalhaCarga::Nenhuma;
  QString erroES;
  QList<R> itens;
};

// The selection of step 8 over the file at `caminho`: sequential or random.
// An input/output failure (the file vanished, a read past its end) comes back
// as ErroES with its text, never as an exception.
template <class R>
CargaArquivo<R> SelecionaDoArquivo(const QString& caminho, int n, bool aleatoria,
                                   files::Aleatorio& gerador, const RegrasSelecao<R>& regras,
                                   const QList<R>& aceitos = {}) {
  CargaArquivo<R> c;
  try {
    FonteArquivo fonte(caminho, R::Tamanho);
    if (DadosGrandesDemais(fonte.Conta(), R::Tamanho)) {
      c.falha = FalhaCarga::Corrompido;
      return c;
    }
    Selecao<R> s = aleatoria ? SelecionaAleatoria(fonte, n, gerador, regras, aceitos)
                             : SelecionaSequencial(fonte, static_cast<int>(std::min<qint64>(n, fonte.Conta())), regras);
    if (s.corrompido) c.falha = FalhaCarga::Corrompido;
    else c.itens = std::move(s.itens);
  } catch (const std::exception& e) {
    c.falha = FalhaCarga::ErroES;
    c.erroES = QString::fromUtf8(e.what());
  }
  return c;
}

}  // namespace zelmo::regras
