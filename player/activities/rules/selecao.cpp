#include "player/activities/rules/selecao.h"

#include <algorithm>

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

SorteioSemRepeticao::SorteioSemRepeticao(qint64 total, files::Aleatorio& gerador) : gerador_(gerador) {
  restantes_.reserve(static_cast<qsizetype>(std::max<qint64>(total, 0)));
  for (qint64 i = 1; i <= total; ++i) restantes_.append(i);
}

qint64 SorteioSemRepeticao::Proximo() {
  if (restantes_.isEmpty()) return 0;
  // Files hold far fewer than 2^31 records of these sizes in practice; a
  // larger count still draws within range.
  const int k = gerador_.Sorteia(static_cast<int>(std::min<qsizetype>(restantes_.size(), INT32_MAX)));
  const qint64 n = restantes_[k];
  restantes_.removeAt(k);
  return n;
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
  return c;
}

FonteArquivo::FonteArquivo(const QString& caminho, int tamanho) : arquivo_(tamanho) {
  arquivo_.AbreLeitura(caminho);
}

FonteArquivo::~FonteArquivo() {
  try {
    if (arquivo_.aberto()) arquivo_.Fecha();
  } catch (...) {
  }
}

}  // namespace zelmo::regras
