// The authoring program's shared state (unit Global).  All texts start
// empty; the paths are whole file or folder paths.
#pragma once

#include <QString>

#include "files/arquivo_registros.h"
#include "files/convencoes.h"
#include "files/registros.h"

namespace pravo {

extern QString DirPrograma;    // program folder, lower-cased, ending in "/"
extern QString DirAssunto;     // current subject folder, lower-cased, ending in "/"
extern QString DirLocal;       // folder of the current locate file
extern QString DirHiper;       // folder of the current hypertext page
extern QString DirTesteHTML;   // folder of the current HTML-tests file
extern int TipoArquivo;        // the file kind the chooser offers, 0 to 7
extern QString ArqConfig;
extern QString ArqAssunto;
extern QString ArqRelatorio;
extern QString ArqPalavras;
extern QString ArqFrases;
extern QString ArqTestes;
extern QString ArqTesteHTML;
extern QString ArqLocal;
extern QString ArqHiper;

// One record file and one record buffer per format.
extern files::RecordFile DadosConfig;
extern files::RegConfig Configuracao;
extern files::RecordFile DadosPalavras;
extern files::RegPalavra PalavraAtual;
extern files::RecordFile DadosFrases;
extern files::RegFrase FraseAtual;
extern files::RecordFile DadosTestes;
extern files::RegFrase TesteAtual;
extern files::RecordFile DadosLocal;
extern files::RegFigura FiguraAtual;
extern files::RecordFile DadosAssunto;
extern files::RegPagina AtividadeAtual;
extern files::RecordFile DadosHiper;
extern files::RegHiper PaginaHiper;
extern files::RecordFile DadosItens;
extern files::RegItem ItemHiper;
extern files::RecordFile DadosTesteHTML;
extern files::RegTesteHTML TesteHTMLAtual;

// The program's one random generator.
extern files::Aleatorio Gerador;

// Puts every global back to its state at program start (tests use it).
void ReiniciaGlobais();

}  // namespace pravo
