#include "authoring/global.h"

namespace pravo {

QString DirPrograma;
QString DirAssunto;
QString DirLocal;
QString DirHiper;
QString DirTesteHTML;
int TipoArquivo = 0;
QString ArqConfig;
QString ArqAssunto;
QString ArqRelatorio;
QString ArqPalavras;
QString ArqFrases;
QString ArqTestes;
QString ArqTesteHTML;
QString ArqLocal;
QString ArqHiper;

files::RecordFile DadosConfig(files::RegConfig::Tamanho);
files::RegConfig Configuracao;
files::RecordFile DadosPalavras(files::RegPalavra::Tamanho);
files::RegPalavra PalavraAtual;
files::RecordFile DadosFrases(files::RegFrase::Tamanho);
files::RegFrase FraseAtual;
files::RecordFile DadosTestes(files::RegFrase::Tamanho);
files::RegFrase TesteAtual;
files::RecordFile DadosLocal(files::RegFigura::Tamanho);
files::RegFigura FiguraAtual;
files::RecordFile DadosAssunto(files::RegPagina::Tamanho);
files::RegPagina AtividadeAtual;
files::RecordFile DadosHiper(files::RegHiper::Tamanho);
files::RegHiper PaginaHiper;
files::RecordFile DadosItens(files::RegItem::Tamanho);
files::RegItem ItemHiper;
files::RecordFile DadosTesteHTML(files::RegTesteHTML::Tamanho);
files::RegTesteHTML TesteHTMLAtual;

files::Aleatorio Gerador;

void ReiniciaGlobais() {
  for (QString* s : {&DirPrograma, &DirAssunto, &DirLocal, &DirHiper, &DirTesteHTML, &ArqConfig,
                     &ArqAssunto, &ArqRelatorio, &ArqPalavras, &ArqFrases, &ArqTestes,
                     &ArqTesteHTML, &ArqLocal, &ArqHiper})
    s->clear();
  TipoArquivo = 0;
  for (files::RecordFile* f : {&DadosConfig, &DadosPalavras, &DadosFrases, &DadosTestes,
                               &DadosLocal, &DadosAssunto, &DadosHiper, &DadosItens,
                               &DadosTesteHTML})
    if (f->aberto()) f->Fecha();
  Configuracao = {};
  PalavraAtual = {};
  FraseAtual = {};
  TesteAtual = {};
  FiguraAtual = {};
  AtividadeAtual = {};
  PaginaHiper = {};
  ItemHiper = {};
  TesteHTMLAtual = {};
  Gerador.Semeia(0);
}

}  // namespace pravo
