// The programs' language: the application object that both programs use
// speaks Brazilian Portuguese whatever the machine's, in Qt's own dialogs
// and buttons and in its formats.
#include "platform/idioma.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/aplicacao.h"

namespace {

platform::Aplicacao& Programa() {
  static int argc = 1;
  static char nome[] = "idioma";
  static char* argv[] = {nome, nullptr};
  static auto* app = new platform::Aplicacao(argc, argv, QStringLiteral("Zelmo II"));
  return *app;
}

// The texts of a dialog's buttons, without their shortcut marks.
QStringList Botoes(const QWidget& dialogo) {
  QStringList textos;
  for (const QDialogButtonBox* caixa : dialogo.findChildren<QDialogButtonBox*>())
    for (const QAbstractButton* b : caixa->buttons()) textos << b->text().remove('&');
  return textos;
}

TEST(Idioma, BotoesDasCaixasDeMensagem) {
  Programa();
  // A plain message box, as Qt makes it: the words come from the translations.
  QMessageBox caixa(QMessageBox::Question, "t", "x",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
  const std::pair<QMessageBox::StandardButton, const char*> casos[] = {
      {QMessageBox::Yes, "Sim"}, {QMessageBox::No, "Não"}, {QMessageBox::Ok, "OK"},
      {QMessageBox::Cancel, "Cancelar"}};
  for (const auto& [botao, texto] : casos)
    EXPECT_EQ(caixa.button(botao)->text().remove('&').toStdString(), texto);
}

TEST(Idioma, DialogosDoQt) {
  Programa();
  QPrinter impressora;
  QPrintDialog imprimir(&impressora);
  QPageSetupDialog pagina(&impressora);
  QFileDialog abrir;
  abrir.setOption(QFileDialog::DontUseNativeDialog);
  abrir.setAcceptMode(QFileDialog::AcceptOpen);
  QFileDialog salvar;
  salvar.setOption(QFileDialog::DontUseNativeDialog);
  salvar.setAcceptMode(QFileDialog::AcceptSave);
  QFontDialog fonte;
  fonte.setOption(QFontDialog::DontUseNativeDialog);
  const struct {
    const QWidget* dialogo;
    QStringList botoes;
  } casos[] = {
      {&imprimir, {"Imprimir", "Cancelar"}},
      {&pagina, {"OK", "Cancelar"}},
      {&abrir, {"Abrir", "Cancelar"}},
      {&salvar, {"Salvar", "Cancelar"}},
      {&fonte, {"OK", "Cancelar"}},
  };
  for (const auto& c : casos) {
    const QStringList vistos = Botoes(*c.dialogo);
    SCOPED_TRACE(c.dialogo->metaObject()->className());
    for (const QString& b : c.botoes) EXPECT_TRUE(vistos.contains(b)) << vistos.join(", ").toStdString();
  }
  EXPECT_EQ(imprimir.windowTitle(), "Imprimir");
}

TEST(Idioma, FormatosBrasileiros) {
  Programa();
  const QLocale local;
  EXPECT_EQ(local.name(), "pt_BR");
  EXPECT_EQ(local.toString(QDate(2027, 1, 2), QLocale::ShortFormat), "02/01/2027");
  EXPECT_EQ(local.toString(12.5), "12,5");
}

}  // namespace
