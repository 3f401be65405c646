// The subject and file chooser: what it lists for each kind, what "Abrir"
// and "Criar" set, the folder it creates, and the names it refuses.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "apoio_autoria.h"
#include "authoring/arquivo.h"

namespace {

using namespace pravo;
using teste::QuandoAbrir;

class Escolha : public teste::ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    frm = std::make_unique<TfrmArquivo>();
  }
  void TearDown() override {
    frm.reset();
    ProgramaTeste::TearDown();
  }

  // Shows the chooser for `tipo` and runs `acao` on it while it is open.
  int Mostra(int tipo, std::function<void(TfrmArquivo*)> acao) {
    TipoArquivo = tipo;
    QuandoAbrir<TfrmArquivo>(std::move(acao));
    return frm->exec();
  }

  static QStringList Lista(const TfrmArquivo* f) {
    QStringList r;
    for (int i = 0; i < f->lbAssuntos->count(); ++i) r << f->lbAssuntos->item(i)->text();
    return r;
  }

  static void Escolhe(TfrmArquivo* f, const QString& nome) {
    const auto itens = f->lbAssuntos->findItems(nome, Qt::MatchExactly);
    ASSERT_EQ(itens.size(), 1) << qPrintable(nome);
    f->lbAssuntos->setCurrentItem(itens.first());
  }

  std::unique_ptr<TfrmArquivo> frm;
};

TEST_F(Escolha, SubjectsLeaveOutTheHelpAndOriginalDataFoldersSpeltExactly) {
  for (const char* p : {"Ajuda_arquivos", "OrigData", "Biologia", "origdata", "zoologia", "Artes"}) Pasta(p);
  pasta.Escreve("solto.ast", "x");  // a file is no subject
  QStringList vista;
  QString titulo, abrir, criar;
  bool abrirAtivo = true, criarAtivo = true;
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    vista = Lista(f);
    titulo = f->windowTitle();
    abrir = f->GroupBox1->title();
    criar = f->GroupBox2->title();
    abrirAtivo = f->btnAbrir->isEnabled();
    criarAtivo = f->btnCriar->isEnabled();
    f->btnCancelar->click();
  });
  EXPECT_EQ(r, 2);
  EXPECT_EQ(vista, QStringList({"Artes", "Biologia", "origdata", "zoologia"}));
  EXPECT_EQ(titulo, "Escolher Assunto");
  EXPECT_EQ(abrir, " Abrir Assunto existente");
  EXPECT_EQ(criar, " Criar novo Assunto");
  EXPECT_FALSE(abrirAtivo);
  EXPECT_FALSE(criarAtivo);
  // Listing made the program folder the current directory.
  EXPECT_EQ(QDir::currentPath() + '/', Real(DirPrograma));
}

TEST_F(Escolha, OpeningASubjectSetsTheFolderInLowerCaseAndKeepsTheNamesCase) {
  Pasta("Biologia");
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    Escolhe(f, "Biologia");
    EXPECT_TRUE(f->btnAbrir->isEnabled());
    f->btnAbrir->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(ArqAssunto, DirPrograma + "Biologia/Biologia.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "biologia/");
}

TEST_F(Escolha, DoubleClickOpensTheEntry) {
  Pasta("Geografia");
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    QListWidgetItem* item = f->lbAssuntos->item(0);
    f->lbAssuntos->setCurrentItem(item);
    emit f->lbAssuntos->itemDoubleClicked(item);
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(ArqAssunto, DirPrograma + "Geografia/Geografia.ast");
}

// Each kind lists its own extension in the subject folder, without it, and
// a choice sets that kind's globals only.
struct Caso {
  int tipo;
  const char* nome;
  QString* arquivo;
  QString* pasta;  // the kind's folder variable, or none
  const char* extensao;
};

TEST_F(Escolha, EveryFileKindListsItsFilesAndSetsItsOwnGlobals) {
  const Caso casos[] = {
      {1, "Arquivo de Palavras", &ArqPalavras, nullptr, ".plv"},
      {2, "Arquivo de Frases", &ArqFrases, nullptr, ".fse"},
      {3, "Arquivo de Testes", &ArqTestes, nullptr, ".tst"},
      {4, "Arquivo do Acerte o Local", &ArqLocal, &DirLocal, ".loc"},
      {5, "Arquivo de HiperTexto", &ArqHiper, &DirHiper, ".hpr"},
      {6, "Arquivo de Testes HTML", &ArqTesteHTML, &DirTesteHTML, ".tsh"},
      {7, "Arquivo de Relatório", &ArqRelatorio, nullptr, ".rel"},
  };
  Pasta("Biologia");
  for (const char* ext : {".plv", ".fse", ".tst", ".loc", ".hpr", ".tsh", ".rel"}) {
    pasta.Escreve(QString("Biologia/Lista1") + ext, "x");
    pasta.Escreve(QString("Biologia/b") + ext, "x");
  }
  pasta.Escreve("Biologia/Lista1.txt", "x");
  Pasta("Biologia/pasta.plv");  // a folder is never listed
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tipo);
    ReiniciaGlobais();
    DirPrograma = files::DirProgramaDe(pasta.caminho());
    DirAssunto = DirPrograma + "biologia/";
    const QString assunto = ArqAssunto = DirPrograma + "Biologia/Biologia.ast";
    QStringList vista;
    QString titulo;
    const int r = Mostra(c.tipo, [&](TfrmArquivo* f) {
      vista = Lista(f);
      titulo = f->windowTitle();
      Escolhe(f, "Lista1");
      f->btnAbrir->click();
    });
    EXPECT_EQ(r, 1);
    EXPECT_EQ(titulo, QString("Escolher ") + QString::fromUtf8(c.nome));
    EXPECT_EQ(vista, QStringList({"b", "Lista1"}));
    EXPECT_EQ(*c.arquivo, DirAssunto + "Lista1" + c.extensao);
    if (c.pasta) {
      EXPECT_EQ(*c.pasta, DirAssunto);
    }
    // Nothing else moved.
    EXPECT_EQ(DirAssunto, DirPrograma + "biologia/");
    EXPECT_EQ(ArqAssunto, assunto);
    for (QString* outro : {&ArqPalavras, &ArqFrases, &ArqTestes, &ArqLocal, &ArqHiper, &ArqTesteHTML,
                           &ArqRelatorio})
      if (outro != c.arquivo) {
        EXPECT_TRUE(outro->isEmpty());
      }
    for (QString* outra : {&DirLocal, &DirHiper, &DirTesteHTML})
      if (outra != c.pasta) {
        EXPECT_TRUE(outra->isEmpty());
      }
    EXPECT_EQ(QDir::currentPath() + '/', Real(DirAssunto));
  }
}

TEST_F(Escolha, CreatingASubjectTrimsTheNameAndMakesItsFolderInLowerCase) {
  bool vazioDesativa = false;
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    f->edtNovo->setText("   ");
    vazioDesativa = !f->btnCriar->isEnabled();
    f->edtNovo->setText("  Novo  ");
    EXPECT_TRUE(f->btnCriar->isEnabled());
    f->btnCriar->click();
  });
  EXPECT_TRUE(vazioDesativa);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(ArqAssunto, DirPrograma + "Novo/Novo.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "novo/");
  EXPECT_TRUE(QFileInfo(pasta.caminho() + "novo").isDir());
  // No subject file yet: the page-list editor makes it.
  EXPECT_FALSE(files::ArquivoExiste(ArqAssunto));
}

TEST_F(Escolha, AccentedNamesAreNames) {
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    f->edtNovo->setText("Ciências Sociais");
    f->btnCriar->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(ArqAssunto, DirPrograma + "Ciências Sociais/Ciências Sociais.ast");
  EXPECT_TRUE(QFileInfo(pasta.caminho() + "ciências sociais").isDir());
}

TEST_F(Escolha, CreatingAnExistingSubjectWarnsAndStillOpensIt) {
  Pasta("Biologia");
  apoio::Mensagem vista;
  const int r = Mostra(0, [&](TfrmArquivo* f) {
    f->edtNovo->setText("biologia");
    teste::Responde(QMessageBox::Ok, &vista);
    f->btnCriar->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(vista.texto, "Erro ao criar Diretório");
  EXPECT_EQ(vista.titulo, "Atenção !");
  EXPECT_EQ(ArqAssunto, DirPrograma + "biologia/biologia.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "biologia/");
  EXPECT_TRUE(files::PastaExiste(DirAssunto));
  EXPECT_EQ(QDir(pasta.caminho()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Biologia"}));
}

TEST_F(Escolha, CreatingAFileOfAKindCreatesNothing) {
  Pasta("biologia");
  DirAssunto = DirPrograma + "biologia/";
  const int r = Mostra(1, [&](TfrmArquivo* f) {
    f->edtNovo->setText(" Animais ");
    f->btnCriar->click();
  });
  EXPECT_EQ(r, 1);
  EXPECT_EQ(ArqPalavras, DirAssunto + "Animais.plv");
  EXPECT_TRUE(QDir(pasta.caminho() + "biologia").isEmpty());
}

TEST_F(Escolha, ANameThatIsAPathIsRefusedAndTheDialogStaysOpen) {
  Pasta("biologia");
  DirAssunto = DirPrograma + "biologia/";
  for (const char* nome : {"../fora", "a/b", "a\\b", ".", "..", "Matemática π"}) {
    for (int tipo : {0, 1}) {
      SCOPED_TRACE(std::string(nome) + " " + std::to_string(tipo));
      apoio::Mensagem vista;
      bool abertoDepois = false;
      const QString assunto = ArqAssunto, palavras = ArqPalavras, dir = DirAssunto;
      const int r = Mostra(tipo, [&](TfrmArquivo* f) {
        f->edtNovo->setText(nome);
        teste::Responde(QMessageBox::Ok, &vista);
        f->btnCriar->click();
        abertoDepois = f->isVisible();
        f->btnCancelar->click();
      });
      EXPECT_EQ(r, 2);
      EXPECT_TRUE(abertoDepois);
      EXPECT_EQ(vista.titulo, "Atenção !");
      EXPECT_TRUE(vista.texto.startsWith("Nome inválido!"));
      EXPECT_EQ(ArqAssunto, assunto);
      EXPECT_EQ(ArqPalavras, palavras);
      EXPECT_EQ(DirAssunto, dir);
    }
  }
  EXPECT_FALSE(QFileInfo::exists(pasta.caminho() + "fora"));
  EXPECT_EQ(QDir(pasta.caminho()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"biologia"}));
}

TEST_F(Escolha, CancelChangesNothingAndAnEmptyListNeverEnablesOpen) {
  DirAssunto = DirPrograma + "vazio/";
  Pasta("vazio");
  ArqPalavras = "antes";
  bool abrir = true;
  const int r = Mostra(1, [&](TfrmArquivo* f) {
    EXPECT_EQ(f->lbAssuntos->count(), 0);
    f->lbAssuntosClick();
    f->lbAssuntosDblClick();
    abrir = f->btnAbrir->isEnabled();
    f->btnCancelar->click();
  });
  EXPECT_EQ(r, 2);
  EXPECT_FALSE(abrir);
  EXPECT_EQ(ArqPalavras, "antes");
}

TEST_F(Escolha, EachShowingStartsAfresh) {
  Pasta("Biologia");
  Mostra(0, [&](TfrmArquivo* f) {
    f->edtNovo->setText("Rascunho");
    Escolhe(f, "Biologia");
    f->btnCancelar->click();
  });
  DirAssunto = DirPrograma + "biologia/";
  pasta.Escreve("Biologia/P.plv", "x");
  Mostra(1, [&](TfrmArquivo* f) {
    EXPECT_TRUE(f->edtNovo->text().isEmpty());
    EXPECT_FALSE(f->btnAbrir->isEnabled());
    EXPECT_FALSE(f->btnCriar->isEnabled());
    EXPECT_EQ(Lista(f), QStringList({"P"}));
    f->btnCancelar->click();
  });
}

}  // namespace
