// The board of word search and crossword: seeded boards checked cell by cell
// against the placement rules, the redraws, the duplicate and empty-word
// rules, the percentage over the rounds and the report lines.
#include <gtest/gtest.h>

#include <QSet>

#include "files/texto.h"
#include "palavras_apoio.h"
#include "player/activities/rules/jogo_cp.h"
#include "player/activities/rules/jogo_pcs.h"

namespace {

using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

// Each word with a hint of its own, or all with `dica`.
QList<files::RegPalavra> Registros(const QStringList& palavras, const QString& dica = {}) {
  QList<files::RegPalavra> r;
  for (const QString& p : palavras) r.append(apoio::Palavra(p, dica.isEmpty() ? "dica de " + p : dica));
  return r;
}

// Words of the subject, with accents, a blank and a hyphen.
const QStringList kCoracao = {
    U("coração"), U("artéria"), "veia", "aorta", "valva mitral", U("ventrículo"), U("átrio"),
    "capilar", U("hemácia"), "plaqueta", U("miocárdio"), "marca-passo", U("pressão arterial"),
    U("pulsação"), "sangue", U("glóbulo branco"), "sístole", U("diástole"), "coronária", "circulação",
    U("oxigênio"), "pulmão"};

// A board of each kind over the given records, laid out from a seed.
struct Montagem {
  Montagem(bool cruzadas, const QStringList& palavras, uint32_t semente, int n = 20, const QString& dica = {})
      : fonte(Registros(palavras, dica)), gerador(semente) {
    if (cruzadas) tabuleiro = std::make_unique<Cruzadas>(3, n, gerador);
    else tabuleiro = std::make_unique<CacaPalavras>(3, n, gerador);
    ok = tabuleiro->Monta(n, SorteioDaFonte(fonte, gerador));
  }
  apoio::FonteMemoria fonte;
  files::Aleatorio gerador;
  std::unique_ptr<Tabuleiro> tabuleiro;
  bool ok = false;
};

bool Vizinhas(int a, int b) {
  const int dl = std::abs(Tabuleiro::Linha(a) - Tabuleiro::Linha(b));
  const int dc = std::abs(Tabuleiro::Coluna(a) - Tabuleiro::Coluna(b));
  return dl + dc == 1;
}

// Every rule a laid-out board must keep, checked on its cells.
void ConfereRegras(const Tabuleiro& t) {
  ASSERT_GE(t.N(), 1);
  const auto& col = t.colocacoes();
  // The first word lies across in row 6, 7 or 8, from its start column.
  const int l0 = static_cast<int>(t.palavras()[0].Palavra.size());
  EXPECT_EQ(col[0].direcao, Direcao::Horizontal);
  EXPECT_GE(col[0].linha, 6);
  EXPECT_LE(col[0].linha, 8);
  EXPECT_EQ(col[0].coluna, std::max(0, (20 - l0) / 2 - 1));

  QSet<int> ocupadas;
  for (int k = 0; k < t.N(); ++k) {
    const QList<int> casas = t.CasasDaPalavra(k);
    const QString w = t.palavras()[k].Palavra;
    ASSERT_EQ(casas.size(), w.size()) << k;
    // Findable: the word's characters lie in its cells, in a straight line
    // inside the grid.
    const int passo = col[k].direcao == Direcao::Horizontal ? 1 : 20;
    const int fim = col[k].direcao == Direcao::Horizontal ? col[k].coluna + w.size() - 1
                                                           : col[k].linha + w.size() - 1;
    EXPECT_LE(fim, 19) << k;
    for (int i = 0; i < casas.size(); ++i) {
      EXPECT_EQ(casas[i], casas[0] + i * passo);
      EXPECT_EQ(t.caractere(casas[i]), w[i]) << "word " << k << " char " << i;
      EXPECT_TRUE(t.daPalavra(casas[i]));
    }
    // One crossing with the words placed before it, on the same character.
    if (k > 0) {
      int cruzamentos = 0;
      for (int m = 0; m < k; ++m)
        for (int c : t.CasasDaPalavra(m)) cruzamentos += casas.contains(c);
      EXPECT_EQ(cruzamentos, 1) << "word " << k;
    }
    for (int c : casas) ocupadas.insert(c);
  }
  for (int a = 0; a < t.N(); ++a) {
    for (int b = a + 1; b < t.N(); ++b) {
      const QList<int> ca = t.CasasDaPalavra(a), cb = t.CasasDaPalavra(b);
      // Parallel words: neither the same nor a neighbouring row or column.
      if (col[a].direcao == col[b].direcao) {
        const bool h = col[a].direcao == Direcao::Horizontal;
        EXPECT_GT(std::abs(h ? col[a].linha - col[b].linha : col[a].coluna - col[b].coluna), 1)
            << "words " << a << " and " << b;
      }
      // Two words meet at their crossing cell only: no cell of one lies
      // beside a cell of the other, except next to the crossing.
      int comum = -1;
      for (int c : ca)
        if (cb.contains(c)) comum = c;
      for (int p : ca)
        for (int q : cb)
          if (Vizinhas(p, q)) {
            EXPECT_TRUE(p == comum || q == comum) << "words " << a << " and " << b;
          }
    }
  }
  if (t.numerado()) {
    // Each word starts at its number cell, which no other word touches but
    // at the word's own first letter (a crossing there is the later word's).
    for (int k = 0; k < t.N(); ++k) {
      const QList<int> propria = t.CasasDaPalavra(k);
      const int n = propria.first();
      EXPECT_EQ(t.numero(n), k + 1);
      EXPECT_EQ(t.caractere(n).unicode(), k + 1);
      EXPECT_EQ(t.Vista(n).rotulo, QString::number(k + 1));
      EXPECT_EQ(t.Vista(n).aparencia, Aparencia::Numero);
      for (int m = 0; m < t.N(); ++m) {
        if (m == k) continue;
        for (int c : t.CasasDaPalavra(m)) {
          EXPECT_NE(c, n);
          if (c == propria.value(1)) {
            EXPECT_LT(m, k) << "word " << k + 1 << " crossed at its first letter by a later word";
            continue;
          }
          EXPECT_FALSE(Vizinhas(c, n)) << "word " << m << " beside number " << k + 1;
        }
      }
    }
    // Only the words' cells are shown; the letter cells are the letters.
    int letras = 0;
    for (int n = 0; n < kCasas; ++n) {
      EXPECT_EQ(t.Vista(n).aparencia == Aparencia::Oculta, !ocupadas.contains(n));
      if (ocupadas.contains(n) && !t.casaNumero(n)) ++letras;
    }
    EXPECT_EQ(t.ocultas(), letras);
  } else {
    // Filler letters A..Z everywhere else; the word cells are the letters.
    for (int n = 0; n < kCasas; ++n) {
      if (ocupadas.contains(n)) continue;
      EXPECT_FALSE(t.daPalavra(n));
      EXPECT_TRUE(t.caractere(n) >= u'A' && t.caractere(n) <= u'Z') << n;
      EXPECT_EQ(t.Vista(n).tag, 0);
    }
    EXPECT_EQ(t.ocultas(), ocupadas.size());
  }
  // No word twice.
  QSet<QString> vistas;
  for (int k = 0; k < t.N(); ++k) EXPECT_FALSE(vistas.contains(t.Palavra(k))) << t.Palavra(k).toStdString();
}

class TabuleiroSemeado : public ::testing::TestWithParam<std::tuple<bool, uint32_t>> {};

TEST_P(TabuleiroSemeado, KeepsThePlacementRulesAndReplaysCellForCell) {
  const auto [cruzadas, semente] = GetParam();
  Montagem a(cruzadas, kCoracao, semente);
  ASSERT_TRUE(a.ok);
  ConfereRegras(*a.tabuleiro);
  // The hints follow the sorted list: longest word first.
  if (a.tabuleiro->redistribuicoes() == 0) {
    for (int k = 1; k < a.tabuleiro->N(); ++k)
      EXPECT_GE(a.tabuleiro->Palavra(k - 1).size(), a.tabuleiro->Palavra(k).size());
  }
  const QStringList dicas = a.tabuleiro->Dicas();
  ASSERT_EQ(dicas.size(), 2 + 2 * a.tabuleiro->N());
  EXPECT_EQ(dicas[0], "DICAS");
  EXPECT_EQ(dicas[2], "1 - dica de " + files::MinusculasAnsi(a.tabuleiro->Palavra(0)));

  Montagem b(cruzadas, kCoracao, semente);
  for (int n = 0; n < kCasas; ++n) ASSERT_EQ(a.tabuleiro->caractere(n), b.tabuleiro->caractere(n)) << n;
  EXPECT_EQ(a.tabuleiro->colocacoes(), b.tabuleiro->colocacoes());
}

INSTANTIATE_TEST_SUITE_P(Sementes, TabuleiroSemeado,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(1u, 7u, 42u, 1234u, 86399999u, 3141592653u,
                                                              4294967295u, 555u)));

TEST(Tabuleiro, AHandCountedBoard) {
  // ABCDE across from column 6; XCY down through its C, in column 8.
  for (const bool cruzadas : {false, true}) {
    Montagem m(cruzadas, {"xcy", "abcde"}, 99);
    ASSERT_TRUE(m.ok);
    const Tabuleiro& t = *m.tabuleiro;
    ASSERT_EQ(t.N(), 2);
    EXPECT_EQ(t.Palavra(0), "ABCDE");
    const int r = t.colocacoes()[0].linha;
    if (!cruzadas) {
      EXPECT_EQ(t.colocacoes()[0], (Colocacao{Direcao::Horizontal, r, 6}));
      EXPECT_EQ(t.colocacoes()[1], (Colocacao{Direcao::Vertical, r - 1, 8}));
      EXPECT_EQ(t.ocultas(), 7);  // the C counts once
    } else {
      // Numbered: 1ABCDE from column 6, 2XCY down in column 9, its number
      // cell two rows above the crossing.
      EXPECT_EQ(t.colocacoes()[0], (Colocacao{Direcao::Horizontal, r, 6}));
      EXPECT_EQ(t.colocacoes()[1], (Colocacao{Direcao::Vertical, r - 2, 9}));
      EXPECT_EQ(t.numero(Tabuleiro::Casa(r - 2, 9)), 2);
      EXPECT_EQ(t.ocultas(), 7);
    }
    EXPECT_TRUE(t.linhaUsada(r - 1) && t.linhaUsada(r) && t.linhaUsada(r + 1));
    EXPECT_FALSE(t.linhaUsada(r + 2));
    const int c = cruzadas ? 9 : 8;
    EXPECT_TRUE(t.colunaUsada(c - 1) && t.colunaUsada(c) && t.colunaUsada(c + 1));
  }
}

TEST(Tabuleiro, FirstWordStartColumns) {
  struct Caso { const char* palavra; bool cruzadas; int coluna; };
  const Caso casos[] = {{"abcdefghijklmnopqrst", false, 0}, {"abcdefghijklmnopqrs", false, 0},
                        {"abcdefghijk", false, 3},          {"abcdefghij", false, 4},
                        {"a", false, 8},                    {"abcdefghijklmnopqrst", true, 0},
                        {"abcdefghij", true, 3}};
  for (const Caso& c : casos) {
    Montagem m(c.cruzadas, {c.palavra}, 5);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.tabuleiro->colocacoes()[0].coluna, c.coluna) << c.palavra;
    // A word of 20 letters keeps 19 behind its clue in the crossword.
    if (c.cruzadas && QString(c.palavra).size() == 20) {
      EXPECT_EQ(m.tabuleiro->Palavra(0), "ABCDEFGHIJKLMNOPQRS");
    }
  }
}

TEST(Tabuleiro, WordsWithoutACrossingAreRedrawnTwentyTimesAtMost) {
  for (const bool cruzadas : {false, true}) {
    Montagem m(cruzadas, {"abc", "xyz"}, 17, 2);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.tabuleiro->redistribuicoes(), kMaximoRedistribuicoes);
    ASSERT_EQ(m.tabuleiro->N(), 1);
    EXPECT_EQ(m.tabuleiro->Dicas().size(), 4);
    EXPECT_EQ(m.tabuleiro->ocultas(), 3);
    // Each redraw opened its own drawing: the first selection and twenty
    // redraws, each reading until the other word came up.
    EXPECT_GE(m.fonte.lidos.size(), 2 + 20);
  }
  // The second word of a crossword may not cross the first one at its first
  // letter: its number cell would stand beside the crossing.
  Montagem pcs(true, {"abcd", "axy"}, 3, 2);
  EXPECT_EQ(pcs.tabuleiro->N(), 1);
  Montagem cp(false, {"abcd", "axy"}, 3, 2);
  EXPECT_EQ(cp.tabuleiro->N(), 2);
}

TEST(Tabuleiro, RedrawsKeepThePlacementRules) {
  // "casa" crosses only "bola", "xyz" only "quiz": most drawings need
  // redraws, some end with words left out.
  for (uint32_t s = 1; s <= 30; ++s) {
    Montagem m(false, {"casa", "xyz", "bola", "quiz"}, s, 3);
    ASSERT_TRUE(m.ok);
    ConfereRegras(*m.tabuleiro);
    EXPECT_LE(m.tabuleiro->redistribuicoes(), kMaximoRedistribuicoes);
  }
}

TEST(Tabuleiro, TheCrosswordComparesWordsAfterTheSameCut) {
  // A 20-letter word keeps 19 behind its clue: a redraw compares the drawn
  // word cut the same way, so the same record is not laid out twice.
  const QString vinte = "abcdefghijklmnopqrst";
  for (uint32_t s = 1; s <= 40; ++s) {
    Montagem m(true, {vinte, "xyz"}, s, 2);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.tabuleiro->N(), 1) << s;
    EXPECT_EQ(m.tabuleiro->Palavra(0), "ABCDEFGHIJKLMNOPQRS");
  }
  // Two records with one hint that differ only past their 19th letter are
  // one word there; the word search keeps both.
  const QStringList quase{vinte, "abcdefghijklmnopqrsz"};
  Montagem pcs(true, quase, 8, 2, "h");
  EXPECT_EQ(pcs.tabuleiro->N(), 1);
  Montagem cp(false, quase, 8, 2, "h");
  EXPECT_EQ(cp.tabuleiro->N(), 2);
}

TEST(Tabuleiro, EmptyWordsAreNotPlayed) {
  for (const bool cruzadas : {false, true}) {
    // Among words with letters, an empty one is passed over.
    Montagem m(cruzadas, {"", "casa", ""}, 11, 3);
    ASSERT_TRUE(m.ok);
    ASSERT_EQ(m.tabuleiro->N(), 1);
    EXPECT_EQ(m.tabuleiro->Palavra(0), "CASA");
    EXPECT_GT(m.tabuleiro->ocultas(), 0);
    // Nothing but empty words: the file is as good as empty.
    Montagem vazio(cruzadas, {"", ""}, 11, 2);
    EXPECT_FALSE(vazio.ok);
    EXPECT_EQ(vazio.tabuleiro->falha(), FalhaCarga::Vazio);
    // The percentage of a board that never came divides by nothing.
    EXPECT_EQ(vazio.tabuleiro->Porcentagem(), 0);
  }
}

TEST(Tabuleiro, LoadFailuresStopThePipeline) {
  // A corrupt record, at the first drawing or at a redraw.
  QList<files::RegPalavra> registros = Registros({"abc"});
  registros.append(apoio::Corrompida("xyz"));
  for (uint32_t s = 1; s <= 6; ++s) {
    apoio::FonteMemoria fonte(registros);
    files::Aleatorio g(s);
    CacaPalavras t(1, 2, g);
    EXPECT_FALSE(t.Monta(2, SorteioDaFonte(fonte, g)));
    EXPECT_EQ(t.falha(), FalhaCarga::Corrompido);
  }
  // A words file that is gone.
  files::Aleatorio g(1);
  Cruzadas t(1, 2, g);
  EXPECT_FALSE(t.Monta(2, SorteioDoArquivo("/nao/existe.plv", g)));
  EXPECT_EQ(t.falha(), FalhaCarga::NaoEncontrado);
}

TEST(Tabuleiro, PercentageOverTheRounds) {
  struct Caso { int rodada, rodadas, acertos, erros, ocultas, p; };
  const Caso casos[] = {
      {1, 2, 5, 0, 10, 25},  {2, 2, 2, 1, 8, 56},  {1, 2, 1, 0, 4, 12}, {1, 4, 1, 0, 8, 3},
      {1, 2, 0, 3, 4, 0},    {3, 5, 5, 0, 10, 50}, {2, 2, 8, 0, 8, 100}, {1, 1, 0, 0, 5, 0},
      // Halves to the even neighbour: 37.5 and 62.5.
      {1, 4, 3, 0, 2, 38},   {1, 8, 3, 0, 1, 38}, {2, 4, 1, 0, 2, 38}, {3, 4, 1, 0, 2, 62},
      // No letters, no rounds: no division by zero.
      {2, 2, 0, 0, 0, 50},   {1, 0, 1, 0, 2, 50}, {1, -3, 2, 0, 2, 100}};
  for (const Caso& c : casos)
    EXPECT_EQ(PorcentagemRodadas(c.rodada, c.rodadas, c.acertos, c.erros, c.ocultas), c.p)
        << c.rodada << "/" << c.rodadas << " " << c.acertos << "-" << c.erros << " of " << c.ocultas;
}

TEST(Tabuleiro, RoundsAndReportLines) {
  files::Aleatorio g(1);
  CacaPalavras t(3, 12, g);
  EXPECT_EQ(t.Rodada(), "Rodada: 1 de 3");
  EXPECT_TRUE(t.ProximaRodada());
  EXPECT_TRUE(t.ProximaRodada());
  EXPECT_FALSE(t.ProximaRodada());
  EXPECT_EQ(t.Rodada(), "Rodada: 3 de 3");
  t.ContaAjuda();
  t.ContaAjuda();
  EXPECT_EQ(t.LinhasContagem(4),
            (QStringList{U("Rodadas programadas: 3 - Rodadas executadas: 3 - Palavras (máximo): 12"),
                         "Acerto: 67 % - Consultas: 4 - Pedidos de Ajuda: 2"}));
  EXPECT_TRUE(t.condicaoErro());
  // Rounds below 1 play one round.
  CacaPalavras zero(0, 5, g);
  EXPECT_EQ(zero.Rodada(), "Rodada: 1 de 1");
  EXPECT_FALSE(zero.ProximaRodada());
  EXPECT_EQ(MensagemProximaRodada(),
            (QStringList{QString(), U("Parabéns !"), U("Você passou para a próxima rodada.")}));
}

}  // namespace
