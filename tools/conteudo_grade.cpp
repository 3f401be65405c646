// The board activities of the demonstration subject: a word search and a
// crossword over the words of letters only, two rounds each.
#include "files/registros.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

files::RegPagina PaginaDeGrade(int tipo, int quant) {
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = QString::fromLatin1(kArquivoGrade);
  p.Rodadas = 2;
  p.Quant = quant;
  p.Porcent = 50;
  p.Ajuda = true;
  p.Alfabeto = true;  // the crossword shows its on-screen alphabet
  return p;
}

}  // namespace

QList<files::RegPagina> GravaConteudoGrade() {
  return {PaginaDeGrade(files::kCacaPalavras, 8), PaginaDeGrade(files::kPalavrasCruzadas, 6)};
}

}  // namespace gerador
