// The fonts and text colours of the windows' design.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// A font of the design: the family with this platform's usual stand-ins
// (Liberation, then DejaVu; the fixed-pitch ones for "Courier New"), its
// size in pixels.
QFont FonteDesenho(const QString& familia, int pixels, bool negrito = false, bool italico = false);

// A family's plain name: Qt names a family that several foundries make
// "Family [Foundry]", a name no other program knows.
QString FamiliaSimples(const QString& familia);
// The screen's font families, each once by its plain name, sorted without
// regard to case.
QStringList FamiliasDaTela();

// The colour a label or panel writes its text in.
void CorDoTexto(QWidget* w, const QColor& cor);

}  // namespace platform
