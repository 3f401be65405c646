#include "authoring/editors/frases.h"

#include "authoring/editors/controles.h"
#include "authoring/global.h"

namespace pravo {

TfrmEditFra::TfrmEditFra(QWidget* dono)
    : FormFrase({QStringLiteral("Editor de Arquivo de Frases - "), QStringLiteral("Frase"), &ArqFrases,
                 &DadosFrases,
                 QStringLiteral("Para quer as Atividades funcionem corretamente,\n"
                                "é necessário um Mínimo de 5 Frases.")},
                FraseAtual, "memFrase", QStringLiteral("Frase:"), dono),
      memFrase(memTexto) {
  setObjectName(QStringLiteral("frmEditFra"));
}

bool TfrmEditFra::Valida() {
  if (!Preenchido(memFrase->Texto(), memFrase, QStringLiteral("O campo \"Frase\" está vazio !")) ||
      !Preenchido(memCorreta->Texto(), memCorreta, QStringLiteral("O campo \"Opção Correta\" está vazio !")))
    return false;
  for (Memo* m : {memErrada1, memErrada2, memErrada3})
    if (!Preenchido(m->Texto(), m, QStringLiteral("O campo \"Opção Incorreta\" está vazio !"))) return false;
  return ConfereLacunas();
}

int TfrmEditFra::Lacunas(const QString& frase) {
  int n = 0;
  bool dentro = false;
  for (const QChar c : frase) {
    const bool sub = c == u'_';
    if (sub && !dentro) ++n;
    dentro = sub;
  }
  return n;
}

int TfrmEditFra::Itens(const QString& opcao) { return 1 + static_cast<int>(opcao.count(u';')); }

bool TfrmEditFra::ConfereLacunas() {
  const int lacunas = Lacunas(memFrase->Texto());
  bool iguais = true;
  for (Memo* m : {memCorreta, memErrada1, memErrada2, memErrada3})
    if (Itens(m->Texto()) != lacunas) iguais = false;
  if (iguais) return true;
  Aviso(QStringLiteral("A quantidade de lacunas na Frase é diferente da\n"
                       "quantidade de opções de preenchimento."));
  memFrase->setFocus();
  return false;
}

}  // namespace pravo
