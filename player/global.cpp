#include "player/global.h"

#include "player/despachante.h"

namespace zelmo {

QString DirPrograma;
QString ArqConfig;
QString NomeAssunto;
QString NomeRelatorio;
QString ArqAssunto;
QString DirAssunto;
QString ArqRelatorio;

QString ArqRTF;
QString ArqHiper;
QString ArqHTML;
QString ArqPalavras;
QString ArqFrases;
QString ArqLocal;
QString ArqTesteHTML;

files::RegPagina AtividadeAtual;
files::RegPagina UltimaPagina;  // Tipo := -1 by TfrmMain.FormCreate
bool UltimaAtividade = false;

QStringList LinhasRelatorio;
QStringList ListaErros;

TfrmMain* frmMain = nullptr;
QDialog* frmRTF = nullptr;
QDialog* frmHiper = nullptr;
QDialog* frmHTML = nullptr;
TfrmSenha* frmSenha = nullptr;
TfrmAviso* frmAviso = nullptr;

QString PastaDoPrograma;

files::Aleatorio Gerador;
files::Relogio* Relogio = &files::RelogioSistema::Instancia();

void ReiniciaGlobais() {
  DirPrograma.clear();
  ArqConfig.clear();
  NomeAssunto.clear();
  NomeRelatorio.clear();
  ArqAssunto.clear();
  DirAssunto.clear();
  ArqRelatorio.clear();
  ArqRTF.clear();
  ArqHiper.clear();
  ArqHTML.clear();
  ArqPalavras.clear();
  ArqFrases.clear();
  ArqLocal.clear();
  ArqTesteHTML.clear();
  AtividadeAtual = files::RegPagina();
  UltimaPagina = files::RegPagina();
  UltimaPagina.Tipo = -1;
  UltimaAtividade = false;
  LinhasRelatorio.clear();
  ListaErros.clear();
  Gerador.Semeia(0);
  Relogio = &files::RelogioSistema::Instancia();
  ReiniciaEncerramento();
}

}  // namespace zelmo
