// Pictures loaded from a file or from bytes: JPEG through libjpeg, bitmaps
// through Qt, Windows metafiles (placeable or not, and enhanced) through our
// own metafile player.  A picture knows its natural size and draws itself
// stretched into any rectangle.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

#include "platform/imagem_limitada.h"

class QPainter;

namespace platform {

class Figura {
 public:
  enum class Formato { Desconhecido, JPEG, BMP, WMF, EMF, PNG };

  Figura();
  ~Figura();
  Figura(const Figura&);
  Figura& operator=(const Figura&);

  // By the file's last three characters (jpg, bmp, wmf; compared in lower
  // case), falling back to the bytes' signature.  False on failure; erro()
  // says why ("JPEG error #%d" for a libjpeg failure).
  bool Carrega(const QString& caminho);
  bool CarregaBytes(const QByteArray& bytes, Formato formato = Formato::Desconhecido);

  bool vazia() const;
  QString erro() const;
  Formato formato() const;
  // Natural size in pixels (a metafile's from its frame and units per inch).
  int Largura() const;
  int Altura() const;
  QSize Tamanho() const { return {Largura(), Altura()}; }

  // Stretch-draw into the rectangle.
  void Desenha(QPainter& p, const QRectF& destino) const;
  // The picture rendered at a size (its natural size when empty).
  QImage Imagem(QSize tamanho = {}) const;

 private:
  struct Dados;
  std::shared_ptr<const Dados> d;
  QString erro_;
};

}  // namespace platform
