// Writes the program folder: the blank page, Zelmo2.cfg, the shared media,
// the programs' icons, the help page and the demonstration subject.  Run at every build; running
// it again gives the same files.  Reports in the subject folder are the
// students' and are never touched.
//
//   GeraPrograma <program folder>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "platform/icone_programa.h"
#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

// The subject folder holds only what this build writes, and the reports.
void LimpaAssunto(const QString& dirAssunto) {
  QDir dir(dirAssunto);
  for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (info.suffix().compare("rel", Qt::CaseInsensitive) == 0) continue;
    QFile::remove(info.absoluteFilePath());
  }
}

QByteArray PaginaEmBranco() {
  return "<!DOCTYPE html>\n"
         "<html>\n"
         "<head><meta charset=\"windows-1252\"><title></title></head>\n"
         "<body bgcolor=\"#FFFFFF\"></body>\n"
         "</html>\n";
}

// The pictures of the desktop menu's entries (the installed program folder's
// entries point at them).
void GravaIcones(const QString& dirPrograma) {
  GravaImagem(platform::ImagemIconePrograma(platform::Programa::Zelmo, 128), dirPrograma + "Zelmo2.png");
  GravaImagem(platform::ImagemIconePrograma(platform::Programa::Pravo, 128), dirPrograma + "Pravo2.png");
}

void GravaConfiguracao(const QString& dirPrograma) {
  files::RegConfig cfg;
  cfg.NomeAssunto = QString::fromUtf8(kAssuntoDemo);
  cfg.NomeRelatorio = QString::fromUtf8(kRelatorioDemo);
  cfg.Prepara();
  files::RecordFile::Reescreve(dirPrograma + "Zelmo2.cfg", files::RegConfig::Tamanho,
                               {cfg.ParaBytes()});
}

void GravaAssunto(const QString& dirPrograma) {
  const QString nome = QString::fromUtf8(kAssuntoDemo);
  const QString dirAssunto = dirPrograma + nome + "/";
  CriaPasta(dirAssunto);
  LimpaAssunto(dirAssunto);

  QList<files::RegPagina> paginas = GravaConteudoPaginas(dirAssunto);
  // The opening page plays a tune through the media player (MIDI).
  GravaMusicaDemo(dirAssunto + "musica.mid");
  if (!paginas.isEmpty() && paginas.front().Som.isEmpty()) paginas.front().Som = "musica.mid";
  paginas += GravaConteudoHiper(dirAssunto);
  paginas += GravaConteudoAtividades(dirAssunto);
  paginas += GravaConteudoGrade();
  paginas += GravaConteudoExercicios(dirAssunto);
  paginas += GravaConteudoLocal(dirAssunto);
  if (paginas.isEmpty()) {
    // Nothing to play yet: one page without a kind, so a run still shows the
    // login and writes its report header.
    paginas.append(files::RegPagina());
  }
  QList<QByteArray> registros;
  for (files::RegPagina& p : paginas) {
    p.Prepara();
    registros.append(p.ParaBytes());
  }
  files::RecordFile::Reescreve(dirAssunto + nome + ".ast", files::RegPagina::Tamanho, registros);
}

}  // namespace

int GeraPrograma(const QString& pasta) {
  QString dirPrograma = QDir::cleanPath(QDir(pasta).absolutePath());
  if (!dirPrograma.endsWith('/')) dirPrograma += '/';
  CriaPasta(dirPrograma);
  GravaArquivo(dirPrograma + "branco.htm", PaginaEmBranco());
  GravaConfiguracao(dirPrograma);
  GravaMidia(dirPrograma);
  GravaIcones(dirPrograma);
  GravaAjuda(dirPrograma);
  GravaAssunto(dirPrograma);
  return 0;
}

}  // namespace gerador

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: GeraPrograma <program folder>\n");
    return 2;
  }
  try {
    return gerador::GeraPrograma(QString::fromLocal8Bit(argv[1]));
  } catch (const files::IoError& e) {
    std::fprintf(stderr, "GeraPrograma: %s: %s\n", e.what(), qPrintable(e.path()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "GeraPrograma: %s\n", e.what());
  }
  return 1;
}
