#include "player/activities/rules/quadro.h"

#include <algorithm>

namespace zelmo::regras {

namespace {
QString N(int n) { return QString::number(n); }
}  // namespace

void LimitaPagina(files::RegPagina& pagina) {
  pagina.Rodadas = std::clamp(pagina.Rodadas, files::kRodadasMinimo, files::kRodadasMaximo);
  pagina.Quant = std::clamp(pagina.Quant, files::kQuantMinimo, files::kQuantMaximo);
}

QString LinhaCumprida(int p, int consultas) {
  return "Atividade cumprida: " + N(p) + " % - Consultas: " + N(consultas);
}

QStringList MensagemFaltaPorcentagem(int porcent, int p) {
  return {QString::fromUtf8("Para seguir em frente é necessário completar ") + N(porcent) +
              QString::fromUtf8("% desta atividade."),
          QString::fromUtf8("Você completou apenas ") + N(p) + "%."};
}

QStringList MensagemProxima(VarianteProxima variante, int p, int e) {
  if (variante == VarianteProxima::Primeira && e > 0)
    return {QString(),
            QString::fromUtf8("Você completou ") + N(p) + "% desta atividade, mas teve " + N(e) + " erro(s).",
            "Continue estudando!"};
  if (p > 0) {
    const char* verbo = variante == VarianteProxima::Primeira ? "Você acertou " : "Você completou ";
    return {QString(), QString::fromUtf8("Parabéns!"), QString::fromUtf8(verbo) + N(p) + "% desta atividade."};
  }
  return {QString(), QString::fromUtf8("Não deixe de resolver"), "as atividades propostas."};
}

QStringList MensagemSair() {
  return {QString::fromUtf8("Você está encerrando antes de cumprir todas as atividades !"),
          QString::fromUtf8("Não desista !"), "Tente novamente."};
}

QStringList MensagemConclusao(VarianteConclusao variante, int e) {
  if (variante == VarianteConclusao::Rodadas)
    return {QString(), QString::fromUtf8("Parabéns !"), QString::fromUtf8("Você completou esta atividade.")};
  if (e > 0) {
    QStringList linhas{QString::fromUtf8("Você completou esta atividade, mas teve ") + N(e) + " erro(s).",
                       "Continue estudando!"};
    if (variante == VarianteConclusao::Segunda) linhas.prepend(QString());
    return linhas;
  }
  return {QString(), QString::fromUtf8("Parabéns!"), QString::fromUtf8("Você acertou 100% desta atividade.")};
}

QStringList BlocoRelatorio(const QString& titulo, const QStringList& contagem, bool condicaoErro,
                           const QString& cabecalho, const QStringList& listaErros) {
  QStringList bloco{QString(), "*** " + titulo + " ***"};
  bloco += contagem;
  if (condicaoErro) bloco.append(cabecalho);
  bloco += listaErros;
  return bloco;
}

}  // namespace zelmo::regras
