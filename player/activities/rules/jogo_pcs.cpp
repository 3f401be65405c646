#include "player/activities/rules/jogo_pcs.h"

#include "files/texto.h"

namespace zelmo::regras {

Cruzadas::Cruzadas(int rodadas, int quant, files::Aleatorio& gerador) : Tabuleiro(true, rodadas, quant, gerador) {}

void Cruzadas::Limpa() {
  Tabuleiro::Limpa();
  for (QString& d : digitado_) d.clear();
  cursor_ = -1;
  direcao_ = Direcao::Horizontal;
  montado_ = false;
}

void Cruzadas::PreencheVazios() {
  ZeraContagem();
  for (QString& d : digitado_) d.clear();
  for (int n = 0; n < kCasas; ++n)
    if (casaLetra(n)) ++ocultas_;
  cursor_ = inicio();
  montado_ = true;
}

bool Cruzadas::casaLivre(int n) const { return casaLetra(n) && files::Apara(digitado_[n]).isEmpty(); }

QString Cruzadas::rotulo(int n) const {
  if (casaNumero(n)) return QString::number(numero(n));
  if (!casaLetra(n)) return {};
  return resposta_ ? QString(caractere(n)) : digitado_[n];
}

bool Cruzadas::Clica(int n) {
  if (!montado_ || resposta_ || !casaLetra(n)) return false;
  cursor_ = n;
  return true;
}

void Cruzadas::Reconta() {
  acertos_ = erros_ = 0;
  for (int n = 0; n < kCasas; ++n) {
    if (!casaLetra(n) || digitado_[n].isEmpty()) continue;
    if (digitado_[n] == QString(grade_[n])) ++acertos_;
    else ++erros_;
  }
}

bool Cruzadas::Entravel(QChar c) {
  if (c.category() == QChar::Other_Control || c.isSurrogate()) return false;
  const QString t(c);
  return files::DeAnsi(files::ParaAnsi(t)) == t;
}

bool Cruzadas::Digita(QChar c) {
  if (!Jogavel() || !Entravel(c)) return false;
  const QString t = files::MaiusculasAnsi(QString(c));
  if (digitado_[cursor_] == t) return false;
  digitado_[cursor_] = t;
  Reconta();
  return true;
}

bool Cruzadas::Apaga(bool* andou) {
  *andou = false;
  if (!Jogavel()) return false;
  if (!digitado_[cursor_].isEmpty()) {
    digitado_[cursor_].clear();
    Reconta();
    return true;
  }
  const int atras = direcao_ == Direcao::Horizontal ? (Coluna(cursor_) > 0 ? cursor_ - 1 : -1) : cursor_ - kLado;
  if (!casaLetra(atras)) return false;
  cursor_ = atras;
  *andou = true;
  digitado_[atras].clear();
  Reconta();
  return true;
}

void Cruzadas::Move(int n, Direcao d) {
  cursor_ = n;
  direcao_ = d;
}

bool Cruzadas::AndaH() {
  if (!Jogavel()) return false;
  const int c = cursor_;
  if (Coluna(c) == kLado - 1) return false;
  if (casaLivre(c + 1)) {
    Move(c + 1, Direcao::Horizontal);
    return true;
  }
  if (Coluna(c + 1) == kLado - 1 || files::Apara(rotulo(c + 1)).isEmpty()) return false;
  if (!casaLivre(c + 2)) return false;
  Move(c + 2, Direcao::Horizontal);
  return true;
}

bool Cruzadas::AndaV() {
  if (!Jogavel()) return false;
  const int c = cursor_;
  if (Linha(c) == kLado - 1) return false;
  if (casaLivre(c + kLado)) {
    Move(c + kLado, Direcao::Vertical);
    return true;
  }
  if (Linha(c + kLado) == kLado - 1 || files::Apara(rotulo(c + kLado)).isEmpty()) return false;
  if (!casaLivre(c + 2 * kLado)) return false;
  Move(c + 2 * kLado, Direcao::Vertical);
  return true;
}

bool Cruzadas::Anda() {
  if (direcao_ == Direcao::Vertical) return AndaV() || AndaH();
  return AndaH() || AndaV();
}

VistaCasa Cruzadas::Vista(int n) const {
  VistaCasa v;
  if (casaNumero(n)) {
    v.aparencia = Aparencia::Numero;
  } else if (casaLetra(n)) {
    v.aparencia = resposta_ ? Aparencia::Marcada : n == cursor_ ? Aparencia::Cursor : Aparencia::Livre;
    v.tag = 1;
  }
  v.rotulo = rotulo(n);
  return v;
}

QList<int> Cruzadas::CasasDaAjuda(int k) const {
  QList<int> casas;
  for (int n : CasasDeLetras(k))
    if (digitado_[n] != QString(grade_[n])) casas.append(n);
  return casas;
}

}  // namespace zelmo::regras
