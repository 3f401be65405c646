// The start-up and the main menu: the splash makes the windows once and in
// order before the first choice, cancelling that choice ends the program,
// the menu opens its windows modally, and "Ver Relatórios" finds the report
// the player writes under the configuration.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "apoio_autoria.h"
#include "authoring/arquivo.h"
#include "authoring/listador.h"
#include "authoring/rel.h"
#include "authoring/splash.h"
#include "files/registros.h"
#include "support/configuracao.h"

namespace {

using namespace pravo;
using teste::QuandoAbrir;
using apoio::Configuracao;

class Principal : public teste::ProgramaTeste {
 protected:
  void SetUp() override {
    ProgramaTeste::SetUp();
    frm = std::make_unique<TfrmMain>();
    // The window takes the program folder from the program's file; the
    // test's own folder replaces it.
    DirPrograma = files::DirProgramaDe(pasta.caminho());
    ArqConfig = files::ArqConfigDe(DirPrograma);
  }
  void TearDown() override {
    DestroiJanelas();
    frm.reset();
    ProgramaTeste::TearDown();
  }

  // The splash's work, without the splash.
  void Cria() {
    CriaJanelas(frm.get());
    frm->AtualizaBotoes();
  }

  // Runs the first showing; `escolha` answers the chooser.
  bool Inicia(std::function<void(TfrmArquivo*)> escolha) {
    QuandoAbrir<TfrmArquivo>(std::move(escolha));
    return frm->FormShow();
  }

  static void Escolhe(TfrmArquivo* a, const QString& nome) {
    const auto itens = a->lbAssuntos->findItems(nome, Qt::MatchExactly);
    if (itens.isEmpty()) {
      ADD_FAILURE() << "not listed: " << nome.toStdString() << " of " << a->lbAssuntos->count();
      a->btnCancelar->click();
      return;
    }
    a->lbAssuntos->setCurrentItem(itens.first());
    a->btnAbrir->click();
  }

  std::unique_ptr<TfrmMain> frm;
};

TEST_F(Principal, CancellingTheFirstChoiceEndsTheProgram) {
  Pasta("Biologia");
  QSignalSpy termina(frm.get(), &TfrmMain::Terminar);
  bool splashAntes = false;
  QuandoAbrir<TfrmSplash>([&](TfrmSplash* s) { splashAntes = s->isVisible(); }, 5000);
  EXPECT_FALSE(Inicia([](TfrmArquivo* a) {
    EXPECT_EQ(TipoArquivo, 0);
    a->btnCancelar->click();
  }));
  EXPECT_TRUE(splashAntes);
  EXPECT_EQ(termina.count(), 1);
  EXPECT_TRUE(ArqAssunto.isEmpty());
}

TEST_F(Principal, EscapeAtTheFirstChoiceIsACancelToo) {
  QSignalSpy termina(frm.get(), &TfrmMain::Terminar);
  EXPECT_FALSE(Inicia([](TfrmArquivo* a) { a->reject(); }));
  EXPECT_EQ(termina.count(), 1);
}

TEST_F(Principal, TheWindowsAreMadeInOrderOnceBeforeTheChooserOpens) {
  // Stand-ins for two editors, counting how often they are made (the
  // registry outlives the test, so what they touch is static).
  static QStringList feitas;
  feitas.clear();
  for (const char* classe : {"TfrmEditPal", "TfrmEditores"})
    RegistraJanela(classe, [classe](QWidget* dono) {
      feitas << classe;
      return new QDialog(dono);
    });
  Pasta("Biologia");
  QStringList existentes;
  EXPECT_TRUE(Inicia([&](TfrmArquivo* a) {
    for (const QString& c : OrdemDeCriacao())
      if (Janela(c)) existentes << c;
    Escolhe(a, "Biologia");
  }));
  // Only the registered windows, in the splash's order.
  QStringList esperadas;
  for (const QString& c : OrdemDeCriacao())
    if (JanelaRegistrada(c)) esperadas << c;
  EXPECT_EQ(existentes, esperadas);
  EXPECT_TRUE(existentes.contains("TfrmConfig") && existentes.contains("TfrmRel") &&
              existentes.contains("TfrmArquivo"));
  EXPECT_EQ(feitas, QStringList({"TfrmEditPal", "TfrmEditores"}));
  CriaJanelas(frm.get());
  EXPECT_EQ(feitas.size(), 2);
  EsqueceJanela("TfrmEditPal");
  EsqueceJanela("TfrmEditores");
  EXPECT_EQ(ArqAssunto, DirPrograma + "Biologia/Biologia.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "biologia/");
  // The splash is gone.
  EXPECT_TRUE(frm->findChildren<TfrmSplash*>().isEmpty());
}

TEST_F(Principal, AWindowThatCannotBeMadeIsReportedAndTheRestGoOn) {
  RegistraJanela("TfrmTexto", [](QWidget*) -> QDialog* {
    throw files::IoError(files::IoError::Kind::FileNotFound, "/x/fontes.lst");
  });
  RegistraJanela("TfrmEditores", [](QWidget* dono) { return new QDialog(dono); });
  Pasta("Biologia");
  apoio::Mensagem vista;
  teste::Responde(QMessageBox::Ok, &vista);
  bool feitas = false;
  EXPECT_TRUE(Inicia([&](TfrmArquivo* a) {
    feitas = Janela("TfrmEditores") && Janela("TfrmRel") && !Janela("TfrmTexto");
    Escolhe(a, "Biologia");
  }));
  EsqueceJanela("TfrmTexto");
  EsqueceJanela("TfrmEditores");
  EXPECT_EQ(vista.titulo, "Pravo II");
  EXPECT_EQ(vista.texto, "File not found");
  EXPECT_TRUE(feitas);
  EXPECT_TRUE(frm->btnEditores->isEnabled());
}

TEST_F(Principal, AMenuButtonIsEnabledExactlyWhenItsWindowExists) {
  const std::pair<QPushButton*, const char*> botoes[] = {
      {frm->btnHyper, "TfrmHiper"},     {frm->btnPalavras, "TfrmEditPal"}, {frm->btnFrases, "TfrmEditFra"},
      {frm->btnTestes, "TfrmEditTst"},  {frm->btnTestes2, "TfrmEditTsh"},  {frm->btnLocal, "TfrmEditLoc"},
      {frm->btnTrocar, "TfrmArquivo"},  {frm->btnAssunto, "TfrmEditAst"},  {frm->btnConfig, "TfrmConfig"},
      {frm->btnRelat, "TfrmRel"},       {frm->btnEditores, "TfrmEditores"},
  };
  for (const auto& [botao, classe] : botoes) EXPECT_FALSE(botao->isEnabled()) << classe;
  Cria();
  for (const auto& [botao, classe] : botoes) EXPECT_EQ(botao->isEnabled(), Janela(classe) != nullptr) << classe;
  EXPECT_TRUE(frm->btnTrocar->isEnabled());
  EXPECT_TRUE(frm->btnConfig->isEnabled());
  EXPECT_TRUE(frm->btnRelat->isEnabled());
  EXPECT_TRUE(frm->btnSair->isEnabled());
}

TEST_F(Principal, TheMenuFitsOnScreensOfEveryShape) {
  struct Caso {
    platform::Tela tela;
    QRect sair;  // where "Sair" lands
  } casos[] = {
      {{640, 480, 120}, QRect(456, 408, 100, 30)},
      {{1024, 768, 96}, QRect(730, 652, 160, 48)},   // the design x 0.8 x 2
      {{1366, 768, 96}, {}},                          // wider than 4:3
      {{1920, 1080, 96}, {}},
      {{1280, 1024, 96}, {}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::to_string(c.tela.largura) + "x" + std::to_string(c.tela.altura));
    platform::DefineTela(c.tela);
    TfrmMain m;
    EXPECT_EQ(m.size(), QSize(c.tela.largura, c.tela.altura));
    if (!c.sair.isEmpty()) {
      EXPECT_EQ(m.btnSair->geometry(), c.sair);
    }
    for (QWidget* w : m.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->isHidden() && w->objectName() == "FileListBox1") continue;
      EXPECT_TRUE(m.rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    // The picture and the title keep their proportions.
    EXPECT_NEAR(double(m.Image1->width()) / m.Image1->height(), 185.0 / 153, 0.03);
  }
}

TEST_F(Principal, ChangingSubjectWithCancelKeepsTheCurrentOne) {
  Pasta("Biologia");
  Pasta("Geografia");
  Cria();
  ArqAssunto = DirPrograma + "Biologia/Biologia.ast";
  DirAssunto = DirPrograma + "biologia/";
  bool abriu = false;
  QuandoAbrir<TfrmArquivo>([&abriu](TfrmArquivo* a) {
    abriu = true;
    a->btnCancelar->click();
  });
  frm->btnTrocar->click();
  EXPECT_TRUE(abriu);
  EXPECT_EQ(ArqAssunto, DirPrograma + "Biologia/Biologia.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "biologia/");

  QuandoAbrir<TfrmArquivo>([](TfrmArquivo* a) { Escolhe(a, "Geografia"); });
  frm->btnTrocar->click();
  EXPECT_EQ(ArqAssunto, DirPrograma + "Geografia/Geografia.ast");
  EXPECT_EQ(DirAssunto, DirPrograma + "geografia/");
}

TEST_F(Principal, AnEditorOpensOnlyAfterTheChooserSaysOk) {
  static int vezes;
  vezes = 0;
  RegistraJanela("TfrmEditFra", [](QWidget* dono) {
    auto* d = new QDialog(dono);
    QObject::connect(d, &QDialog::finished, [] { ++vezes; });
    return d;
  });
  Cria();
  Pasta("biologia");
  DirAssunto = DirPrograma + "biologia/";
  pasta.Escreve("biologia/Frases1.fse", "");
  QuandoAbrir<TfrmArquivo>([](TfrmArquivo* a) { a->btnCancelar->click(); });
  frm->btnFrases->click();
  EXPECT_EQ(vezes, 0);

  bool modal = false;
  QuandoAbrir<TfrmArquivo>([&](TfrmArquivo* a) {
    EXPECT_EQ(TipoArquivo, 2);
    QuandoAbrir<QDialog>([&](QDialog* editor) {
      modal = editor->isModal() && QApplication::activeModalWidget() == editor;
      editor->done(1);
    });
    Escolhe(a, "Frases1");
  });
  frm->btnFrases->click();
  EsqueceJanela("TfrmEditFra");
  EXPECT_EQ(vezes, 1);
  EXPECT_TRUE(modal);
  EXPECT_EQ(ArqFrases, DirAssunto + "Frases1.fse");
}

TEST_F(Principal, SeeingReportsFollowsTheConfiguration) {
  Cria();
  // No configuration yet.
  apoio::Mensagem vista;
  teste::Responde(QMessageBox::Ok, &vista);
  frm->btnRelat->click();
  EXPECT_EQ(vista.texto, "Relatório não disponível!");
  EXPECT_EQ(vista.titulo, "Atenção");
  EXPECT_EQ(vista.botoes, QMessageBox::Ok);

  // Configured, but the player has not written the report yet.
  pasta.Escreve("Zelmo2.cfg", Configuracao("Biologia", "Turma A"));
  Pasta("Biologia");
  vista = {};
  teste::Responde(QMessageBox::Ok, &vista);
  frm->btnRelat->click();
  EXPECT_EQ(vista.texto, "Relatório não disponível!");
  EXPECT_EQ(ArqRelatorio, DirPrograma + "Biologia/Turma A.rel");

  // Written: the viewer shows it.
  pasta.Escreve("Biologia/Turma A.rel", QByteArray(76, '*') + "\nAna  -  1 - 10/12/2026 - 08:00:00\n\n");
  QString titulo;
  QStringList linhas;
  QuandoAbrir<TfrmRel>([&](TfrmRel* r) {
    titulo = r->windowTitle();
    linhas = r->LinhasMemo();
    r->btnSair->click();
  });
  frm->btnRelat->click();
  EXPECT_EQ(ArqRelatorio, DirPrograma + "Biologia/Turma A.rel");
  EXPECT_EQ(titulo, "Relatórios - Turma A.rel");
  EXPECT_EQ(linhas.size(), 3);
}

TEST_F(Principal, ABrokenOrStrangeConfigurationShowsNoReport) {
  Cria();
  Pasta("Biologia");
  pasta.Escreve("Biologia/Turma A.rel", "x\n");
  struct Caso {
    QByteArray cfg;
    const char* titulo;
    QString texto;
  } casos[] = {
      {Configuracao("Biologia", "Turma A").left(300), "Pravo II",
       files::IoError::Texto(files::IoError::Kind::ReadBeyondEnd)},
      {Configuracao("../Biologia", "Turma A"), "Atenção", "Relatório não disponível!"},
      {Configuracao("Biologia", "../Biologia/Turma A"), "Atenção", "Relatório não disponível!"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto.toStdString());
    pasta.Escreve("Zelmo2.cfg", c.cfg);
    bool visorAbriu = false;
    apoio::SeAbrir<TfrmRel>([&](TfrmRel* r) {
      visorAbriu = true;
      r->btnSair->click();
    }, 300);
    apoio::Mensagem vista;
    teste::Responde(QMessageBox::Ok, &vista);
    frm->btnRelat->click();
    EXPECT_EQ(vista.titulo, c.titulo);
    EXPECT_EQ(vista.texto, c.texto);
    apoio::Espera([] { return false; }, 320);
    EXPECT_FALSE(visorAbriu);
  }
}

TEST(Listador, MasksOfSeveralPatternsListPlainFilesInCaseBlindOrder) {
  apoio::Aplicacao();
  const QString antes = QDir::currentPath();
  apoio::PastaTemporaria p;
  for (const char* n : {"b.wav", "A.mid", "c.txt", "D.WAV"}) p.Escreve(n, "x");
  QDir().mkpath(p.caminho() + "e.wav");
  EXPECT_EQ(ListaPasta(p.caminho(), "*.wav;*.mid"), QStringList({"A.mid", "b.wav", "D.WAV"}));
  EXPECT_EQ(QDir::currentPath() + '/', p.caminho());
  EXPECT_EQ(ListaPasta(p.caminho(), "*.txt"), QStringList({"c.txt"}));
  // A missing folder lists nothing and leaves the current directory.
  EXPECT_TRUE(ListaPasta(p.caminho() + "nada/", "*").isEmpty());
  EXPECT_EQ(QDir::currentPath() + '/', p.caminho());

  CaixaArquivos caixa;
  EXPECT_EQ(caixa.objectName(), "FileListBox1");
  EXPECT_FALSE(caixa.isVisible());
  caixa.DefineMascara("*.wav;*.mid");
  caixa.DefinePasta(p.caminho());
  EXPECT_EQ(caixa.Itens(), QStringList({"A.mid", "b.wav", "D.WAV"}));
  caixa.DefinePastas(true);
  caixa.Atualiza();
  EXPECT_EQ(caixa.Itens(), QStringList({"e.wav"}));
  QDir::setCurrent(antes);
}

}  // namespace
