// The road from the teacher's editors to the student's player: the words
// editor writes a words file, the page-list editor adds a hangman page that
// names it, and the player's own loading reads and verifies every record.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "authoring/editors/paginas.h"
#include "authoring/editors/palavras.h"
#include "comum.h"
#include "files/pastas.h"
#include "player/activities/rules/palavras.h"
#include "player/activities/rules/selecao.h"

#include "player/activities/forca.h"
#include "player/despachante.h"
#include "player/global.h"
#include "support/relogio_falso.h"

namespace {

using teste::EditoresTeste;

class CaminhoTeste : public EditoresTeste {};

TEST_F(CaminhoTeste, OsEditoresEscrevemUmAssuntoQueOJogadorLeEVerifica) {
  const QStringList palavras{"gato", "cachorro", "vaca", "cavalo", "galinha", "pato"};
  // 1. The words file, typed record by record, each new one after the last.
  pravo::ArqPalavras = Caminho(QStringLiteral("Animais.plv"));
  auto* pal = Editor<pravo::TfrmEditPal>("TfrmEditPal");
  pal->show();
  teste::Respondedor depois(1);
  for (int i = 0; i < palavras.size(); ++i) {
    if (i > 0) depois.Roda([&] { pal->btnInserir->click(); });
    pal->edtPalavra->setText(palavras[i]);
    pal->memDica->setPlainText(QStringLiteral("Um animal.\nO %1 é um bicho.").arg(i + 1));
  }
  EXPECT_TRUE(respondedor.Roda([&] { pal->btnSair->click(); }).empty());
  EXPECT_FALSE(pal->isVisible());

  // 2. The page list: a text page first, then the hangman page on that file
  //    with a sound, asking for 5 words at random with the hint always shown.
  Cria(QStringLiteral("abertura.rtf"));
  Cria(QStringLiteral("fundo.wav"));
  auto* ast = Editor<pravo::TfrmEditAst>("TfrmEditAst");
  ast->show();
  ast->cboTipo->setCurrentIndex(files::kTextoRTF);
  emit ast->cboTipo->activated(files::kTextoRTF);
  ast->cboArquivo->setCurrentIndex(ast->cboArquivo->findText(QStringLiteral("abertura.rtf")));
  depois.Roda([&] { ast->btnInserir->click(); });
  EXPECT_EQ(ast->lblPagina->text(), QStringLiteral("Página 2 de 2"));
  ast->cboTipo->setCurrentIndex(files::kForca);
  emit ast->cboTipo->activated(files::kForca);
  ast->cboArquivo->setCurrentIndex(ast->cboArquivo->findText(QStringLiteral("Animais.plv")));
  ast->cboSom->setCurrentIndex(ast->cboSom->findText(QStringLiteral("fundo.wav")));
  ast->rgpOrdem->DefineItemIndex(1);
  ast->rgpDica->DefineItemIndex(2);
  ast->chkSair->setChecked(false);
  EXPECT_TRUE(respondedor.Roda([&] { ast->btnSair->click(); }).empty());
  EXPECT_FALSE(ast->isVisible());

  // 3. The player's side: every record of both files opens read-only and
  //    verifies.
  files::RecordFile assunto(files::RegPagina::Tamanho);
  assunto.AbreLeitura(pravo::ArqAssunto);
  ASSERT_EQ(assunto.Conta(), 2);
  const auto texto = assunto.LeRegistro<files::RegPagina>(1);
  const auto forca = assunto.LeRegistro<files::RegPagina>(2);
  assunto.Fecha();
  EXPECT_TRUE(texto.Verifica());
  EXPECT_EQ(texto.Tipo, files::kTextoRTF);
  EXPECT_TRUE(forca.Verifica());
  EXPECT_EQ(forca.Tipo, files::kForca);
  EXPECT_EQ(forca.Arquivo, QStringLiteral("Animais.plv"));
  EXPECT_EQ(forca.Som, QStringLiteral("fundo.wav"));
  EXPECT_EQ(forca.Quant, 5);
  EXPECT_EQ(forca.Ordem, 1);
  EXPECT_EQ(forca.Dica, 2);
  EXPECT_FALSE(forca.Sair);
  EXPECT_TRUE(forca.Retorno && forca.Avanco);

  const QString arquivo = files::CaminhoNoAssunto(pravo::DirAssunto, forca.Arquivo);
  files::RecordFile dados(files::RegPalavra::Tamanho);
  dados.AbreLeitura(arquivo);
  ASSERT_EQ(dados.Conta(), palavras.size());
  for (qint64 n = 1; n <= dados.Conta(); ++n) {
    const auto r = dados.LeRegistro<files::RegPalavra>(n);
    EXPECT_TRUE(r.Verifica()) << n;
    EXPECT_EQ(r.Palavra, palavras[n - 1]);
    EXPECT_EQ(r.Dica(), QStringLiteral("Um animal.\r\nO %1 é um bicho.").arg(n));
  }
  dados.Fecha();

  // The hangman's own selection: 5 distinct words drawn at random, none
  // refused as corrupt.
  files::Aleatorio gerador(4321);
  const auto carga = zelmo::regras::SelecionaDoArquivo<files::RegPalavra>(
      arquivo, zelmo::regras::NumeroDeItens(palavras.size(), forca.Quant), forca.Ordem != 0, gerador,
      zelmo::regras::RegrasPalavras());
  EXPECT_EQ(carga.falha, zelmo::regras::FalhaCarga::Nenhuma);
  ASSERT_EQ(carga.itens.size(), 5);
  for (const auto& r : carga.itens) EXPECT_TRUE(palavras.contains(r.Palavra, Qt::CaseInsensitive));

  // 4. The hangman window itself loads the page: five words on the board,
  //    the hint always shown, and the program not told to end.
  zelmo::ReiniciaGlobais();
  zelmo::ReiniciaEncerramento();
  apoio::RelogioFalso relogio;
  zelmo::Relogio = &relogio;
  zelmo::DirPrograma = pravo::DirPrograma;
  zelmo::DirAssunto = pravo::DirAssunto;
  zelmo::AtividadeAtual = forca;
  {
    zelmo::TfrmForca janela;
    janela.show();
    janela.FormActivate();
    EXPECT_FALSE(zelmo::ProgramaEncerrando());
    ASSERT_NE(janela.forca(), nullptr);
    EXPECT_EQ(janela.forca()->N(), 5);
    EXPECT_EQ(janela.lblRodada->text(), QStringLiteral("Palavra 1 de 5"));
    const QString palavra = janela.forca()->palavra();
    EXPECT_TRUE(palavras.contains(palavra, Qt::CaseInsensitive)) << palavra.toStdString();
    EXPECT_TRUE(janela.memDica->toPlainText().contains(QStringLiteral("é um bicho.")));
    janela.QDialog::hide();
  }
  zelmo::ReiniciaGlobais();
  zelmo::ReiniciaEncerramento();
}

}  // namespace
