// Writing the 1 MB rich-text document of the reader's benchmark back as RTF,
// as the rich-text editor saves it.  Goal: under 100 ms, and no longer than
// reading it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>

#include "documento_rtf.h"
#include "platform/rtf/escritor.h"
#include "platform/rtf/leitor.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QByteArray bytes = bench::DocumentoRTF();
  QTemporaryDir dir;
  const QString caminho = dir.filePath("salvo.rtf");

  QTextDocument doc;
  std::vector<double> leitura, escrita, gravacao;
  QByteArray escrito;
  for (int i = 0; i < 7; ++i) {
    QElapsedTimer t;
    t.start();
    platform::LeRTF(bytes, &doc);
    leitura.push_back(t.nsecsElapsed() / 1e6);
    t.restart();
    escrito = platform::EscreveRTF(doc);
    escrita.push_back(t.nsecsElapsed() / 1e6);
    t.restart();
    if (!platform::GravaTextoRico(caminho, doc)) return 1;
    gravacao.push_back(t.nsecsElapsed() / 1e6);
  }
  const double le = bench::Mediana(leitura), escreve = bench::Mediana(escrita);
  std::printf("RTF document: %.2f MB read, %.2f MB written, %d blocks\n", bytes.size() / 1048576.0,
              escrito.size() / 1048576.0, doc.blockCount());
  std::printf("read into a document (median of 7):  %.1f ms\n", le);
  std::printf("write the document as RTF (median):  %.1f ms  goal: < 100 ms and <= reading  %s\n", escreve,
              escreve < 100 && escreve <= le ? "met" : "NOT MET");
  std::printf("write and save it to a file:         %.1f ms  (for information)\n", bench::Mediana(gravacao));
  return 0;
}
