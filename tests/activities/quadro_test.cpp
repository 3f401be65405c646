// The messages every activity window shows the same way, and the frame of
// its report block.
#include <gtest/gtest.h>

#include "player/activities/rules/quadro.h"

namespace {

using namespace zelmo::regras;

QString U(const char* s) { return QString::fromUtf8(s); }

TEST(MensagensDoQuadro, ProximaInBothVariants) {
  struct Caso { VarianteProxima v; int p; int e; QStringList linhas; };
  const Caso casos[] = {
      {VarianteProxima::Primeira, 40, 2,
       {"", U("Você completou 40% desta atividade, mas teve 2 erro(s)."), "Continue estudando!"}},
      {VarianteProxima::Primeira, 40, 0, {"", U("Parabéns!"), U("Você acertou 40% desta atividade.")}},
      {VarianteProxima::Primeira, 0, 0, {"", U("Não deixe de resolver"), "as atividades propostas."}},
      // An error with P 0 still takes the error branch.
      {VarianteProxima::Primeira, 0, 1,
       {"", U("Você completou 0% desta atividade, mas teve 1 erro(s)."), "Continue estudando!"}},
      // The second variant has no error branch.
      {VarianteProxima::Segunda, 67, 3, {"", U("Parabéns!"), U("Você completou 67% desta atividade.")}},
      {VarianteProxima::Segunda, 0, 3, {"", U("Não deixe de resolver"), "as atividades propostas."}},
  };
  for (const Caso& c : casos) EXPECT_EQ(MensagemProxima(c.v, c.p, c.e), c.linhas) << c.p << " " << c.e;
}

TEST(MensagensDoQuadro, BelowTheMinimumAndLeaving) {
  EXPECT_EQ(MensagemFaltaPorcentagem(70, 40),
            (QStringList{U("Para seguir em frente é necessário completar 70% desta atividade."),
                         U("Você completou apenas 40%.")}));
  EXPECT_TRUE(PodeAvancar(0, 0));
  EXPECT_TRUE(PodeAvancar(70, 70));
  EXPECT_FALSE(PodeAvancar(69, 70));
  EXPECT_EQ(MensagemSair(), (QStringList{U("Você está encerrando antes de cumprir todas as atividades !"),
                                         U("Não desista !"), "Tente novamente."}));
  EXPECT_EQ(U(kPerguntaSair), U("Você quer realmente sair do Zelmo II ?"));
  EXPECT_EQ(U(kTituloPergunta), U("Atenção!"));
}

TEST(MensagensDoQuadro, CompletionInItsThreeVariants) {
  struct Caso { VarianteConclusao v; int e; QStringList linhas; };
  const QStringList cem{"", U("Parabéns!"), U("Você acertou 100% desta atividade.")};
  const Caso casos[] = {
      {VarianteConclusao::Primeira, 1, {U("Você completou esta atividade, mas teve 1 erro(s)."), "Continue estudando!"}},
      {VarianteConclusao::Primeira, 0, cem},
      {VarianteConclusao::Segunda, 4,
       {"", U("Você completou esta atividade, mas teve 4 erro(s)."), "Continue estudando!"}},
      {VarianteConclusao::Segunda, 0, cem},
      {VarianteConclusao::Rodadas, 7, {"", U("Parabéns !"), U("Você completou esta atividade.")}},
      {VarianteConclusao::Rodadas, 0, {"", U("Parabéns !"), U("Você completou esta atividade.")}},
  };
  for (const Caso& c : casos) EXPECT_EQ(MensagemConclusao(c.v, c.e), c.linhas) << c.e;
}

TEST(BlocoRelatorio, HeaderOnlyWithTheErrorConditionButTheListAlways) {
  const QStringList contagem{"linha 1", "linha 2"};
  EXPECT_EQ(BlocoRelatorio("JOGO DA FORCA", contagem, true, U("Palavras não descobertas:"), {"AORTA", "VEIA"}),
            (QStringList{"", "*** JOGO DA FORCA ***", "linha 1", "linha 2", U("Palavras não descobertas:"), "AORTA",
                         "VEIA"}));
  EXPECT_EQ(BlocoRelatorio("TESTES", contagem, false, "Testes incorretos:", {U(kLinhaEncerrado)}),
            (QStringList{"", "*** TESTES ***", "linha 1", "linha 2",
                         "Zelmo II encerrado antes do final das atividades"}));
}

}  // namespace
