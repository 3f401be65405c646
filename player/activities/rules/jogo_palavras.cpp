#include "player/activities/rules/jogo_palavras.h"

#include <algorithm>

#include "files/convencoes.h"
#include "player/activities/rules/palavras.h"

namespace zelmo::regras {

void DesenhaEstagio(Figura& f, int n) {
  switch (n) {
    case 1: f.cabeca = true; break;
    case 2: f.corpo = true; break;
    case 3: f.braco1 = f.braco2 = true; break;
    case 4: f.perna1 = f.perna2 = true; break;
    case 5:
      f = Figura{};
      f.banco = false;
      f.ossos = true;
      break;
    default: break;
  }
}

JogoPalavras::JogoPalavras(QList<files::RegPalavra> palavras, int modoDica)
    : rotulos_(kTamanhoPalavra), visiveis_(kTamanhoPalavra, false),
      palavras_(std::move(palavras)), modoDica_(modoDica) {}

QString JogoPalavras::palavra() const {
  if (indice_ < 0 || indice_ >= N()) return {};
  return palavras_[indice_].Palavra.left(kTamanhoPalavra);
}

QString JogoPalavras::dica() const {
  if (indice_ < 0 || indice_ >= N()) return {};
  return palavras_[indice_].Dica();
}

QString JogoPalavras::rotulo(int i) const {
  return i >= 1 && i <= kTamanhoPalavra ? rotulos_[i - 1] : QString();
}

bool JogoPalavras::visivel(int i) const { return i >= 1 && i <= kTamanhoPalavra && visiveis_[i - 1]; }

bool JogoPalavras::resolvida() const {
  const int l = L();
  for (int i = 0; i < l; ++i)
    if (rotulos_[i].isEmpty()) return false;
  return true;
}

void JogoPalavras::Limpa() {
  figura_ = Figura{};
  for (int i = 0; i < kTamanhoPalavra; ++i) {
    rotulos_[i].clear();
    visiveis_[i] = false;
  }
}

bool JogoPalavras::Proximo() {
  if (indice_ < N()) ++indice_;
  if (indice_ > N() - 1) return false;
  errosPalavra_ = 0;
  dicaDisponivel_ = modoDica_ == kDicaSolicita;
  PreparaPalavra();
  return true;
}

QString JogoPalavras::Rodada() const {
  return "Palavra " + QString::number(indice_ + 1) + " de " + QString::number(N());
}

QString JogoPalavras::DicaNaPalavra() const { return modoDica_ == kDicaSempre ? dica() : QString(); }

QString JogoPalavras::PedeDica() {
  if (!dicaDisponivel_ || concluida() || indice_ < 0) return {};
  dicaDisponivel_ = false;
  ++dicasPedidas_;
  return dica();
}

void JogoPalavras::MostraResposta() {
  const QString p = palavra();
  for (int i = 0; i < p.size(); ++i) rotulos_[i] = p[i];
}

int JogoPalavras::Porcentagem() const { return files::Porcentagem(std::max(indice_, 0), N()); }

QStringList JogoPalavras::LinhasContagem(int consultas) const {
  const QString n = QString::number(N());
  QStringList linhas{"Quantidade de Palavras: " + n + " - Palavras Corretas: " + QString::number(corretas()) +
                     " - Palavras Erradas: " + QString::number(perdidas_) +
                     " - Consultas: " + QString::number(consultas)};
  const QString resolucao = QString::fromUtf8("Resolução: ") + QString::number(Porcentagem()) + " % - ";
  if (dicasPedidas_ == 0)
    linhas.append(resolucao + QString::fromUtf8("Não Pediu Dica"));
  else
    linhas.append(resolucao + "Pediu Dica " + QString::number(dicasPedidas_) + " vez(es)");
  return linhas;
}

void JogoPalavras::Erra(Jogada& j) {
  ++errosPalavra_;
  j.errou = true;
  j.estagio = errosPalavra_;
  DesenhaEstagio(figura_, errosPalavra_);
  j.mostraDica = errosPalavra_ == 4 && modoDica_ == kDicaUltimaChance;
}

void JogoPalavras::Fecha(Jogada& j) {
  if (resolvida()) {
    j.resolvida = true;
  } else if (errosPalavra_ == kErrosParaPerder) {
    j.perdida = true;
    MostraResposta();
    ++perdidas_;
  }
}

}  // namespace zelmo::regras
