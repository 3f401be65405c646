#include "platform/imagem_limitada.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {

bool TamanhoAceito(QSize tamanho, qint64 maiorArea) {
  return tamanho.width() > 0 && tamanho.height() > 0 && tamanho.width() <= kMaiorLadoFigura &&
         tamanho.height() <= kMaiorLadoFigura && qint64(tamanho.width()) * tamanho.height() <= maiorArea;
}

QImage LeImagemLimitada(const QByteArray& dados, const char* formato, qint64 maiorArea, QSize* natural) {
  QBuffer buffer;
  buffer.setData(dados);
  buffer.open(QIODevice::ReadOnly);
  QImageReader leitor(&buffer, formato);
  const QSize t = leitor.size();
  if (natural) *natural = t;
  // A reader that cannot tell the size first is held by Qt's allocation
  // limit, and its picture checked once read.
  if (t.isValid() && !TamanhoAceito(t, maiorArea)) return {};
  QImage imagem = leitor.read();
  if (!imagem.isNull() && !TamanhoAceito(imagem.size(), maiorArea)) return {};
  return imagem;
}

}  // namespace platform
