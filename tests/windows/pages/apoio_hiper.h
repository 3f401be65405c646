// Hypertext pages written for the tests as the editor writes them: the page
// record with its check text and the item file beside it, with a picture and
// a text of their own.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include "files/arquivo_registros.h"
#include "files/pastas.h"
#include "files/registros.h"
#include "support/pasta_temporaria.h"

namespace apoio {

inline files::RegItem ItemHiper(const QString& rotulo, const QString& arquivo, double x, double y) {
  files::RegItem i;
  i.Item = rotulo;
  i.Arquivo = arquivo;
  i.X = x;
  i.Y = y;
  return i;
}

// A page of the given fractions; `itens` empty writes no item file unless
// `comItens`.
inline files::RegHiper PaginaHiper(const QString& titulo, const QString& texto, const QString& figura) {
  files::RegHiper r;
  r.Titulo = titulo;
  r.Texto = texto;
  r.Figura = figura;
  r.LarguraTexto = 0.3;
  r.AlturaPainelFigura = 0.5;
  r.LarguraFigura = 0.25;
  r.AlturaFigura = 0.25;
  return r;
}

inline void GravaHiper(const QString& caminho, files::RegHiper r, const QList<files::RegItem>& itens,
                       bool comItens = true) {
  r.Prepara();
  files::RecordFile::Reescreve(caminho, files::RegHiper::Tamanho, {r.ParaBytes()});
  if (!comItens) return;
  QList<QByteArray> registros;
  for (files::RegItem i : itens) {
    i.Prepara();
    registros << i.ParaBytes();
  }
  files::RecordFile::Reescreve(files::ArquivoItens(caminho), files::RegItem::Tamanho, registros);
}

// A bitmap of one colour.
inline void GravaFigura(const QString& caminho, QSize tamanho, QColor cor) {
  QImage img(tamanho, QImage::Format_RGB32);
  img.fill(cor);
  img.save(caminho, "BMP");
}

}  // namespace apoio
