// The pieces of the program-folder generator.  Each writes its own files and
// returns the pages it adds to the demonstration subject, in the order they
// are to be played.
#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "files/registros.h"

namespace gerador {

inline constexpr const char* kAssuntoDemo = "Sistema Cardiovascular";
inline constexpr const char* kRelatorioDemo = "Relatório1";
// The words file of the demonstration subject's word activities.
inline constexpr const char* kArquivoPalavras = "Coracao.plv";
// The words file of its word search and crossword: words of letters only, so
// that every cell of the board holds a letter.
inline constexpr const char* kArquivoGrade = "Grade.plv";

// A words file of (word, hint) pairs, written anew.
void GravaPalavras(const QString& caminho, const QList<QPair<QString, QString>>& verbetes);

// Shared media of the program folder: acerto1..8.wav, erro1..8.wav,
// click1..2.wav, Alvo0.wmf, Alvo1.wmf.
void GravaMidia(const QString& dirPrograma);
// A short demonstration tune (a standard MIDI file) for a page's sound.
void GravaMusicaDemo(const QString& caminho);
// The help page ajuda.htm and its folder Ajuda_arquivos.
void GravaAjuda(const QString& dirPrograma);
// Content of the text pages (rich text, HTML, pictures) in the subject folder.
QList<files::RegPagina> GravaConteudoPaginas(const QString& dirAssunto);
// The outline of a heart filling r (the pictures of the subject share it).
QPainterPath Coracao(const QRectF& r);
// The demonstration's hypertext pages (.hpr and .itm with their text,
// pictures and video) in the subject folder; the first one is the page.
QList<files::RegPagina> GravaConteudoHiper(const QString& dirAssunto);
// The picture of the heart with its four chambers named (320 x 260).
QImage ImagemCoracao();
// Text escaped for a rich-text file (Windows-1252, \'hh and \uN).
QByteArray TextoRtf(const QString& texto);
// Data files of the activities (words, the boards' words, ...) in the
// subject folder.
QList<files::RegPagina> GravaConteudoAtividades(const QString& dirAssunto);
// The word-search and crossword pages, over their own words file (written
// with the activities' data: the subject's words without blanks or
// hyphens, and a few more).
QList<files::RegPagina> GravaConteudoGrade();
// The phrases and tests files, and the pages of fill-in phrases, tests,
// association (on the words file) and true or false.
QList<files::RegPagina> GravaConteudoExercicios(const QString& dirAssunto);
// The locate activity over a picture of the heart and the HTML tests with
// their pages, in the subject folder.
QList<files::RegPagina> GravaConteudoLocal(const QString& dirAssunto);

}  // namespace gerador
