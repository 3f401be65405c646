// A text channel bound to a printer, as a line printer: opening it starts a
// print job, each written line is drawn on the page in the channel's font
// below the one before, a form-feed character (code 12) starts a new page,
// a line that no longer fits on the page starts one too, and closing the
// channel ends the job.
#pragma once

#include <QFont>
#include <QString>

class QPainter;
class QPrinter;

namespace platform {

class ImpressoraTexto {
 public:
  explicit ImpressoraTexto(QPrinter& impressora);
  ~ImpressoraTexto();  // closes the channel when still open
  ImpressoraTexto(const ImpressoraTexto&) = delete;
  ImpressoraTexto& operator=(const ImpressoraTexto&) = delete;

  // Starts the job; false when the printer cannot begin one.
  bool Abre();
  bool aberta() const;

  // The font of the lines written from now on (its point size is measured
  // on the printer's resolution).
  void DefineFonte(const QFont& fonte);
  QFont fonte() const { return fonte_; }

  // Writes one line.  Each form feed inside it ends the page; the text after
  // it goes on at the top of the next.  Nothing happens while closed.
  void EscreveLinha(const QString& linha);

  // Ends the job.  A job in which nothing was written still sends its one
  // (empty) page.
  void Fecha();

  // Pages begun so far in this job (1 right after Abre).
  int paginas() const { return paginas_; }

 private:
  void NovaPagina();
  void Desenha(const QString& texto);

  QPrinter& impressora_;
  QPainter* pintor_ = nullptr;
  QFont fonte_;
  int y_ = 0;  // top of the next line, device pixels from the page's top
  int paginas_ = 0;
};

}  // namespace platform
