// Laying out the board of word search and crossword, and showing their
// windows.  Goals: a board of 20 words under 5 ms, the worst case of 20
// redraws included; a window shown with its 400 cells, its first round laid
// out and painted, under 50 ms.
//
// How it is measured: the board is built from records held in memory (the
// same drawing the windows make over the words file), with a new seed each
// time, median of 200.  The worst case draws from words that share no
// character, so every redraw replaces the 19 words after the first and
// none is ever placed.  The window is created, shown, activated over a words
// file in a temporary subject folder (which reads and draws its records,
// lays out the board and fills the panels) and painted, median of 7.  Runs
// offscreen unless a display is chosen.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "player/activities/cp.h"
#include "player/activities/pcs.h"
#include "player/activities/rules/jogo_cp.h"
#include "player/activities/rules/jogo_pcs.h"
#include "player/global.h"

namespace {

constexpr double kMetaTabuleiroMs = 5;
constexpr double kMetaJanelaMs = 50;

// Records as the authoring program stores them, read from memory.
class FonteMemoria : public zelmo::regras::FonteRegistros {
 public:
  explicit FonteMemoria(const QList<files::RegPalavra>& r) {
    for (const auto& p : r) bytes_.append(p.ParaBytes());
  }
  qint64 Conta() override { return bytes_.size(); }
  QByteArray Le(qint64 n) override { return bytes_.at(n - 1); }

 private:
  QList<QByteArray> bytes_;
};

files::RegPalavra Registro(const QString& palavra) {
  files::RegPalavra r;
  r.Palavra = palavra;
  r.DefineDica("Dica de " + palavra + ", longa como a de um professor que explica o termo.");
  r.Prepara();
  return r;
}

QList<files::RegPalavra> Vocabulario() {
  const char* palavras[] = {
      "coração",  "artéria",   "veia",        "aorta",     "valva mitral", "ventrículo", "átrio",
      "capilar",  "hemácia",   "plaqueta",    "miocárdio", "marca-passo",  "pressão arterial",
      "pulsação", "sangue",    "glóbulo",     "sístole",   "diástole",     "coronária",  "circulação",
      "oxigênio", "pulmão",    "linfa",       "plasma",    "leucócito",    "endocárdio", "pericárdio",
      "válvula",  "tricúspide", "safena",     "carótida",  "jugular",      "femoral",    "arteríola",
      "vênula",   "hemoglobina", "trombo",    "embolia",   "infarto",      "arritmia"};
  QList<files::RegPalavra> r;
  for (const char* p : palavras) r.append(Registro(QString::fromUtf8(p)));
  return r;
}

// Forty words of one character each, no two alike: nothing ever crosses.
QList<files::RegPalavra> SemCruzamentos() {
  QList<files::RegPalavra> r;
  const QString caracteres = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÇÈÉÊËÌÍÎÏÑÒ");
  for (int i = 0; i < 40; ++i) r.append(Registro(QString(10, caracteres[i])));
  return r;
}

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class T>
double MedeTabuleiro(const QList<files::RegPalavra>& registros, int* redistribuicoes, int* n) {
  FonteMemoria fonte(registros);
  std::vector<double> tempos;
  for (uint32_t s = 1; s <= 200; ++s) {
    files::Aleatorio g(s * 2654435761u);
    T t(5, 20, g);
    QElapsedTimer relogio;
    relogio.start();
    t.Monta(20, zelmo::regras::SorteioDaFonte(fonte, g));
    tempos.push_back(relogio.nsecsElapsed() / 1e6);
    *redistribuicoes = std::max(*redistribuicoes, t.redistribuicoes());
    *n = t.N();
  }
  return Mediana(tempos);
}

template <class J>
double MedeJanela() {
  std::vector<double> tempos;
  for (int i = 0; i < 7; ++i) {
    QElapsedTimer relogio;
    relogio.start();
    J janela;
    janela.show();
    janela.FormActivate();
    QCoreApplication::processEvents();
    janela.repaint();
    tempos.push_back(relogio.nsecsElapsed() / 1e6);
  }
  return Mediana(tempos);
}

const char* Meta(double ms, double meta) { return ms < meta ? "met" : "NOT MET"; }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  int redistribuicoes = 0, n = 0;
  const double cp = MedeTabuleiro<zelmo::regras::CacaPalavras>(Vocabulario(), &redistribuicoes, &n);
  std::printf("word-search board, 20 of 40 words (median of 200): %.3f ms  goal: < %.0f ms  %s"
              "  (up to %d redraws; %d words on the last board)\n",
              cp, kMetaTabuleiroMs, Meta(cp, kMetaTabuleiroMs), redistribuicoes, n);
  redistribuicoes = n = 0;
  const double pcs = MedeTabuleiro<zelmo::regras::Cruzadas>(Vocabulario(), &redistribuicoes, &n);
  std::printf("crossword board, 20 of 40 words (median of 200):   %.3f ms  goal: < %.0f ms  %s"
              "  (up to %d redraws; %d words on the last board)\n",
              pcs, kMetaTabuleiroMs, Meta(pcs, kMetaTabuleiroMs), redistribuicoes, n);
  redistribuicoes = n = 0;
  const double pior = MedeTabuleiro<zelmo::regras::Cruzadas>(SemCruzamentos(), &redistribuicoes, &n);
  std::printf("worst case, 20 redraws of 19 words (median of 200): %.3f ms  goal: < %.0f ms  %s"
              "  (%d redraws; %d word on the board)\n",
              pior, kMetaTabuleiroMs, Meta(pior, kMetaTabuleiroMs), redistribuicoes, n);

  // The windows over a words file of the same forty words.
  QTemporaryDir dir;
  zelmo::DirAssunto = dir.path() + "/";
  QList<QByteArray> registros;
  for (const auto& r : Vocabulario()) registros.append(r.ParaBytes());
  files::RecordFile::Reescreve(zelmo::DirAssunto + "p.plv", files::RegPalavra::Tamanho, registros);
  files::RegPagina pagina;
  pagina.Arquivo = "p.plv";
  pagina.Quant = 20;
  pagina.Rodadas = 5;
  zelmo::AtividadeAtual = pagina;
  const double jcp = MedeJanela<zelmo::TfrmCP>();
  std::printf("word-search window shown, laid out, painted (median of 7): %.1f ms  goal: < %.0f ms  %s\n", jcp,
              kMetaJanelaMs, Meta(jcp, kMetaJanelaMs));
  zelmo::AtividadeAtual.Tipo = files::kPalavrasCruzadas;
  const double jpcs = MedeJanela<zelmo::TfrmPCs>();
  std::printf("crossword window shown, laid out, painted (median of 7):   %.1f ms  goal: < %.0f ms  %s\n", jpcs,
              kMetaJanelaMs, Meta(jpcs, kMetaJanelaMs));
  return 0;
}
