#include "player/activities/rules/tabuleiro.h"

#include <algorithm>
#include <cmath>

#include "player/activities/rules/palavras.h"

namespace zelmo::regras {

namespace {

// A numbered word keeps this many characters behind its clue character.
constexpr int kLetrasNumeradas = kTamanhoPalavra - 1;

}  // namespace

SorteioPalavras SorteioDoArquivo(const QString& caminho, files::Aleatorio& gerador) {
  return [caminho, &gerador](int n, const QList<files::RegPalavra>& aceitos,
                             const RegrasSelecao<files::RegPalavra>& regras) {
    // A redraw reads the file again: it may have gone or been emptied since
    // the round began.
    const Contagem contagem = ContaRegistros(caminho, files::RegPalavra::Tamanho);
    if (contagem.falha != FalhaCarga::Nenhuma)
      return CargaArquivo<files::RegPalavra>{contagem.falha, contagem.erroES, {}};
    return SelecionaDoArquivo<files::RegPalavra>(caminho, n, true, gerador, regras, aceitos);
  };
}

SorteioPalavras SorteioDaFonte(FonteRegistros& fonte, files::Aleatorio& gerador) {
  return [&fonte, &gerador](int n, const QList<files::RegPalavra>& aceitos,
                            const RegrasSelecao<files::RegPalavra>& regras) {
    Selecao<files::RegPalavra> s = SelecionaAleatoria(fonte, n, gerador, regras, aceitos);
    CargaArquivo<files::RegPalavra> c;
    if (s.corrompido) c.falha = FalhaCarga::Corrompido;
    else c.itens = std::move(s.itens);
    return c;
  };
}

QStringList MensagemProximaRodada() {
  return {QString(), QString::fromUtf8("Parabéns !"), QString::fromUtf8("Você passou para a próxima rodada.")};
}

int PorcentagemRodadas(int rodada, int rodadas, int acertos, int erros, int ocultas) {
  rodadas = std::max(rodadas, 1);
  long double p = static_cast<long double>(rodada - 1) / rodadas * 100;
  if (ocultas > 0) p += static_cast<long double>(acertos - erros) / ocultas / rodadas * 100;
  const long double r = std::nearbyintl(p);
  if (!(r > 0)) return 0;
  return r >= 2147483647.0L ? 2147483647 : static_cast<int>(r);
}

Tabuleiro::Tabuleiro(bool numerado, int rodadas, int quant, files::Aleatorio& gerador)
    : gerador_(gerador), numerado_(numerado), rodadas_(std::max(rodadas, 1)), quant_(quant) {}

Tabuleiro::~Tabuleiro() = default;

void Tabuleiro::ZeraContagem() { ocultas_ = acertos_ = erros_ = 0; }

void Tabuleiro::Limpa() {
  redistribuicoes_ = 0;
  grade_.fill(QChar());
  palavra_.fill(false);
  numero_.fill(0);
  linhaUsada_.fill(false);
  colunaUsada_.fill(false);
  palavras_.clear();
  colocacoes_.clear();
  ZeraContagem();
  resposta_ = false;
  falha_ = FalhaCarga::Nenhuma;
  erroES_.clear();
}

bool Tabuleiro::Falha(FalhaCarga falha, const QString& erroES) {
  falha_ = falha;
  erroES_ = erroES;
  return false;
}

RegrasSelecao<files::RegPalavra> Tabuleiro::Regras() const {
  RegrasSelecao<files::RegPalavra> r = RegrasPalavras();
  // A word with no character has nothing to find or fill on the board.
  r.descarta = [](const files::RegPalavra& p) { return p.Palavra.isEmpty(); };
  if (numerado_) {
    // Compared as the crossword keeps them, so that two words that differ
    // only past their 19th character do not both come to the board.
    r.duplicado = [](const files::RegPalavra& novo, const files::RegPalavra& aceito) {
      return novo.Palavra.left(kLetrasNumeradas) == aceito.Palavra.left(kLetrasNumeradas) &&
             novo.Dica1 == aceito.Dica1 && novo.Dica2 == aceito.Dica2;
    };
  }
  return r;
}

files::RegPalavra Tabuleiro::Numerada(files::RegPalavra r, int k) const {
  r.Palavra = QChar(static_cast<char16_t>(k + 1)) + r.Palavra.left(kLetrasNumeradas);
  return r;
}

bool Tabuleiro::EscolhePalavras(int n, const SorteioPalavras& sorteio) {
  CargaArquivo<files::RegPalavra> c = sorteio(std::max(n, 1), {}, Regras());
  if (c.falha != FalhaCarga::Nenhuma) return Falha(c.falha, c.erroES);
  // Records there are, but not one word to lay out: the file is as good as
  // empty.
  if (c.itens.isEmpty()) return Falha(FalhaCarga::Vazio);
  palavras_ = std::move(c.itens);
  colocacoes_ = QList<Colocacao>(palavras_.size());
  return true;
}

void Tabuleiro::OrdenaPalavras() {
  // Stable: the passes of neighbouring exchanges give this same order.
  std::stable_sort(palavras_.begin(), palavras_.end(), [](const files::RegPalavra& a, const files::RegPalavra& b) {
    return a.Palavra.size() > b.Palavra.size();
  });
  if (numerado_)
    for (int k = 0; k < N(); ++k) palavras_[k] = Numerada(palavras_[k], k);
}

bool Tabuleiro::DistribuiPalavras(const SorteioPalavras& sorteio) {
  if (N() == 0) return true;
  ColocaPrimeira();
  int k = 1;
  while (k < N()) {
    if (ProcuraCruzamento(k)) {
      ++k;
      continue;
    }
    if (redistribuicoes_ >= kMaximoRedistribuicoes) {
      // The round goes on with the words placed.
      palavras_.resize(k);
      colocacoes_.resize(k);
      break;
    }
    if (!SortPal(k, sorteio)) return false;
  }
  return true;
}

void Tabuleiro::ColocaPrimeira() {
  const int l = static_cast<int>(palavras_[0].Palavra.size());
  const int linha = 6 + gerador_.Sorteia(3);
  colocacoes_[0] = {Direcao::Horizontal, linha, std::max(0, (kLado - l) / 2 - 1)};
  for (int r = linha - 1; r <= linha + 1; ++r) linhaUsada_[r] = true;
  Escreve(0);
}

bool Tabuleiro::ProcuraCruzamento(int k) {
  const QString& w = palavras_[k].Palavra;
  // No crossing on a clue character.
  const int primeira = numerado_ ? 2 : 1;
  for (int m = 0; m < k; ++m) {
    const QString& wm = palavras_[m].Palavra;
    for (int j = primeira; j <= w.size(); ++j)
      for (int d = primeira; d <= wm.size(); ++d)
        if (wm[d - 1] == w[j - 1] && Posiciona(k, m, j, d)) return true;
  }
  return false;
}

bool Tabuleiro::Posiciona(int k, int m, int j, int d) {
  if (k < 0 || k >= N() || m < 0 || m >= N() || k == m) return false;
  const Colocacao cm = colocacoes_[m];
  if (cm.linha < 0 || colocacoes_[k].linha >= 0) return false;
  const QString& w = palavras_[k].Palavra;
  const QString& wm = palavras_[m].Palavra;
  const int l = static_cast<int>(w.size());
  if (j < 1 || j > l || d < 1 || d > wm.size() || w[j - 1] != wm[d - 1]) return false;

  // Word k runs down when word m runs across, and the other way round.
  // `cruz` is the crossing's place along word k, `lado` the row or column
  // word k lies in.
  const bool vertical = cm.direcao == Direcao::Horizontal;
  const int cruz = vertical ? cm.linha : cm.coluna;
  const int lado = (vertical ? cm.coluna : cm.linha) + d - 1;
  const auto casa = [vertical](int ao, int l2) { return vertical ? Casa(ao, l2) : Casa(l2, ao); };
  const int ini = cruz - j + 1;
  const int fim = ini + l - 1;
  if (ini < 0 || fim > kLado - 1) return false;
  std::array<bool, kLado>& usadas = vertical ? colunaUsada_ : linhaUsada_;
  if (usadas[lado]) return false;

  // Only the crossing cell may be taken; no cell looked at may be a number
  // cell, the crossing cell included.
  const auto livre = [&](int ao, int l2) {
    const int n = casa(ao, l2);
    return numero_[n] == 0 && (ao == cruz || grade_[n].isNull());
  };
  const int a = ini > 0 ? ini - 1 : ini;
  const int b = fim < kLado - 1 ? fim + 1 : fim;
  for (int p = a; p <= b; ++p)
    if (!livre(p, lado)) return false;
  for (const int vizinho : {lado - 1, lado + 1}) {
    if (vizinho < 0 || vizinho >= kLado) continue;
    for (int p = ini; p <= fim; ++p)
      if (!livre(p, vizinho)) return false;
  }

  colocacoes_[k] = vertical ? Colocacao{Direcao::Vertical, ini, lado} : Colocacao{Direcao::Horizontal, lado, ini};
  for (int u = std::max(lado - 1, 0); u <= std::min(lado + 1, kLado - 1); ++u) usadas[u] = true;
  Escreve(k);
  return true;
}

void Tabuleiro::Escreve(int k) {
  const QList<int> casas = CasasDaPalavra(k);
  const QString& w = palavras_[k].Palavra;
  for (int i = 0; i < casas.size(); ++i) {
    grade_[casas[i]] = w[i];
    palavra_[casas[i]] = true;
  }
  if (numerado_ && !casas.isEmpty()) numero_[casas[0]] = k + 1;
}

bool Tabuleiro::SortPal(int k, const SorteioPalavras& sorteio) {
  if (k < 1 || k >= N()) return true;
  // The words kept, as the drawing compares them (without their clue).
  QList<files::RegPalavra> mantidas;
  for (int i = 0; i < k; ++i) {
    files::RegPalavra p = palavras_[i];
    p.Palavra = Palavra(i);
    mantidas.append(p);
  }
  CargaArquivo<files::RegPalavra> c = sorteio(N() - k, mantidas, Regras());
  if (c.falha != FalhaCarga::Nenhuma) return Falha(c.falha, c.erroES);
  palavras_.resize(k);
  colocacoes_.resize(k);
  for (const files::RegPalavra& p : c.itens) {
    palavras_.append(numerado_ ? Numerada(p, N()) : p);
    colocacoes_.append(Colocacao{});
  }
  ++redistribuicoes_;
  return true;
}

QStringList Tabuleiro::Dicas() const {
  QStringList linhas{"DICAS", QString()};
  for (int k = 0; k < N(); ++k) {
    linhas.append(QString::number(k + 1) + " - " + palavras_[k].Dica1 + palavras_[k].Dica2);
    linhas.append(QString());
  }
  return linhas;
}

bool Tabuleiro::Monta(int n, const SorteioPalavras& sorteio) {
  Limpa();
  if (!EscolhePalavras(n, sorteio)) return false;
  OrdenaPalavras();
  if (!DistribuiPalavras(sorteio)) return false;
  PreencheVazios();
  return true;
}

QString Tabuleiro::Palavra(int k) const {
  if (k < 0 || k >= N()) return {};
  const QString& w = palavras_[k].Palavra;
  return numerado_ ? w.mid(1) : w;
}

QList<int> Tabuleiro::CasasDaPalavra(int k) const {
  QList<int> casas;
  if (k < 0 || k >= N() || colocacoes_[k].linha < 0) return casas;
  const Colocacao& c = colocacoes_[k];
  const int l = static_cast<int>(palavras_[k].Palavra.size());
  for (int i = 0; i < l; ++i)
    casas.append(c.direcao == Direcao::Horizontal ? Casa(c.linha, c.coluna + i) : Casa(c.linha + i, c.coluna));
  return casas;
}

QList<int> Tabuleiro::CasasDeLetras(int k) const {
  QList<int> casas = CasasDaPalavra(k);
  if (numerado_ && !casas.isEmpty()) casas.removeFirst();
  return casas;
}

QStringList Tabuleiro::MostraResposta() {
  QStringList faltam;
  for (int k = 0; k < N(); ++k)
    if (!CasasDaAjuda(k).isEmpty()) faltam.append(Palavra(k));
  resposta_ = true;
  return faltam;
}

bool Tabuleiro::ProximaRodada() {
  if (rodada_ >= rodadas_) return false;
  ++rodada_;
  return true;
}

QString Tabuleiro::Rodada() const {
  return "Rodada: " + QString::number(rodada_) + " de " + QString::number(rodadas_);
}

int Tabuleiro::Porcentagem() const { return PorcentagemRodadas(rodada_, rodadas_, acertos_, erros_, ocultas_); }

QStringList Tabuleiro::LinhasContagem(int consultas) const {
  const auto n = [](int v) { return QString::number(v); };
  return {"Rodadas programadas: " + n(rodadas_) + " - Rodadas executadas: " + n(rodada_) +
              QString::fromUtf8(" - Palavras (máximo): ") + n(quant_),
          "Acerto: " + n(Porcentagem()) + " % - Consultas: " + n(consultas) + " - Pedidos de Ajuda: " +
              n(pedidosAjuda_)};
}

}  // namespace zelmo::regras
