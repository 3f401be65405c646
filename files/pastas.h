// Folders and names: the program folder, the subject folder and file, the
// report and configuration paths.  Paths are built with "/" as separator.
//
// The file system here tells case apart; the program's paths are lower-cased
// as the original system's were.  So every existence test, open and listing
// resolves a path whose exact spelling is missing by matching each part of
// it without regard to case.
#pragma once

#include <QString>
#include <QStringList>

namespace files {

// The folder of the running program's file, lower-cased, ending in "/".
QString DirProgramaDe(const QString& pastaDoPrograma);
QString ArqConfigDe(const QString& dirPrograma);                        // + "Zelmo2.cfg"
QString DirAssuntoDe(const QString& dirPrograma, const QString& nomeAssunto);   // lower-cased, ends in "/"
QString ArqAssuntoDe(const QString& dirPrograma, const QString& nomeAssunto);   // lower-cased
QString ArqRelatorioDe(const QString& dirPrograma, const QString& nomeAssunto,
                       const QString& nomeRelatorio);                   // not lower-cased
// The .hpr path with its last three characters replaced by "itm".
QString ArquivoItens(const QString& caminhoHiper);

// A bare name: not empty, no "/" or "\", not "." or "..".
bool NomeSimples(const QString& nome);
// dirAssunto + nome for a bare name; for any other name the empty path, which
// names no file (existence tests say no, opening raises "File not found"),
// so a record cannot reach outside its subject folder.
QString CaminhoNoAssunto(const QString& dirAssunto, const QString& nome);

// The path on disk that the given path names: its exact spelling when that
// exists, else each part matched without regard to case; the parts that
// match nothing are kept as given (so a new file can be created there).
QString ResolveCaminho(const QString& caminho);
bool ArquivoExiste(const QString& caminho);   // a plain file
bool PastaExiste(const QString& caminho);

// The plain files of a folder matching any of the patterns ("*.wav;*.mid"),
// compared without regard to case, names as on disk, sorted without regard
// to case.
QStringList ListaArquivos(const QString& pasta, const QString& mascara);

}  // namespace files
