// The 20 x 20 board that word search and crossword share, built anew for
// every round: the round's words drawn at random, sorted longest first, the
// first laid across near the middle rows, each later one laid across or down
// crossing one word already on the board, at most 20 redraws of the words
// that find no crossing, the empty cells filled, the hint list, the
// percentage over the rounds and the report lines.
//
// The crossword numbers its words: a clue character (code 1 to 20) goes in
// front of each word and is laid on the board as the word's first cell, the
// number cell, which no other word may touch.  That is all the board does
// differently for it.
#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "files/convencoes.h"
#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace zelmo::regras {

inline constexpr int kLado = 20;
inline constexpr int kCasas = kLado * kLado;
inline constexpr int kMaximoRedistribuicoes = 20;  // redraws a round

enum class Direcao { Horizontal, Vertical };

// Where a word lies: its direction and its first cell.
struct Colocacao {
  Direcao direcao = Direcao::Horizontal;
  int linha = -1;
  int coluna = -1;
  bool operator==(const Colocacao&) const = default;
};

// Draws up to n words at random by `regras`, none repeating one of `aceitos`
// (the words a redraw keeps); only the new words come back, or the failure.
using SorteioPalavras = std::function<CargaArquivo<files::RegPalavra>(
    int n, const QList<files::RegPalavra>& aceitos, const RegrasSelecao<files::RegPalavra>& regras)>;
// The words file at `caminho`, opened read-only for each drawing and closed.
SorteioPalavras SorteioDoArquivo(const QString& caminho, files::Aleatorio& gerador);
// Records held elsewhere (tests, benchmarks), from a source that does not
// throw.
SorteioPalavras SorteioDaFonte(FonteRegistros& fonte, files::Aleatorio& gerador);

// A round ended and another follows: the message window's lines.
QStringList MensagemProximaRodada();

// The percentage of a rounds activity: the rounds done before this one plus
// this round's share, (right - wrong) of the hidden letters, in extended
// precision and in this order, rounded halves to even, never below 0.  A
// round without letters adds nothing.
int PorcentagemRodadas(int rodada, int rodadas, int acertos, int erros, int ocultas);

// How a cell looks.  The windows turn it into colours and borders.
enum class Aparencia {
  Oculta,   // not shown (a crossword cell outside every word)
  Livre,    // blue with aqua letters: unmarked, or a letter cell to fill
  Marcada,  // pale yellow with blue letters: marked, or the answer shown
  Cursor,   // pale yellow: the crossword's cursor
  Numero,   // a clue number on the form's colour, without border
};

struct VistaCasa {
  Aparencia aparencia = Aparencia::Oculta;
  QString rotulo;
  int tag = 0;  // 1: the cell belongs to a word (a letter cell)
};

class Tabuleiro {
 public:
  // `numerado`: the crossword's clue characters and number cells.
  // `rodadas` and `quant` are the page's: rounds below 1 play as one round;
  // `quant` is only reported (the window draws its own N).
  Tabuleiro(bool numerado, int rodadas, int quant, files::Aleatorio& gerador);
  virtual ~Tabuleiro();
  Tabuleiro(const Tabuleiro&) = delete;
  Tabuleiro& operator=(const Tabuleiro&) = delete;

  // ---- The pipeline of a round, in this order (Monta runs it whole) ----
  // Every cell empty, every row and column free, no word, no redraw.
  virtual void Limpa();
  // Up to n words drawn at random (n below 1 draws one).  False on a load
  // failure, or when the file holds no word with a character (Vazio).
  bool EscolhePalavras(int n, const SorteioPalavras& sorteio);
  // Longest first; equal lengths keep their drawing order.  The crossword
  // then gives word k its clue character k + 1 and keeps 19 characters.
  void OrdenaPalavras();
  // The first word across, each later one crossing a word placed before it;
  // a word that finds no crossing redraws the rest of the list, at most 20
  // times a round, after which the round keeps the words placed.  False on a
  // load failure during a redraw.
  bool DistribuiPalavras(const SorteioPalavras& sorteio);
  // Word k laid perpendicular to the placed word m, its character j on
  // character d of word m (both 1-based); false, and nothing changed, when
  // the place is refused.
  bool Posiciona(int k, int m, int j, int d);
  // Words k to N-1 replaced by new words drawn at random.
  bool SortPal(int k, const SorteioPalavras& sorteio);
  // Fills what the board does not hold yet and counts the hidden letters.
  virtual void PreencheVazios() = 0;
  // "DICAS", an empty line, then "k - hint" and an empty line per word.
  QStringList Dicas() const;
  // The whole pipeline; false on failure (falha(), erroES()).
  bool Monta(int n, const SorteioPalavras& sorteio);

  FalhaCarga falha() const { return falha_; }
  const QString& erroES() const { return erroES_; }

  // ---- The board -----------------------------------------------------
  bool numerado() const { return numerado_; }
  int N() const { return static_cast<int>(palavras_.size()); }
  // The words as the round keeps them (the crossword's with their clue).
  const QList<files::RegPalavra>& palavras() const { return palavras_; }
  const QList<Colocacao>& colocacoes() const { return colocacoes_; }
  // Word k as the student knows it (without its clue character).
  QString Palavra(int k) const;
  // The cells of word k in order (the crossword's number cell first).
  QList<int> CasasDaPalavra(int k) const;
  // The cells of word k the student fills or marks (after a number cell).
  QList<int> CasasDeLetras(int k) const;
  QChar caractere(int n) const { return Dentro(n) ? grade_[n] : QChar(); }
  bool vazia(int n) const { return caractere(n).isNull(); }
  bool daPalavra(int n) const { return Dentro(n) && palavra_[n]; }
  bool casaNumero(int n) const { return Dentro(n) && numero_[n] != 0; }
  int numero(int n) const { return Dentro(n) ? numero_[n] : 0; }
  bool linhaUsada(int r) const { return r >= 0 && r < kLado && linhaUsada_[r]; }
  bool colunaUsada(int c) const { return c >= 0 && c < kLado && colunaUsada_[c]; }
  int redistribuicoes() const { return redistribuicoes_; }
  int ocultas() const { return ocultas_; }

  virtual VistaCasa Vista(int n) const = 0;
  // The cells the help shows for word k, in order: those not found yet.
  virtual QList<int> CasasDaAjuda(int k) const = 0;

  // ---- Rounds and score ------------------------------------------------
  int rodada() const { return rodada_; }
  int rodadas() const { return rodadas_; }
  int quant() const { return quant_; }
  int acertos() const { return acertos_; }
  int erros() const { return erros_; }
  int pedidosAjuda() const { return pedidosAjuda_; }
  void ContaAjuda() { ++pedidosAjuda_; }
  // Every letter to find found and nothing wrong on the board.
  bool fimDaRodada() const { return acertos_ - erros_ == ocultas_; }
  // On to the next round; false after the last (the activity is complete).
  bool ProximaRodada();
  QString Rodada() const;  // "Rodada: 2 de 5"
  int Porcentagem() const;
  // The two count lines of the report block.
  QStringList LinhasContagem(int consultas) const;
  bool condicaoErro() const { return Porcentagem() != 100; }
  // The words with a cell not found, for the wrong list; from then on the
  // board shows the answer (the word search every word cell marked and
  // every filler cell not, the crossword every letter in its cell) and takes
  // no more input.  The counts stay.
  QStringList MostraResposta();

  static int Linha(int n) { return n / kLado; }
  static int Coluna(int n) { return n % kLado; }
  static int Casa(int linha, int coluna) { return linha * kLado + coluna; }
  static bool Dentro(int n) { return n >= 0 && n < kCasas; }

 protected:
  void ZeraContagem();

  files::Aleatorio& gerador_;
  std::array<QChar, kCasas> grade_{};
  std::array<bool, kCasas> palavra_{};   // the cell holds a character of a word
  std::array<int, kCasas> numero_{};     // the clue number of a number cell
  int ocultas_ = 0;
  int acertos_ = 0;
  int erros_ = 0;
  bool resposta_ = false;  // the answer is shown

 private:
  // The drawing's rules: the words' own, passing over empty words; the
  // crossword compares words as it keeps them, cut to 19 characters.
  RegrasSelecao<files::RegPalavra> Regras() const;
  // Its clue character and at most 19 characters after it.
  files::RegPalavra Numerada(files::RegPalavra r, int k) const;
  void ColocaPrimeira();
  bool ProcuraCruzamento(int k);
  void Escreve(int k);
  bool Falha(FalhaCarga falha, const QString& erroES = {});

  bool numerado_;
  int rodadas_;
  int quant_;
  int rodada_ = 1;
  int pedidosAjuda_ = 0;
  int redistribuicoes_ = 0;
  std::array<bool, kLado> linhaUsada_{};
  std::array<bool, kLado> colunaUsada_{};
  QList<files::RegPalavra> palavras_;
  QList<Colocacao> colocacoes_;
  FalhaCarga falha_ = FalhaCarga::Nenhuma;
  QString erroES_;
};

}  // namespace zelmo::regras
