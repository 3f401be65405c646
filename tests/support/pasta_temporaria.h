// A program folder of its own for a test, removed afterwards.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace apoio {

class PastaTemporaria {
 public:
  PastaTemporaria();
  // The folder, ending in "/".
  QString caminho() const;
  // Writes bytes to a file below the folder (creating its folders).
  QString Escreve(const QString& relativo, const QByteArray& bytes) const;
  QByteArray Le(const QString& relativo) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace apoio
