// Every window of both programs, built on the screens people have: every
// control it shows lies inside the screen and inside its window, controls
// that the design keeps apart stay apart, and on the screens where the
// scaling rules keep the design whole (4:3, 5:4 and portrait) each control
// is exactly where the rules put it.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <cmath>
#include <memory>
#include <vector>

#include "authoring/ajuda.h"
#include "authoring/documents/documentos.h"
#include "authoring/editors/editores.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/principal.h"
#include "authoring/splash.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "player/activities/atividades.h"
#include "player/aviso.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/pages/paginas.h"
#include "player/principal.h"
#include "player/senha.h"
#include "player/splash.h"
#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"

namespace {

using platform::Tela;

// The screen on which both rules scale by exactly 1: the design itself.
const Tela kDesenho{640, 480, 120};

// Windows that are not scaled: the authoring splash keeps its size, and the
// text editors and the preview are only sized to the screen, their layouts
// being Qt's own.
bool SemDesenho(const QString& janela) {
  return janela == "pravo TfrmSplash" || janela == "pravo TfrmTexto" || janela == "pravo TfrmHTML" ||
         janela == "pravo TfrmBrowser";
}

// Controls that the windows lay out themselves after scaling: the report
// viewer fills the screen with its memo above the button row, the
// hypertext panes are fractions of the screen, and the player's labels are
// fitted to their text at the scaled font.
bool DispostoPelaJanela(const QString& janela, const QString& caminho) {
  if (janela == "pravo TfrmRel") return true;
  if (caminho.startsWith("QuadroHiper")) return true;
  if (janela == "zelmo TfrmMain" || janela == "zelmo TfrmSenha")
    return caminho.endsWith("Label1") || caminho.endsWith("Label2");
  return false;
}

// A control of the design: named, as is every window's component, and not
// a part of a composite control (a list's viewport, a browser's surface).
bool DoDesenho(const QWidget* w, const QWidget* janela) {
  for (const QWidget* p = w; p && p != janela; p = p->parentWidget()) {
    const QString nome = p->objectName();
    if (nome.isEmpty() || nome.startsWith("qt_")) return false;
    if (p != w && qobject_cast<const QAbstractScrollArea*>(p)) return false;
  }
  return true;
}

QString Caminho(const QWidget* w, const QWidget* janela) {
  QStringList nomes;
  for (const QWidget* p = w; p && p != janela; p = p->parentWidget()) nomes.prepend(p->objectName());
  return nomes.join('/');
}

struct Controle {
  QString caminho;
  QRect geometria;      // in its parent
  QRect naJanela;       // in the window
  QString pai;
};

struct Retrato {
  QSize tamanho;
  QRect geometria;
  bool telaInteira = false;
  std::vector<Controle> controles;
};

Retrato Retrata(QWidget* janela) {
  Retrato r;
  r.tamanho = janela->size();
  r.geometria = janela->geometry();
  const Tela t = platform::TelaAtual();
  r.telaInteira = janela->size() == QSize(t.largura, t.altura);
  for (QWidget* w : janela->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(janela) || !DoDesenho(w, janela)) continue;
    r.controles.push_back({Caminho(w, janela), w->geometry(),
                           QRect(w->mapTo(janela, QPoint(0, 0)), w->size()),
                           Caminho(w->parentWidget(), janela)});
  }
  return r;
}

// Every window of both programs, built at the current screen.
class Programas {
 public:
  Programas() {
    zelmo::PastaDoPrograma = pasta_.caminho();
    auto* principal = new zelmo::TfrmMain;
    Guarda("zelmo TfrmMain", principal);
    Guarda("zelmo TfrmSplash", new zelmo::TfrmSplash);
    Guarda("zelmo TfrmSenha", new zelmo::TfrmSenha);
    Guarda("zelmo TfrmAviso", new zelmo::TfrmAviso);
    for (int tipo = 0; tipo <= 12; ++tipo)
      if (QDialog* j = zelmo::CriaJanela(tipo, nullptr)) Guarda(QString("zelmo tipo %1").arg(tipo), j);

    pravo::DirPrograma = files::DirProgramaDe(pasta_.caminho());
    auto* menu = new pravo::TfrmMain;
    Guarda("pravo TfrmMain", menu);
    Guarda("pravo TfrmAjuda", new pravo::TfrmAjuda);
    Guarda("pravo TfrmSplash", new pravo::TfrmSplash);
    pravo::CriaJanelas(menu);
    for (const QString& classe : pravo::OrdemDeCriacao())
      if (QDialog* j = pravo::Janela(classe)) janelas_.push_back({"pravo " + classe, j});
  }
  ~Programas() {
    pravo::DestroiJanelas();
    for (auto& [nome, j] : proprias_) delete j;
  }

  QMap<QString, Retrato> Retratos() const {
    QMap<QString, Retrato> r;
    for (const auto& [nome, j] : janelas_)
      if (j) r.insert(nome, Retrata(j));
    return r;
  }

 private:
  void Guarda(const QString& nome, QWidget* j) {
    janelas_.push_back({nome, j});
    proprias_.push_back({nome, QPointer<QWidget>(j)});
  }

  apoio::PastaTemporaria pasta_;
  std::vector<std::pair<QString, QPointer<QWidget>>> janelas_;
  std::vector<std::pair<QString, QPointer<QWidget>>> proprias_;
};

QMap<QString, Retrato> RetratosEm(const Tela& tela) {
  platform::DefineTela(tela);
  Programas programas;
  return programas.Retratos();
}

// The rules' arithmetic, as the window system's MulDiv.
int MulDiv(int a, int M, int D) { return static_cast<int>(std::llround(static_cast<double>(a) * M / D)); }

QRect Escalado(const QRect& r, int M, int D) {
  const int x = MulDiv(r.x(), M, D), y = MulDiv(r.y(), M, D);
  return QRect(x, y, MulDiv(r.right() + 1, M, D) - x, MulDiv(r.bottom() + 1, M, D) - y);
}

QRect PelaRegra(const QRect& r, const Tela& tela, const platform::Razao& razao) {
  QRect q = r;
  if (tela.dpi != 120) q = Escalado(q, tela.dpi, 120);
  return Escalado(q, razao.M, razao.D);
}

struct CasoTela {
  Tela tela;
  bool regraExata;  // the rules keep the whole design on this screen
};

void PrintTo(const CasoTela& c, std::ostream* os) {
  *os << c.tela.largura << "x" << c.tela.altura << " at " << c.tela.dpi << " dpi";
}

class TelasTeste : public ::testing::TestWithParam<CasoTela> {
 protected:
  static void SetUpTestSuite() {
    apoio::Aplicacao();
    zelmo::RegistraPaginas();
    zelmo::RegistraAtividades();
    pravo::RegistraJanelasAutoria();
    pravo::RegistraEditores();
    pravo::RegistraDocumentos();
    desenho_ = new QMap<QString, Retrato>(RetratosEm(kDesenho));
    platform::UsaTelaReal();
  }
  static void TearDownTestSuite() {
    delete desenho_;
    desenho_ = nullptr;
  }
  void TearDown() override { platform::UsaTelaReal(); }

  static QMap<QString, Retrato>* desenho_;
};

QMap<QString, Retrato>* TelasTeste::desenho_ = nullptr;

TEST_P(TelasTeste, TodaJanelaCabeNaTelaComOsControlesNoLugar) {
  const CasoTela& c = GetParam();
  const QMap<QString, Retrato> retratos = RetratosEm(c.tela);
  const QRect tela(c.tela.x, c.tela.y, c.tela.largura, c.tela.altura);
  ASSERT_EQ(retratos.keys(), desenho_->keys());
  EXPECT_GE(retratos.size(), 40);

  for (auto it = retratos.begin(); it != retratos.end(); ++it) {
    const QString& nome = it.key();
    const Retrato& r = it.value();
    const Retrato& d = (*desenho_)[nome];
    SCOPED_TRACE(nome.toStdString());

    EXPECT_LE(r.tamanho.width(), tela.width());
    EXPECT_LE(r.tamanho.height(), tela.height());
    if (d.telaInteira) {
      EXPECT_EQ(r.geometria, tela);
    }

    QMap<QString, const Controle*> doDesenho;
    for (const Controle& k : d.controles) doDesenho.insert(k.caminho, &k);

    for (const Controle& k : r.controles) {
      SCOPED_TRACE(k.caminho.toStdString());
      if (k.naJanela.isEmpty()) continue;
      EXPECT_TRUE(QRect(QPoint(), r.tamanho).contains(k.naJanela))
          << "at " << k.naJanela.x() << "," << k.naJanela.y() << " " << k.naJanela.width() << "x"
          << k.naJanela.height() << " in " << r.tamanho.width() << "x" << r.tamanho.height();
      const Controle* k0 = doDesenho.value(k.caminho);
      if (!k0 || SemDesenho(nome)) continue;
      if (c.regraExata && !DispostoPelaJanela(nome, k.caminho)) {
        const bool cheia = nome.startsWith("zelmo") && d.telaInteira;
        const auto razao = cheia ? platform::RazaoTelaCheia(c.tela) : platform::RazaoJanelaPequena(c.tela);
        EXPECT_EQ(k.geometria, PelaRegra(k0->geometria, c.tela, razao));
      }
    }

    // Siblings that the design keeps apart never meet.
    if (SemDesenho(nome)) continue;
    for (size_t i = 0; i < r.controles.size(); ++i) {
      for (size_t j = i + 1; j < r.controles.size(); ++j) {
        const Controle& a = r.controles[i];
        const Controle& b = r.controles[j];
        if (a.pai != b.pai || a.geometria.isEmpty() || b.geometria.isEmpty()) continue;
        const Controle* a0 = doDesenho.value(a.caminho);
        const Controle* b0 = doDesenho.value(b.caminho);
        if (!a0 || !b0 || a0->geometria.intersects(b0->geometria)) continue;
        EXPECT_FALSE(a.geometria.intersects(b.geometria)) << a.caminho.toStdString() << " meets "
                                                          << b.caminho.toStdString();
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Telas, TelasTeste,
    ::testing::Values(CasoTela{{1024, 768, 96}, true}, CasoTela{{1280, 960, 120}, true},
                      CasoTela{{1280, 1024, 96}, true}, CasoTela{{1366, 768, 96}, false},
                      CasoTela{{1920, 1080, 96}, false}, CasoTela{{2560, 1440, 144}, false},
                      CasoTela{{1080, 1920, 96}, true}),
    [](const auto& info) {
      return std::to_string(info.param.tela.largura) + "x" + std::to_string(info.param.tela.altura) + "a" +
             std::to_string(info.param.tela.dpi);
    });

}  // namespace
