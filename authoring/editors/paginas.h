// TfrmEditAst: the page-list editor.  One RegPagina per page of the current
// subject file (.ast), in the order in which the player shows the pages.
#pragma once

#include "authoring/editors/editor_registros.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace pravo {

class GrupoRadio;
class SpinEdit;

class TfrmEditAst : public EditorRegistros {
  Q_OBJECT
 public:
  explicit TfrmEditAst(QWidget* dono = nullptr);

  qint64 PaginaAtual() const { return RegistroAtual(); }
  qint64 NumPaginas() const { return NumRegistros(); }

  bool Valida() override;
  // The data files of the chosen kind, after " nenhum ", nothing chosen.
  void ListaArquivos();
  // The sound files (.wav, .mid), after " nenhum ", nothing chosen.
  void ListaSons();
  // Enables the fields that the chosen kind uses; sets lblQuant.
  void HabilitaCampos();
  // The author chose a kind.
  void cboTipoChange();

  QComboBox* cboTipo;
  QComboBox* cboArquivo;
  QComboBox* cboSom;
  SpinEdit* spnRodadas;
  SpinEdit* spnQuant;
  SpinEdit* spnPorcent;
  GrupoRadio* rgpOrdem;
  GrupoRadio* rgpDica;
  QCheckBox* chkRetorno;
  QCheckBox* chkAvanco;
  QCheckBox* chkSair;
  QCheckBox* chkAjuda;
  QCheckBox* chkImprimir;
  QCheckBox* chkAlfabeto;
  QLabel* lblRodadas;
  QLabel* lblQuant;
  QLabel* lblPorcent;

 protected:
  void Limpa() override;
  QByteArray ParaRegistro() override;
  void DoRegistro(const QByteArray& bytes) override;

 private:
  int tipoListado_ = -1;
};

}  // namespace pravo
