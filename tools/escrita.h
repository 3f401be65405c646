// How the generator writes its files: each one whole, or an error that names
// it.  Every failure throws std::runtime_error, and the generator stops with
// that text.
#pragma once

#include <QByteArray>
#include <QString>

class QImage;

namespace gerador {

// Creates or overwrites the file with exactly these bytes.
void GravaArquivo(const QString& caminho, const QByteArray& bytes);
// The picture encoded in an image format ("PNG", "JPG", "BMP").
QByteArray CodificaImagem(const QImage& imagem, const char* formato, int qualidade = -1);
// The picture as a PNG file (or in another format Qt writes: "JPG").
void GravaImagem(const QImage& imagem, const QString& caminho, const char* formato = "PNG");
// The folder and every folder above it that is missing.
void CriaPasta(const QString& pasta);

}  // namespace gerador
