// Locate on a picture: the labels in play, the duplicate rule, the judging of
// the targets press by press, the percentage and the report lines.
#include "player/activities/rules/local.h"

#include <gtest/gtest.h>

namespace {

using files::RegFigura;
using zelmo::regras::JogoLocal;

RegFigura Figura(const QString& nome, const QStringList& rotulos) {
  RegFigura f;
  f.Figura = nome;
  for (int k = 0; k < rotulos.size() && k < 6; ++k) f.Rotulo[k] = rotulos[k];
  f.Prepara();
  return f;
}

TEST(LocalRegras, LabelsBeforeTheFirstEmptyOne) {
  EXPECT_EQ(zelmo::regras::NumeroRotulos(Figura("a.jpg", {})), 0);
  EXPECT_EQ(zelmo::regras::NumeroRotulos(Figura("a.jpg", {"A", "B", "", "D"})), 2);
  EXPECT_EQ(zelmo::regras::NumeroRotulos(Figura("a.jpg", {"1", "2", "3", "4", "5", "6"})), 6);
}

TEST(LocalRegras, DuplicatesByTheLabelsJoined) {
  using zelmo::regras::FiguraDuplicada;
  EXPECT_TRUE(FiguraDuplicada(Figura("a.jpg", {"AB", "C"}), Figura("b.wmf", {"A", "BC"})));
  // Labels after the first empty one count too.
  EXPECT_FALSE(FiguraDuplicada(Figura("a.jpg", {"A", "", "X"}), Figura("a.jpg", {"A"})));
  EXPECT_FALSE(FiguraDuplicada(Figura("a.jpg", {"aorta"}), Figura("a.jpg", {"Aorta"})));
}

TEST(LocalRegras, JudgingPressByPress) {
  JogoLocal j({Figura("cor.jpg", {"Aorta", "Veia"}), Figura("pulmao.bmp", {"Traqueia"})});
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.K(), 2);
  QStringList erros;
  // An empty target: nothing counted.
  auto r = j.Julga({"Aorta", ""}, &erros);
  EXPECT_TRUE(r.incompleto);
  EXPECT_EQ(j.acertos() + j.erros(), 0);
  // The same option on both targets: each is judged against its own label.
  r = j.Julga({"Aorta", "Aorta"}, &erros);
  EXPECT_FALSE(r.completa);
  EXPECT_EQ(r.errados, QList<int>{2});
  EXPECT_EQ(erros, QStringList{"cor.jpg - Aorta"});
  // Right at the second press: the right target counts again.
  r = j.Julga({"Aorta", "Veia"}, &erros);
  EXPECT_TRUE(r.completa);
  EXPECT_EQ(j.acertos(), 3);
  EXPECT_EQ(j.erros(), 1);
  EXPECT_EQ(j.Porcentagem(), 0);
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.Porcentagem(), 50);
  EXPECT_FALSE(j.Proximo());
  EXPECT_EQ(j.Porcentagem(), 100);
  EXPECT_EQ(j.LinhasContagem(2),
            (QStringList{QString::fromUtf8("Quantidade de Figuras: 2 - Painéis Corretos: 3 - Painéis Errados: 1"),
                         "Atividade cumprida: 100 % - Consultas: 2"}));
}

TEST(LocalRegras, APictureWithoutLabelsIsDoneAtTheFirstPress) {
  JogoLocal j({Figura("vazia.jpg", {"", "Solto"})});
  ASSERT_TRUE(j.Proximo());
  EXPECT_EQ(j.K(), 0);
  const auto r = j.Julga({}, nullptr);
  EXPECT_TRUE(r.completa);
  EXPECT_EQ(j.acertos() + j.erros(), 0);
}

TEST(LocalRegras, PercentageOfPicturesDoneRoundsHalvesToEven) {
  const auto jogo = [](int n, int feitas) {
    QList<RegFigura> figuras;
    for (int k = 0; k < n; ++k) figuras << Figura("f.jpg", {QString::number(k)});
    JogoLocal j(figuras);
    for (int k = 0; k <= feitas; ++k) j.Proximo();
    return j.Porcentagem();
  };
  EXPECT_EQ(jogo(3, 1), 33);
  EXPECT_EQ(jogo(8, 1), 12);  // 12.5
  EXPECT_EQ(jogo(8, 3), 38);  // 37.5
}

}  // namespace
