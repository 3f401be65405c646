// The main window's pictures, drawn by the program itself: the picture in
// the frame and the glyphs of the menu buttons.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace pravo {

// A teacher's desk: an open book, a pencil and an apple.
QPixmap DesenhoPrincipal(const QSize& tamanho);

// The glyph of each kind of menu entry.
enum class Glifo { Hipertexto, Palavras, Frases, Testes, TestesHTML, Local, Trocar, Assunto, Configurar,
                   Relatorios, Editores, Ajuda, Sair };
QIcon IconeGlifo(Glifo glifo);

// The program's own icon: a red "P" on a pale yellow page.
QIcon IconePrograma();

}  // namespace pravo
