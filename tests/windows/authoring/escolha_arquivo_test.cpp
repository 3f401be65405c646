// The authoring file lists: how a stored name is shown and what storing
// writes back, in the hypertext dialogs and in the record editors.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "authoring/escolha_arquivo.h"
#include "support/aplicacao.h"

namespace {

using pravo::EscolhaArquivo;
using Guarda = EscolhaArquivo::Guarda;

const QStringList kNomes{"a.bmp", "B.jpg", "b.jpg"};

TEST(EscolhaArquivo, AStoredNameIsShownAndWrittenBackAsEachKindOfWindowKeepsIt) {
  apoio::Aplicacao();
  struct Caso {
    Guarda guarda;
    const char* guardado;
    int indice;
    const char* escolhido;
    const char* cinza;  // shown greyed
  } casos[] = {
      {Guarda::Pagina, "", -1, "", ""},
      {Guarda::Pagina, "B.JPG", 3, "b.jpg", ""},
      {Guarda::Pagina, "sumiu.bmp", -1, "sumiu.bmp", ""},
      {Guarda::Pagina, "../fora.bmp", -1, "../fora.bmp", ""},
      {Guarda::Registro, "", 0, "", ""},
      {Guarda::Registro, "B.JPG", 3, "b.jpg", ""},
      {Guarda::Registro, "sumiu.bmp", -1, "sumiu.bmp", "sumiu.bmp"},
      {Guarda::Registro, "../fora.bmp", -1, "", ""},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.guarda == Guarda::Pagina ? "pagina " : "registro ") + c.guardado);
    EscolhaArquivo lista(c.guarda);
    lista.Preenche(kNomes);
    EXPECT_EQ(lista.itemText(0), " nenhum ");
    EXPECT_EQ(lista.currentIndex(), -1);
    lista.Mostra(QString::fromLatin1(c.guardado));
    EXPECT_EQ(lista.currentIndex(), c.indice);
    EXPECT_EQ(lista.Escolhido(), QString::fromLatin1(c.escolhido));
    EXPECT_EQ(lista.placeholderText(), QString::fromLatin1(c.cinza));
    // The author's choice replaces the kept name.
    int escolhas = 0;
    QObject::connect(&lista, &EscolhaArquivo::escolhida, [&] { ++escolhas; });
    lista.setCurrentIndex(0);
    emit lista.activated(0);
    EXPECT_EQ(escolhas, 1);
    EXPECT_EQ(lista.Escolhido(), "");
    EXPECT_EQ(lista.placeholderText(), "");
    lista.setCurrentIndex(-1);
    EXPECT_EQ(lista.Escolhido(), "");
  }
}

TEST(EscolhaArquivo, TheHypertextDialogsRememberTheNameEvenWhenItWasFound) {
  apoio::Aplicacao();
  EscolhaArquivo lista(Guarda::Pagina);
  lista.Preenche(kNomes);
  lista.Mostra("a.bmp");
  lista.setCurrentIndex(-1);  // a picture that could not be read
  EXPECT_EQ(lista.Escolhido(), "a.bmp");
  lista.Limpa();
  EXPECT_EQ(lista.Escolhido(), "");
  lista.Mostra("a.bmp");
  lista.Preenche(kNomes);
  EXPECT_EQ(lista.Escolhido(), "");
}

TEST(EscolhaArquivo, AListWithAnEditFieldShowsTheKeptNameThereUntilTheAuthorTypes) {
  apoio::Aplicacao();
  EscolhaArquivo lista(Guarda::Registro, nullptr, /*editavel=*/true);
  ASSERT_NE(lista.lineEdit(), nullptr);
  lista.Preenche(kNomes);
  lista.Mostra("sumiu.htm");
  EXPECT_EQ(lista.currentText(), "sumiu.htm");
  EXPECT_EQ(lista.placeholderText(), "");
  EXPECT_EQ(lista.Escolhido(), "sumiu.htm");
  emit lista.lineEdit()->textEdited("sumiu.ht");
  EXPECT_EQ(lista.Escolhido(), "");
  // An entry counts only while its own text is in the field.
  lista.setCurrentIndex(1);
  EXPECT_TRUE(lista.TemEntrada());
  EXPECT_EQ(lista.Escolhido(), "a.bmp");
  lista.setEditText("a.bm");
  EXPECT_FALSE(lista.TemEntrada());
  EXPECT_EQ(lista.Escolhido(), "");
  lista.Limpa();
  EXPECT_EQ(lista.currentText(), "");
}

}  // namespace
