#include "player/activities/rules/selecao.h"

#include <algorithm>
#include <bit>

#include "files/pastas.h"

namespace zelmo::regras {

const FormatoDados kFormatoPalavras{779, "Arquivo de Palavras não encontrado !",
                                    "Arquivo de Palavras vazio !", "Arquivo PLV Corrompido!"};
const FormatoDados kFormatoFrases{1762, "Arquivo de Frases não encontrado !",
                                  "Arquivo de Frases vazio !", "Arquivo FSE Corrompido!"};
const FormatoDados kFormatoTestes{1762, "Arquivo de Testes não encontrado !",
                                  "Arquivo de Testes vazio !", "Arquivo TST Corrompido!"};
const FormatoDados kFormatoLocal{848, "Arquivo do Acerte o Local não encontrado !",
                                 "Arquivo do Acerte o Local vazio !", "Arquivo LOC Corrompido!"};
const FormatoDados kFormatoTesteHTML{516, "Arquivo de Testes HTML não encontrado !",
                                     "Arquivo de Testes HTML vazio !", "Arquivo TSH Corrompido!"};

int NumeroDeItens(qint64 registros, int quant, int maximo) {
  const qint64 n = std::min<qint64>({registros, static_cast<qint64>(quant), static_cast<qint64>(maximo)});
  return static_cast<int>(std::max<qint64>(n, 0));
}

SorteioSemRepeticao::SorteioSemRepeticao(qint64 total, files::Aleatorio& gerador)
    : total_(std::max<qint64>(total, 0)), gerador_(gerador) {
  while ((kNumerosFolha << niveis_) < total_) ++niveis_;
  if (niveis_ > 0) nos_.emplace_back();
  else folhas_.emplace_back();
}

qint64 SorteioSemRepeticao::Proximo() {
  if (vazio()) return 0;
  // The generator draws below 2^31; a larger rest draws among its first
  // 2^31 numbers.
  const int k = gerador_.Sorteia(static_cast<int>(std::min<qint64>(total_ - sorteados_, INT32_MAX)));
  ++sorteados_;
  return Marca(k) + 1;
}

qint64 SorteioSemRepeticao::Marcados(qint32 indice, bool folha) const {
  if (indice < 0) return 0;
  return folha ? folhas_[indice].marcados : nos_[indice].marcados;
}

qint64 SorteioSemRepeticao::Marca(qint64 k) {
  qint64 base = 0;
  qint64 faixa = kNumerosFolha << niveis_;  // numbers under the current node
  qint32 atual = 0;
  for (int nivel = niveis_; nivel > 0; --nivel) {
    const bool acimaDeFolhas = nivel == 1;
    ++nos_[atual].marcados;
    const qint64 metade = faixa / 2;
    const qint64 livresEsquerda = metade - Marcados(nos_[atual].filho[0], acimaDeFolhas);
    int lado = 0;
    if (k >= livresEsquerda) {
      k -= livresEsquerda;
      base += metade;
      lado = 1;
    }
    qint32 proximo = nos_[atual].filho[lado];
    if (proximo < 0) {
      if (acimaDeFolhas) {
        proximo = static_cast<qint32>(folhas_.size());
        folhas_.emplace_back();
      } else {
        proximo = static_cast<qint32>(nos_.size());
        nos_.emplace_back();
      }
      nos_[atual].filho[lado] = proximo;
    }
    atual = proximo;
    faixa = metade;
  }
  Folha& folha = folhas_[atual];
  ++folha.marcados;
  for (int p = 0; p < kPalavrasFolha; ++p) {
    quint64 livres = ~folha.bits[p];
    const int n = std::popcount(livres);
    if (k >= n) {
      k -= n;
      continue;
    }
    for (; k > 0; --k) livres &= livres - 1;  // drops the k lowest free bits
    const int bit = std::countr_zero(livres);
    folha.bits[p] |= quint64(1) << bit;
    return base + p * 64 + bit;
  }
  return base;  // not reached: k is below the numbers left
}

QString TextoFalha(const FormatoDados& formato, FalhaCarga falha, const QString& erroES) {
  switch (falha) {
    case FalhaCarga::Nenhuma: return {};
    case FalhaCarga::NaoEncontrado: return QString::fromUtf8(formato.naoEncontrado);
    case FalhaCarga::Vazio: return QString::fromUtf8(formato.vazio);
    case FalhaCarga::Corrompido: return QString::fromUtf8(formato.corrompido);
    case FalhaCarga::ErroES: return erroES;
  }
  return {};
}

Contagem ContaRegistros(const QString& caminho, int tamanho) {
  Contagem c;
  if (!files::ArquivoExiste(caminho)) {
    c.falha = FalhaCarga::NaoEncontrado;
    return c;
  }
  try {
    files::RecordFile f(tamanho);
    f.AbreLeitura(caminho);
    c.registros = f.Conta();
    f.Fecha();
  } catch (const std::exception& e) {
    c.falha = FalhaCarga::ErroES;
    c.erroES = QString::fromUtf8(e.what());
    return c;
  }
  if (c.registros == 0) c.falha = FalhaCarga::Vazio;
  else if (DadosGrandesDemais(c.registros, tamanho)) c.falha = FalhaCarga::Corrompido;
  return c;
}

FonteArquivo::FonteArquivo(const QString& caminho, int tamanho) : arquivo_(tamanho) {
  arquivo_.AbreLeitura(caminho);
  conta_ = arquivo_.Conta();
  // A file over the limit is refused unread: it is not even mapped.
  if (!DadosGrandesDemais(conta_, tamanho)) mapa_ = arquivo_.Mapeia();
}

FonteArquivo::~FonteArquivo() {
  try {
    if (arquivo_.aberto()) arquivo_.Fecha();
  } catch (...) {
  }
}

}  // namespace zelmo::regras
