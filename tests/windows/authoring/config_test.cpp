// The configuration dialog: the defaults without a file, the exact bytes it
// writes for the player, the globals it borrows and gives back, and a
// damaged file.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "apoio_autoria.h"
#include "authoring/arquivo.h"
#include "authoring/config.h"
#include "files/arquivo_registros.h"
#include "files/gravacao.h"
#include "files/registros.h"
#include "support/disco_pequeno.h"

namespace {

using namespace pravo;
using teste::QuandoAbrir;

// One short text field of capacity 255 as the player reads it: the length
// byte, the text in Windows-1252, zeros to the end of the field.
QByteArray Campo255(const QByteArray& ansi) {
  QByteArray c(256, '\0');
  c[0] = static_cast<char>(ansi.size());
  c.replace(1, ansi.size(), ansi);
  return c;
}

class Configuracao_ : public teste::ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    CriaJanelas(nullptr);
    frm = qobject_cast<TfrmConfig*>(Janela("TfrmConfig"));
    ASSERT_NE(frm, nullptr);
  }

  // Shows the dialog and runs `acao` on it while it is open.
  int Mostra(std::function<void(TfrmConfig*)> acao) {
    QuandoAbrir<TfrmConfig>(std::move(acao));
    return frm->exec();
  }

  // Chooses `nome` in the chooser that `botao` opens.
  static void EscolheCom(QPushButton* botao, const QString& nome, QStringList* lista = nullptr) {
    QuandoAbrir<TfrmArquivo>([nome, lista](TfrmArquivo* a) {
      if (lista)
        for (int i = 0; i < a->lbAssuntos->count(); ++i) *lista << a->lbAssuntos->item(i)->text();
      const auto itens = a->lbAssuntos->findItems(nome, Qt::MatchExactly);
      if (itens.isEmpty()) {
        a->btnCancelar->click();
        return;
      }
      a->lbAssuntos->setCurrentItem(itens.first());
      a->btnAbrir->click();
    });
    botao->click();
  }

  TfrmConfig* frm = nullptr;
};

TEST_F(Configuracao_, WithoutAFileItOffersTheDefaultsAndOkWritesThemByteForByte) {
  QString assunto, rel;
  const int r = Mostra([&](TfrmConfig* f) {
    assunto = f->edtAssunto->text();
    rel = f->edtRel->text();
    EXPECT_FALSE(QFileInfo::exists(Real(ArqConfig)));  // nothing written yet
    f->btnOK->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(assunto, "Sistema Cardiovascular");
  EXPECT_EQ(rel, "Relatório1");

  const QByteArray esperado = Campo255("Sistema Cardiovascular") + Campo255("Relat\xF3rio1");
  ASSERT_EQ(esperado.size(), 512);
  EXPECT_EQ(pasta.Le("Zelmo2.cfg"), esperado);

  // The player's way of reading it.
  const QList<QByteArray> registros = files::LeTodos(ArqConfig, files::RegConfig::Tamanho);
  ASSERT_EQ(registros.size(), 1);
  const files::RegConfig lido = files::RegConfig::DeBytes(registros.first());
  EXPECT_EQ(lido.NomeAssunto, "Sistema Cardiovascular");
  EXPECT_EQ(lido.NomeRelatorio, "Relatório1");
}

TEST_F(Configuracao_, AnExistingFileIsShownAndRewrittenWhole) {
  // A longer file: only its first record counts, and OK leaves one record.
  pasta.Escreve("Zelmo2.cfg", Campo255("Biologia") + Campo255("Turma A") + QByteArray(512, 'x'));
  QString assunto, rel;
  Mostra([&](TfrmConfig* f) {
    assunto = f->edtAssunto->text();
    rel = f->edtRel->text();
    f->btnOK->click();
  });
  EXPECT_EQ(assunto, "Biologia");
  EXPECT_EQ(rel, "Turma A");
  EXPECT_EQ(pasta.Le("Zelmo2.cfg"), Campo255("Biologia") + Campo255("Turma A"));
}

TEST_F(Configuracao_, ChoicesInsideTheDialogReachTheFileButNotTheProgramsGlobals) {
  Pasta("Biologia");
  pasta.Escreve("Biologia/Turma A.rel", "x");
  pasta.Escreve("Biologia/Turma B.rel", "x");
  Pasta("geografia");
  pasta.Escreve("geografia/Geral.rel", "x");
  ArqAssunto = DirPrograma + "geografia/geografia.ast";
  DirAssunto = DirPrograma + "geografia/";
  ArqRelatorio = DirPrograma + "geografia/Geral.rel";
  const QString assunto = ArqAssunto, dir = DirAssunto, rel = ArqRelatorio;

  QStringList relatorios;
  const int r = Mostra([&](TfrmConfig* f) {
    EscolheCom(f->btnAssunto, "Biologia");
    EXPECT_EQ(f->edtAssunto->text(), "Biologia");
    // The report list follows the subject chosen just now.
    EscolheCom(f->btnRel, "Turma B", &relatorios);
    EXPECT_EQ(f->edtRel->text(), "Turma B");
    f->btnOK->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(relatorios, QStringList({"Turma A", "Turma B"}));
  EXPECT_EQ(pasta.Le("Zelmo2.cfg"), Campo255("Biologia") + Campo255("Turma B"));
  EXPECT_EQ(ArqAssunto, assunto);
  EXPECT_EQ(DirAssunto, dir);
  EXPECT_EQ(ArqRelatorio, rel);
}

TEST_F(Configuracao_, TheReportListFollowsTheCurrentSubjectWhenNoOtherWasChosen) {
  Pasta("geografia");
  pasta.Escreve("geografia/Geral.rel", "x");
  DirAssunto = DirPrograma + "geografia/";
  QStringList relatorios;
  Mostra([&](TfrmConfig* f) {
    EscolheCom(f->btnRel, "nenhum", &relatorios);  // cancelled
    EXPECT_EQ(f->edtRel->text(), "Relatório1");
    f->btnOK->click();
  });
  EXPECT_EQ(relatorios, QStringList({"Geral"}));
}

TEST_F(Configuracao_, NamesAreCutTo255Characters) {
  const QString longo = QString(256, 'a');
  const QString exato = QString(255, 'b');
  Mostra([&](TfrmConfig* f) {
    f->edtAssunto->setText(longo);
    f->edtRel->setText(exato);
    f->btnOK->click();
  });
  const QByteArray bytes = pasta.Le("Zelmo2.cfg");
  ASSERT_EQ(bytes.size(), 512);
  EXPECT_EQ(bytes, Campo255(QByteArray(255, 'a')) + Campo255(QByteArray(255, 'b')));
}

TEST_F(Configuracao_, ADamagedFileIsReportedAndKeptUntilOk) {
  const QByteArray curto = Campo255("Biologia").left(100);
  pasta.Escreve("Zelmo2.cfg", curto);
  apoio::Mensagem vista;
  teste::Responde(QMessageBox::Ok, &vista);
  QString assunto;
  QByteArray durante;
  Mostra([&](TfrmConfig* f) {
    assunto = f->edtAssunto->text();
    durante = pasta.Le("Zelmo2.cfg");
    f->reject();  // the window's close: nothing written
  });
  EXPECT_EQ(vista.titulo, "Pravo II");
  EXPECT_EQ(vista.texto, files::IoError::Texto(files::IoError::Kind::ReadBeyondEnd));
  EXPECT_EQ(assunto, "Sistema Cardiovascular");
  EXPECT_EQ(durante, curto);
  EXPECT_EQ(pasta.Le("Zelmo2.cfg"), curto);
}

// "OK" on a full disk: the input/output error, the dialog still open, and
// the old file byte for byte with nothing left beside it.
TEST_F(Configuracao_, OkOnAFullDiskKeepsTheOldFile) {
  apoio::DiscoPequeno disco(128);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  const QString antes = ArqConfig;
  ArqConfig = disco.caminho() + "Zelmo2.cfg";
  const QByteArray velho = Campo255("Biologia") + Campo255("Turma A");
  files::GravaInteiro(ArqConfig, velho);
  disco.Enche();
  apoio::Mensagem vista;
  bool aberto = false;
  Mostra([&](TfrmConfig* f) {
    teste::Responde(QMessageBox::Ok, &vista);
    f->btnOK->click();
    aberto = f->isVisible();
    f->reject();
  });
  EXPECT_EQ(vista.titulo, "Pravo II");
  EXPECT_EQ(vista.texto, "Disk full");
  EXPECT_TRUE(aberto);
  QFile f(ArqConfig);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), velho);
  EXPECT_FALSE(QFileInfo::exists(files::GravacaoInteira::Temporario(ArqConfig)));
  ArqConfig = antes;
}

TEST_F(Configuracao_, EscDoesNotLeaveAndClosingRestoresTheGlobals) {
  ArqAssunto = "assunto";
  ArqRelatorio = "relatorio";
  DirAssunto = "dir/";
  bool abertoDepoisDoEsc = false;
  QString duranteAssunto;
  Mostra([&](TfrmConfig* f) {
    duranteAssunto = ArqAssunto;
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(f, &esc);
    abertoDepoisDoEsc = f->isVisible();
    f->close();
  });
  EXPECT_TRUE(abertoDepoisDoEsc);
  EXPECT_EQ(duranteAssunto, "Sistema Cardiovascular");
  EXPECT_EQ(ArqAssunto, "assunto");
  EXPECT_EQ(ArqRelatorio, "relatorio");
  EXPECT_EQ(DirAssunto, "dir/");
  EXPECT_FALSE(QFileInfo::exists(Real(ArqConfig)));
}

}  // namespace
