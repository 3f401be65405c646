// What a whole-file write left on disk: the file's bytes and whether its
// temporary is still beside it.
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "files/gravacao.h"

namespace apoio {

// The file's bytes, or "(missing)" when it cannot be read.
inline QByteArray Conteudo(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A temporary of a write to that file is there (a file or a link).
inline bool TemTemporario(const QString& caminho) {
  struct stat st {};
  return ::lstat(QFile::encodeName(files::GravacaoInteira::Temporario(caminho)).constData(), &st) == 0;
}

}  // namespace apoio
