#include "tools/escrita.h"

#include <QBuffer>
#include <string>

#include <QDir>
#include <QFile>
#include <QImage>
#include <stdexcept>

namespace gerador {

void GravaArquivo(const QString& caminho, const QByteArray& bytes) {
  QFile f(caminho);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush())
    throw std::runtime_error(("cannot write " + caminho).toStdString());
}

QByteArray CodificaImagem(const QImage& imagem, const char* formato, int qualidade) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  if (!imagem.save(&buf, formato, qualidade))
    throw std::runtime_error(std::string("cannot encode a picture as ") + formato);
  return bytes;
}

void GravaImagem(const QImage& imagem, const QString& caminho, const char* formato) {
  const int qualidade = qstrcmp(formato, "PNG") == 0 ? -1 : 90;
  if (!imagem.save(caminho, formato, qualidade)) throw std::runtime_error(("cannot write " + caminho).toStdString());
}

void CriaPasta(const QString& pasta) {
  if (!QDir().mkpath(pasta)) throw std::runtime_error(("cannot create " + pasta).toStdString());
}

}  // namespace gerador
