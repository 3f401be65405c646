#include "player/activities/rodadas.h"

namespace zelmo {

TfrmRodadas::TfrmRodadas(QWidget* dono, const DesenhoExercicio& desenho, const regras::FormatoDados& formato,
                         QString* caminho, const char* poucos)
    : TfrmExercicio(dono, desenho), formato_(formato), caminho_(caminho), poucos_(poucos) {}

TfrmRodadas::~TfrmRodadas() = default;

void TfrmRodadas::ZeraContadores() {
  TfrmExercicio::ZeraContadores();
  lblRodada->setText(QStringLiteral("Rodada 1 de %1").arg(AtividadeAtual.Rodadas));
}

bool TfrmRodadas::Iniciar() {
  const qint64 registros = AbreDados(formato_, caminho_);
  if (registros < 0) return false;
  if (!regras::RegistrosBastam(registros)) {
    FalhaDeCarga(QString::fromUtf8(poucos_));
    return false;
  }
  jogo_ = CriaJogo(AtividadeAtual.Rodadas);
  return true;
}

void TfrmRodadas::Proximo() {
  if (!jogo_) return;
  if (!jogo_->Proximo()) {
    Conclui(jogo_->Erros());
    return;
  }
  Limpa();
  if (!SorteiaRodada()) return;
  lblRodada->setText(jogo_->Rodada());
  MostraRodada();
}

void TfrmRodadas::Julga(const regras::Julgado& j) {
  ListaErros += j.linhas;
  MostraRodada();
  MostraContagem(j.certas, j.erradas);
  Julgou(j.resolvido());
}

}  // namespace zelmo
