// Every window of the authoring program comes up above the window that
// showed it, with the keyboard focus, on a real X display without a window
// manager: there nothing raises a window that is mapped, and a window shown
// below the main menu leaves the program looking hung.  The test starts its
// own X server (Xvfb) and reads the server's stacking order and focus.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "authoring/ajuda.h"
#include "authoring/arquivo.h"
#include "authoring/documents/documentos.h"
#include "authoring/documents/hiper.h"
#include "authoring/documents/html.h"
#include "authoring/documents/texto.h"
#include "authoring/editors/editor_registros.h"
#include "authoring/editors/inserir.h"
#include "authoring/splash.h"
#include "authoring/editors/editores.h"
#include "authoring/erros.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/principal.h"
#include "files/pastas.h"
#include "platform/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"

extern char** environ;

namespace {

using namespace pravo;

// An X server of the test's own, on the first free display; it tells its
// display number through a pipe once it takes connections.
class ServidorX {
 public:
  bool Inicia(std::string* erro) {
    int canal[2];
    if (pipe(canal) != 0) return Falha(erro, "pipe");
    const std::string fd = std::to_string(canal[1]);
    std::vector<std::string> args{"Xvfb", "-displayfd", fd, "-screen", "0", "1024x768x24", "-dpi", "96",
                                  "-nolisten", "tcp", "-noreset"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addclose(&acoes, canal[0]);
    posix_spawn_file_actions_addopen(&acoes, 2, "/dev/null", O_WRONLY, 0);
    const int r = posix_spawnp(&pid_, "Xvfb", &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    close(canal[1]);
    if (r != 0) {
      close(canal[0]);
      pid_ = 0;
      return Falha(erro, "Xvfb is not installed");
    }
    std::string numero;
    pollfd p{canal[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, 20000) > 0 && read(canal[0], &c, 1) == 1 && c != '\n') numero += c;
    close(canal[0]);
    if (numero.empty()) return Falha(erro, "Xvfb did not start");
    display_ = ":" + numero;
    return true;
  }
  ~ServidorX() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& display() const { return display_; }

 private:
  static bool Falha(std::string* erro, const char* texto) {
    *erro = texto;
    return false;
  }
  pid_t pid_ = 0;
  std::string display_;
};

xcb_connection_t* Conexao() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// The mapped top-level windows of the screen, bottom first.
std::vector<xcb_window_t> Pilha() {
  std::vector<xcb_window_t> r;
  xcb_connection_t* c = Conexao();
  if (!c) return r;
  const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  xcb_query_tree_reply_t* arvore = xcb_query_tree_reply(c, xcb_query_tree(c, raiz), nullptr);
  if (!arvore) return r;
  const xcb_window_t* filhos = xcb_query_tree_children(arvore);
  for (int i = 0; i < xcb_query_tree_children_length(arvore); ++i) {
    auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, filhos[i]), nullptr);
    if (a && a->map_state == XCB_MAP_STATE_VIEWABLE && !a->override_redirect) r.push_back(filhos[i]);
    free(a);
  }
  free(arvore);
  return r;
}

xcb_window_t Foco() {
  xcb_connection_t* c = Conexao();
  if (!c) return 0;
  auto* f = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
  const xcb_window_t w = f ? f->focus : 0;
  free(f);
  return w;
}

// The window is the top one of the screen, above its owner, and has the
// keyboard focus.
std::string NaFrente(QWidget* janela, QWidget* dono) {
  const auto pilha = Pilha();
  const auto id = static_cast<xcb_window_t>(janela->winId());
  const auto posicao = [&](xcb_window_t w) {
    for (size_t i = 0; i < pilha.size(); ++i)
      if (pilha[i] == w) return int(i);
    return -1;
  };
  const int eu = posicao(id);
  if (eu < 0) {
    std::string r = "not mapped (" + std::to_string(id) + " of";
    for (auto w : pilha) r += " " + std::to_string(w);
    return r + ")";
  }
  if (dono && eu < posicao(static_cast<xcb_window_t>(dono->winId()))) return "below its owner";
  if (eu != int(pilha.size()) - 1) return "not the top window";
  if (Foco() != id) return "without the keyboard focus";
  return {};
}

class Empilhamento : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    servidor_ = new ServidorX;
    if (!servidor_->Inicia(&erro_)) return;
    qputenv("DISPLAY", QByteArray::fromStdString(servidor_->display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    platform::PreparaAmbiente();
    static int argc = 1;
    static char nome[] = "Pravo2";
    static char* argv[] = {nome, nullptr};
    // The program's own application object, as its main makes it.
    app_ = new pravo::Aplicacao(argc, argv);
    RegistraEditores();
    RegistraDocumentos();
    RegistraJanelasAutoria();
  }
  static void TearDownTestSuite() {
    DestroiJanelas();
    delete servidor_;
    servidor_ = nullptr;
  }
  void SetUp() override {
    if (!app_) GTEST_SKIP() << "no X server for the test: " << erro_;
    QDir().mkpath(pasta.caminho() + "Biologia");
    DirPrograma = files::DirProgramaDe(pasta.caminho());
    ArqConfig = files::ArqConfigDe(DirPrograma);
  }

  // Checks the window as it comes up over `dono`.
  void Olha(const std::string& nome, QWidget* w, QWidget* dono) {
    std::string falha;
    apoio::Espera([&] { return (falha = NaFrente(w, dono)).empty(); }, 5000);
    EXPECT_EQ(falha, "") << nome << " (" << w->metaObject()->className() << ")";
    vistas_.push_back(nome);
  }
  // Checks the next modal window as it comes up over `dono`, then hands it
  // to `depois`; it is then closed.
  void Confere(const std::string& nome, QWidget* dono, std::function<void(QWidget*)> depois) {
    apoio::QuandoModal([=, this](QWidget* w) {
      Olha(nome, w, dono);
      depois(w);
      if (w->isVisible()) w->hide();
    });
  }
  static void Fecha(QWidget*) {}

  apoio::PastaTemporaria pasta;
  std::vector<std::string> vistas_;
  static inline ServidorX* servidor_ = nullptr;
  static inline QApplication* app_ = nullptr;
  static inline std::string erro_;
};

// The chooser names a new file of its kind.
void Cria(QWidget* w, const char* nome) {
  auto* a = qobject_cast<TfrmArquivo*>(w);
  ASSERT_NE(a, nullptr);
  a->edtNovo->setText(QString::fromLatin1(nome));
  a->btnCriar->click();
}

TEST_F(Empilhamento, CadaJanelaDoProgramaVemPorCimaDeQuemAMostrouComOFoco) {
  TfrmMain principal;
  frmAjuda = new TfrmAjuda(&principal);
  // The start as the program makes it: the splash makes every window, the
  // chooser asks for the subject.
  apoio::QuandoAbrir<TfrmSplash>([&](TfrmSplash* s) { Olha("splash", s, &principal); });
  apoio::QuandoAbrir<TfrmArquivo>([&](TfrmArquivo* a) {
    Olha("chooser of the subject", a, &principal);
    a->lbAssuntos->setCurrentRow(0);
    a->btnAbrir->click();
  });
  principal.show();
  ASSERT_TRUE(apoio::Espera([&] { return !ArqAssunto.isEmpty() && !QApplication::activeModalWidget(); }, 30000));

  // Every entry of the menu, and the windows behind them.
  Confere("Configurar Assunto", &principal, Fecha);
  principal.btnAssunto->click();
  Confere("Configuração", &principal, Fecha);
  principal.btnConfig->click();
  Confere("Relatório não disponível!", &principal, Fecha);
  principal.btnRelat->click();
  Confere("Trocar de Assunto", &principal, [](QWidget* w) { qobject_cast<TfrmArquivo*>(w)->btnCancelar->click(); });
  principal.btnTrocar->click();
  Confere("Ajuda", &principal, Fecha);
  principal.BitBtn1->click();

  const struct {
    QPushButton* botao;
    const char* nome;
    const char* arquivo;
  } editores[] = {
      {principal.btnPalavras, "words editor", "novas"},   {principal.btnFrases, "phrases editor", "novas"},
      {principal.btnTestes, "tests editor", "novos"},     {principal.btnTestes2, "HTML-tests editor", "novos"},
      {principal.btnLocal, "locate editor", "novo"},
  };
  for (const auto& e : editores) {
    Confere(std::string("chooser of the ") + e.nome, &principal, [&](QWidget* w) {
      Confere(e.nome, &principal, [&](QWidget* editor) {
        Confere(std::string("Inserir of the ") + e.nome, editor, Fecha);
        TfrmInserir::Instancia()->exec();
      });
      Cria(w, e.arquivo);
    });
    e.botao->click();
  }

  // The hypertext editor and its dialogs.
  Confere("chooser of the hypertext page", &principal, [&](QWidget* w) {
    Confere("Hipertexto", &principal, [&](QWidget* editor) {
      auto* hiper = qobject_cast<TfrmHiper*>(editor);
      for (QPushButton* b : {hiper->BitBtn4, hiper->BitBtn3, hiper->BitBtn1, hiper->BitBtn2, hiper->BitBtn5,
                             hiper->BitBtn6}) {
        Confere("Hipertexto > " + b->text().toStdString(), hiper, Fecha);
        b->click();
      }
    });
    Cria(w, "pagina");
  });
  principal.btnHyper->click();

  // The document editors, their file dialog and the preview.
  Confere("Editores", &principal, [&](QWidget* w) {
    auto* chooser = w;
    Confere("rich-text editor", chooser, [&](QWidget* editor) {
      Confere("Abrir", editor, Fecha);
      qobject_cast<TfrmTexto*>(editor)->FileOpen();
    });
    chooser->findChild<QPushButton*>("btnRTF")->click();
  });
  principal.btnEditores->click();
  Confere("Editores", &principal, [&](QWidget* w) {
    auto* chooser = w;
    Confere("HTML editor", chooser, [&](QWidget* editor) {
      Confere("Visualizar", editor, [](QWidget* previa) {
        // Without a window manager Escape is the only way out.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : previa, Qt::Key_Escape);
        EXPECT_TRUE(apoio::Espera([&] { return !previa->isVisible(); }, 5000)) << "Escape leaves Visualizar";
      });
      Janela(QStringLiteral("TfrmBrowser"))->exec();
    });
    chooser->findChild<QPushButton*>("btnHTML")->click();
  });
  principal.btnEditores->click();

  EXPECT_EQ(vistas_.size(), 36u);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w != &principal) ADD_FAILURE() << "left open: " << w->metaObject()->className();
  principal.hide();
  frmAjuda = nullptr;
}

}  // namespace
