// Words and phrases records for the rules tests, stored as the authoring program stores
// them (cut to capacity, check text computed), and an in-memory words file.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "files/registros.h"
#include "player/activities/rules/selecao.h"

namespace apoio {

inline files::RegPalavra Palavra(const QString& palavra, const QString& dica1 = {},
                                 const QString& dica2 = {}) {
  files::RegPalavra r;
  r.Palavra = palavra;
  r.Dica1 = dica1;
  r.Dica2 = dica2;
  r.Prepara();
  return r;
}

// A phrases or tests record as stored.
inline files::RegFrase Frase(const QString& texto, const QString& correta = "certa", const QString& errada1 = "um",
                             const QString& errada2 = "dois", const QString& errada3 = "tres") {
  files::RegFrase r;
  r.DefineTexto(texto);
  r.Correta = correta;
  r.Errada1 = errada1;
  r.Errada2 = errada2;
  r.Errada3 = errada3;
  r.Prepara();
  return r;
}

// A record whose check text does not match its word.
inline files::RegPalavra Corrompida(const QString& palavra, const QString& dica1 = {}) {
  files::RegPalavra r = Palavra(palavra, dica1);
  r.Codigo = "???";
  return r;
}

// Records as bytes; counts every read, so a test sees which were read.
class FonteMemoria : public zelmo::regras::FonteRegistros {
 public:
  explicit FonteMemoria(const QList<files::RegPalavra>& registros) { Adiciona(registros); }
  explicit FonteMemoria(const QList<files::RegFrase>& registros) { Adiciona(registros); }
  qint64 Conta() override { return bytes_.size(); }
  QByteArray Le(qint64 n) override {
    lidos.append(n);
    return bytes_.at(n - 1);
  }
  QList<qint64> lidos;

 private:
  template <class R>
  void Adiciona(const QList<R>& registros) {
    for (const auto& r : registros) bytes_.append(r.ParaBytes());
  }
  QList<QByteArray> bytes_;
};

}  // namespace apoio
