#include "authoring/editors/testes.h"

#include "authoring/editors/controles.h"
#include "authoring/global.h"

namespace pravo {

TfrmEditTst::TfrmEditTst(QWidget* dono)
    : FormFrase({QStringLiteral("Editor de Arquivo de Testes - "), QStringLiteral("Teste"), &ArqTestes,
                 &DadosTestes,
                 QStringLiteral("Para quer as Atividades funcionem corretamente,\n"
                                "é necessário um Mínimo de 5 Testes.")},
                TesteAtual, "memTeste", QStringLiteral("Teste:"), dono),
      memTeste(memTexto) {
  setObjectName(QStringLiteral("frmEditTst"));
}

bool TfrmEditTst::Valida() {
  return Preenchido(memTeste->Texto(), memTeste, QStringLiteral("O campo \"Teste\" está vazio !")) &&
         Preenchido(memCorreta->Texto(), memCorreta, QStringLiteral("O campo \"Opção Correta\" está vazio !"));
}

}  // namespace pravo
