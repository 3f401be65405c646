// The record-editor frame, through the words editor and the page-list
// editor: opening or creating the file, the label, the moves, inserting,
// deleting, closing with the minimum warning, and failing files.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include "authoring/editors/frases.h"
#include "authoring/editors/paginas.h"
#include "authoring/editors/palavras.h"
#include "authoring/editors/testes.h"
#include "comum.h"
#include "support/disco_cheio.h"
#include "support/disco_pequeno.h"

#include <sys/stat.h>

namespace {

using teste::Caixa;
using teste::EditoresTeste;
using teste::Palavra;

// The file that a name leads to now.
ino_t Inode(const QString& caminho) {
  struct stat st {};
  return ::stat(QFile::encodeName(caminho).constData(), &st) == 0 ? st.st_ino : 0;
}

const QString kAvisoPalavras = QStringLiteral(
    "Para quer as Atividades funcionem corretamente,\né necessário um Mínimo de 5 Palavras.");

class QuadroTeste : public EditoresTeste {
 protected:
  // A words file of n records "p1" ... "pn" with the hints "dica i".
  void PalavrasDe(int n) {
    pravo::ArqPalavras = Caminho(QStringLiteral("lista.plv"));
    std::vector<QByteArray> r;
    for (int i = 1; i <= n; ++i)
      r.push_back(Palavra(QStringLiteral("p%1").arg(i), QStringLiteral("dica %1").arg(i)).ParaBytes());
    Cria(QStringLiteral("lista.plv"), teste::Arquivo(r));
  }
  pravo::TfrmEditPal* AbrePalavras() {
    auto* frm = Editor<pravo::TfrmEditPal>("TfrmEditPal");
    frm->show();
    return frm;
  }
  QStringList Palavras() {
    QStringList r;
    for (const auto& p : teste::Registros<files::RegPalavra>(pravo::ArqPalavras)) r << p.Palavra;
    return r;
  }
};

TEST_F(QuadroTeste, OsEditoresSaoCriadosUmaVezNaOrdemDoSplash) {
  EXPECT_NE(Editor<pravo::TfrmEditAst>("TfrmEditAst"), nullptr);
  EXPECT_NE(Editor<pravo::TfrmEditPal>("TfrmEditPal"), nullptr);
  EXPECT_NE(Editor<pravo::TfrmEditFra>("TfrmEditFra"), nullptr);
  EXPECT_NE(Editor<pravo::TfrmEditTst>("TfrmEditTst"), nullptr);
  // Every editor asks the one insert dialog, so its choice is shared.
  EXPECT_EQ(pravo::TfrmInserir::Instancia(), pravo::Janela(QStringLiteral("TfrmInserir")));
  EXPECT_EQ(pravo::Janela(QStringLiteral("TfrmEditAst"))->objectName(), QStringLiteral("frmEditAst"));
  const QSize inserir = pravo::TfrmInserir::Instancia()->size();
  EXPECT_EQ(inserir, QSize(193, 91));
  EXPECT_FALSE(pravo::TfrmInserir::Instancia()->Depois());
}

TEST_F(QuadroTeste, UmNovoArquivoGanhaUmRegistroEmBrancoDeUmaVez) {
  auto* frm = Editor<pravo::TfrmEditAst>("TfrmEditAst");
  ASSERT_FALSE(QFileInfo::exists(pravo::ArqAssunto));
  frm->show();
  EXPECT_EQ(frm->windowTitle(), QStringLiteral("Pravo - assunto.ast"));
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Página 1 de 1"));
  const QByteArray bytes = Bytes(QStringLiteral("assunto.ast"));
  ASSERT_EQ(bytes.size(), 800);
  files::RegPagina branco;
  branco.Prepara();
  EXPECT_EQ(bytes, branco.ParaBytes());
  EXPECT_EQ(files::RegPagina::DeBytes(bytes).Tipo, -1);
  // The editor fills the whole screen.
  EXPECT_EQ(frm->size(), QSize(640, 480));
  EXPECT_FALSE(frm->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(QuadroTeste, EmQualquerTelaOsEditoresCabemNelaComTodosOsBotoes) {
  // A screen wider than 4:3 must not push the row of buttons (and "Sair",
  // the only way out) below the screen's bottom.
  const platform::Tela telas[] = {{640, 480, 120}, {1366, 768, 96}, {1920, 1080, 96}, {1280, 1024, 96}};
  for (const platform::Tela& tela : telas) {
    SCOPED_TRACE(std::to_string(tela.largura) + "x" + std::to_string(tela.altura));
    platform::DefineTela(tela);
    pravo::TfrmEditAst paginas;
    pravo::TfrmEditPal palavras;
    pravo::TfrmEditFra frases;
    pravo::TfrmEditTst testes;
    for (pravo::EditorRegistros* frm :
         std::initializer_list<pravo::EditorRegistros*>{&paginas, &palavras, &frases, &testes}) {
      EXPECT_EQ(frm->size(), QSize(tela.largura, tela.altura)) << frm->objectName().toStdString();
      for (QWidget* w : frm->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(frm->rect().contains(w->geometry()))
            << frm->objectName().toStdString() << " " << w->objectName().toStdString();
    }
  }
}

TEST_F(QuadroTeste, OsMovimentosGravamAoSairEParadosNasPontasNaoGravamNada) {
  PalavrasDe(3);
  auto* frm = AbrePalavras();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 3"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p1"));

  // At the first record "Anterior" and "Primeira" store nothing.
  frm->edtPalavra->setText(QStringLiteral("mudada"));
  const QByteArray antes = Bytes(QStringLiteral("lista.plv"));
  respondedor.Roda([&] { frm->btnAnterior->click(); });
  respondedor.Roda([&] { frm->btnPrimeira->click(); });
  EXPECT_EQ(Bytes(QStringLiteral("lista.plv")), antes);
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 3"));

  // Leaving by "Próxima" stores the record left.
  frm->btnProxima->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 3"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p2"));
  EXPECT_EQ(Palavras(), (QStringList{"mudada", "p2", "p3"}));
  EXPECT_EQ(frm->focusWidget(), frm->edtPalavra);
  EXPECT_FALSE(frm->edtPalavra->hasSelectedText());

  frm->btnUltima->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 3 de 3"));
  frm->edtPalavra->setText(QStringLiteral("outra"));
  const QByteArray noFim = Bytes(QStringLiteral("lista.plv"));
  frm->btnProxima->click();
  frm->btnUltima->click();
  EXPECT_EQ(Bytes(QStringLiteral("lista.plv")), noFim);

  frm->btnPrimeira->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 3"));
  EXPECT_EQ(Palavras(), (QStringList{"mudada", "p2", "outra"}));
  frm->btnAnterior->click();
  EXPECT_EQ(frm->RegistroAtual(), 1);
  // Every stored record carries its check text.
  for (const auto& p : teste::Registros<files::RegPalavra>(pravo::ArqPalavras)) EXPECT_TRUE(p.Verifica());
}

TEST_F(QuadroTeste, UmRegistroRecusadoNaoSaiDoLugarNemEGravado) {
  PalavrasDe(2);
  auto* frm = AbrePalavras();
  frm->edtPalavra->setText(QStringLiteral("   "));
  const QByteArray antes = Bytes(QStringLiteral("lista.plv"));
  for (QPushButton* b : {frm->btnProxima, frm->btnUltima, frm->btnInserir}) {
    const auto caixas = respondedor.Roda([&] { b->click(); });
    ASSERT_EQ(caixas.size(), 1u) << b->objectName().toStdString();
    EXPECT_EQ(caixas[0].texto, QStringLiteral("O campo \"Palavra\" está vazio !"));
    EXPECT_EQ(caixas[0].titulo, QStringLiteral("Atenção !"));
  }
  EXPECT_EQ(respondedor.insercoes(), 0);
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 2"));
  EXPECT_EQ(Bytes(QStringLiteral("lista.plv")), antes);
  // Nor can the window close.
  respondedor.Roda([&] { frm->btnSair->click(); });
  EXPECT_TRUE(frm->isVisible());
  respondedor.Roda([&] { frm->reject(); });
  EXPECT_TRUE(frm->isVisible());
}

TEST_F(QuadroTeste, InserirDepoisDoUltimoEAntesDoPrimeiro) {
  PalavrasDe(3);
  auto* frm = AbrePalavras();
  frm->btnUltima->click();
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(depois.insercoes(), 1);
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 4 de 4"));
  EXPECT_EQ(Palavras(), (QStringList{"p1", "p2", "p3", ""}));
  EXPECT_TRUE(frm->edtPalavra->text().isEmpty());
  EXPECT_EQ(frm->focusWidget(), frm->edtPalavra);

  frm->edtPalavra->setText(QStringLiteral("p4"));
  frm->memDica->DefineTexto(QStringLiteral("dica 4"));
  frm->btnPrimeira->click();
  // The choice stays as the author left it: the next insertion also goes after.
  EXPECT_TRUE(pravo::TfrmInserir::Instancia()->Depois());
  teste::Respondedor comoEsta;
  comoEsta.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 5"));
  EXPECT_EQ(Palavras(), (QStringList{"p1", "", "p2", "p3", "p4"}));
  frm->btnDeletar->click();

  teste::Respondedor antes(0);
  frm->btnPrimeira->click();
  antes.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 5"));
  EXPECT_EQ(Palavras(), (QStringList{"", "p1", "p2", "p3", "p4"}));
  EXPECT_EQ(frm->NumRegistros(), 5);
}

TEST_F(QuadroTeste, DeletarMostraUmVizinhoOuUmNovoRegistroEmBranco) {
  PalavrasDe(3);
  auto* frm = AbrePalavras();
  frm->btnProxima->click();
  // No Valida and no question: a refused record goes too.
  frm->edtPalavra->clear();
  const auto caixas = respondedor.Roda([&] { frm->btnDeletar->click(); });
  EXPECT_TRUE(caixas.empty());
  EXPECT_EQ(Palavras(), (QStringList{"p1", "p3"}));
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 2"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p3"));
  // The last record: its neighbour before it is shown.
  frm->btnDeletar->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 1"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p1"));
  // The only record: one blank record is left.
  frm->btnDeletar->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 1"));
  files::RegPalavra branco;
  branco.Prepara();
  EXPECT_EQ(Bytes(QStringLiteral("lista.plv")), branco.ParaBytes());
  EXPECT_EQ(frm->NumRegistros(), 1);
}

TEST_F(QuadroTeste, FecharComMenosDeCincoRegistrosAvisaEFechaAssimMesmo) {
  PalavrasDe(4);
  auto* frm = AbrePalavras();
  frm->edtPalavra->setText(QStringLiteral("quarta"));
  frm->btnUltima->click();
  auto caixas = respondedor.Roda([&] { frm->btnSair->click(); });
  ASSERT_EQ(caixas.size(), 1u);
  EXPECT_EQ(caixas[0].texto, kAvisoPalavras);
  EXPECT_EQ(caixas[0].titulo, QStringLiteral("Atenção !"));
  EXPECT_FALSE(frm->isVisible());
  EXPECT_FALSE(pravo::DadosPalavras.aberto());
  EXPECT_EQ(Palavras(), (QStringList{"quarta", "p2", "p3", "p4"}));

  // Each showing opens the file again on record 1; with 5 records no warning.
  frm->show();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 1 de 4"));
  frm->btnUltima->click();
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  frm->edtPalavra->setText(QStringLiteral("p5"));
  frm->memDica->DefineTexto(QStringLiteral("dica"));
  caixas = respondedor.Roda([&] { frm->close(); });
  EXPECT_TRUE(caixas.empty());
  EXPECT_FALSE(frm->isVisible());
  EXPECT_EQ(Palavras().size(), 5);
}

struct CasoAviso {
  const char* classe;
  const char* extensao;
  const char* aviso;  // empty: none
};

class AvisoMinimoTeste : public EditoresTeste, public ::testing::WithParamInterface<CasoAviso> {};

TEST_P(AvisoMinimoTeste, SoOsEditoresDePalavrasFrasesETestesAvisam) {
  const CasoAviso caso = GetParam();
  const QString nome = QStringLiteral("dados.") + QString::fromLatin1(caso.extensao);
  // One storable record, of the editor's own kind.
  QByteArray um;
  if (caso.extensao == std::string("plv")) {
    um = Palavra(QStringLiteral("casa"), QStringLiteral("onde se mora")).ParaBytes();
    pravo::ArqPalavras = Caminho(nome);
  } else if (caso.extensao == std::string("ast")) {
    Cria(QStringLiteral("texto.rtf"));
    files::RegPagina p;
    p.Tipo = 0;
    p.Arquivo = QStringLiteral("texto.rtf");
    p.Prepara();
    um = p.ParaBytes();
    pravo::ArqAssunto = Caminho(nome);
  } else {
    files::RegFrase f;
    f.DefineTexto(QStringLiteral("O céu é _ ."));
    f.Correta = QStringLiteral("azul");
    f.Errada1 = QStringLiteral("verde");
    f.Errada2 = QStringLiteral("roxo");
    f.Errada3 = QStringLiteral("cinza");
    f.Prepara();
    um = f.ParaBytes();
    (caso.extensao == std::string("fse") ? pravo::ArqFrases : pravo::ArqTestes) = Caminho(nome);
  }
  Cria(nome, um + um + um + um);
  QDialog* frm = pravo::Janela(QString::fromLatin1(caso.classe));
  frm->show();
  const auto caixas = respondedor.Roda([&] { frm->close(); });
  EXPECT_FALSE(frm->isVisible());
  if (*caso.aviso) {
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_EQ(caixas[0].texto, QString::fromUtf8(caso.aviso));
  } else {
    EXPECT_TRUE(caixas.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Editores, AvisoMinimoTeste,
    ::testing::Values(
        CasoAviso{"TfrmEditPal", "plv",
                  "Para quer as Atividades funcionem corretamente,\né necessário um Mínimo de 5 Palavras."},
        CasoAviso{"TfrmEditFra", "fse",
                  "Para quer as Atividades funcionem corretamente,\né necessário um Mínimo de 5 Frases."},
        CasoAviso{"TfrmEditTst", "tst",
                  "Para quer as Atividades funcionem corretamente,\né necessário um Mínimo de 5 Testes."},
        CasoAviso{"TfrmEditAst", "ast", ""}),
    [](const auto& info) { return std::string(info.param.classe); });

// ---- files that cannot be opened or written -----------------------------------

TEST_F(QuadroTeste, UmArquivoQueNaoPodeSerAbertoERelatadoEOEditorFecha) {
  // A folder where the file should be, and a folder that does not exist.
  Cria(QStringLiteral("pasta.plv/dentro"));
  for (const QString& caminho : {Caminho(QStringLiteral("pasta.plv")),
                                 Caminho(QStringLiteral("nao/existe/lista.plv"))}) {
    pravo::ArqPalavras = caminho;
    auto* frm = Editor<pravo::TfrmEditPal>("TfrmEditPal");
    std::vector<Caixa> caixas = respondedor.Roda([&] {
      frm->show();
      apoio::Espera([&] { return !frm->isVisible(); }, 3000);
    });
    ASSERT_EQ(caixas.size(), 1u) << caminho.toStdString();
    EXPECT_EQ(caixas[0].titulo, QStringLiteral("Pravo II"));
    EXPECT_TRUE(caixas[0].texto == "Access denied" || caixas[0].texto == "File not found")
        << caixas[0].texto.toStdString();
    EXPECT_FALSE(frm->isVisible());
    EXPECT_FALSE(pravo::DadosPalavras.aberto());
  }
  EXPECT_FALSE(QFileInfo::exists(Caminho(QStringLiteral("nao"))));
}

TEST_F(QuadroTeste, UmDiscoCheioERelatadoSemFingirQueGravou) {
  pravo::ArqPalavras = Caminho(QStringLiteral("cheio.plv"));
  auto* frm = Editor<pravo::TfrmEditPal>("TfrmEditPal");
  const auto caixas = respondedor.Roda([&] {
    apoio::DiscoCheio cheio(0);
    frm->show();
    apoio::Espera([&] { return !frm->isVisible(); }, 3000);
  });
  ASSERT_EQ(caixas.size(), 1u);
  EXPECT_EQ(caixas[0].texto, QStringLiteral("Disk full"));
  EXPECT_FALSE(frm->isVisible());
}

TEST_F(QuadroTeste, UmaGravacaoQueFalhaNoMeioNaoPerdeNadaDoQueJaEstaGravado) {
  PalavrasDe(3);
  auto* frm = AbrePalavras();
  frm->btnProxima->click();
  const QByteArray gravado = Bytes(QStringLiteral("lista.plv"));
  // The file goes away under the editor (a removed medium, a lost share).
  pravo::DadosPalavras.Fecha();
  frm->edtPalavra->setText(QStringLiteral("nova"));
  auto caixas = respondedor.Roda([&] { frm->btnProxima->click(); });
  ASSERT_EQ(caixas.size(), 1u);
  EXPECT_EQ(caixas[0].titulo, QStringLiteral("Pravo II"));
  // The move stopped where it failed: the author is still on record 2.
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 3"));
  EXPECT_EQ(frm->RegistroAtual(), 2);
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("nova"));
  // Closing reports the failure too, and the window does not hold the author.
  caixas = respondedor.Roda([&] { frm->btnSair->click(); });
  EXPECT_EQ(teste::Textos(caixas).back(), QStringLiteral("File not open"));
  EXPECT_FALSE(frm->isVisible());
  EXPECT_EQ(Bytes(QStringLiteral("lista.plv")), gravado);
}

// ---- inserting and deleting put a new file in the old one's place ------------

TEST_F(QuadroTeste, DepoisDeInserirEDeletarOEditorSegueNoArquivoNovo) {
  PalavrasDe(3);
  auto* frm = AbrePalavras();
  const ino_t primeiro = Inode(pravo::ArqPalavras);
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 4"));
  const ino_t segundo = Inode(pravo::ArqPalavras);
  EXPECT_NE(segundo, primeiro);
  // Every later store and read goes to the new file.
  frm->edtPalavra->setText(QStringLiteral("nova"));
  frm->memDica->DefineTexto(QStringLiteral("dica nova"));
  frm->btnProxima->click();
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p2"));
  EXPECT_EQ(Palavras(), (QStringList{"p1", "nova", "p2", "p3"}));
  frm->edtPalavra->setText(QStringLiteral("p2b"));
  frm->btnAnterior->click();
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("nova"));
  EXPECT_EQ(Palavras(), (QStringList{"p1", "nova", "p2b", "p3"}));

  frm->btnDeletar->click();
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 3"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p2b"));
  EXPECT_NE(Inode(pravo::ArqPalavras), segundo);
  EXPECT_EQ(Palavras(), (QStringList{"p1", "p2b", "p3"}));

  teste::Respondedor antes(0);
  antes.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 4"));
  frm->edtPalavra->setText(QStringLiteral("outra"));
  frm->memDica->DefineTexto(QStringLiteral("dica outra"));
  frm->btnUltima->click();
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p3"));
  respondedor.Roda([&] { frm->btnSair->click(); });  // the minimum warning
  EXPECT_FALSE(frm->isVisible());
  EXPECT_FALSE(pravo::DadosPalavras.aberto());
  EXPECT_EQ(Palavras(), (QStringList{"p1", "outra", "p2b", "p3"}));
  EXPECT_EQ(QDir(pravo::DirAssunto).entryList(QDir::Files | QDir::Hidden), QStringList{"lista.plv"});
}

// On a disk with no room for the new file, "Inserir" and "Deletar" report
// "Disk full" and leave the file and the editor as they were: the author is
// still on the record, which stays stored, and goes on once there is room.
TEST_F(QuadroTeste, NumDiscoCheioInserirEDeletarNaoMudamNada) {
  apoio::DiscoPequeno disco(128);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  pravo::DirAssunto = disco.caminho();
  pravo::ArqPalavras = disco.caminho() + QStringLiteral("lista.plv");
  {
    std::vector<QByteArray> r;
    for (int i = 1; i <= 3; ++i)
      r.push_back(Palavra(QStringLiteral("p%1").arg(i), QStringLiteral("dica %1").arg(i)).ParaBytes());
    QFile f(pravo::ArqPalavras);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(teste::Arquivo(r));
  }
  auto* frm = AbrePalavras();
  frm->btnProxima->click();
  frm->edtPalavra->setText(QStringLiteral("mudada"));
  disco.Enche();
  auto lido = [&] {
    QFile f(pravo::ArqPalavras);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  auto caixas = respondedor.Roda([&] { frm->btnInserir->click(); });
  ASSERT_EQ(teste::Textos(caixas), std::vector<QString>{"Disk full"});
  EXPECT_EQ(caixas[0].titulo, QStringLiteral("Pravo II"));
  // The record left was stored in place before the insert was tried.
  const QByteArray guardado = lido();
  EXPECT_EQ(Palavras(), (QStringList{"p1", "mudada", "p3"}));
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 3"));
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("mudada"));
  EXPECT_EQ(frm->memDica->Texto(), QStringLiteral("dica 2"));

  caixas = respondedor.Roda([&] { frm->btnDeletar->click(); });
  ASSERT_EQ(teste::Textos(caixas), std::vector<QString>{"Disk full"});
  EXPECT_EQ(lido(), guardado);
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 2 de 3"));
  frm->btnProxima->click();
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("p3"));
  EXPECT_EQ(lido(), guardado);
  EXPECT_EQ(QDir(disco.caminho()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"enchimento", "lista.plv"}));

  disco.Esvazia();
  teste::Respondedor depois(1);
  depois.Roda([&] { frm->btnInserir->click(); });
  EXPECT_EQ(frm->lblPagina->text(), QStringLiteral("Palavra 4 de 4"));
  frm->edtPalavra->setText(QStringLiteral("p4"));
  frm->memDica->DefineTexto(QStringLiteral("dica 4"));
  frm->btnPrimeira->click();
  frm->btnDeletar->click();
  EXPECT_EQ(frm->edtPalavra->text(), QStringLiteral("mudada"));
  respondedor.Roda([&] { frm->btnSair->click(); });
  EXPECT_EQ(Palavras(), (QStringList{"mudada", "p3", "p4"}));
}

}  // namespace
