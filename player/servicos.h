// The player's shared helpers: time, waits, sounds, the message window and
// the report writer.
#pragma once

#include <QString>
#include <QStringList>

namespace zelmo {

int MilissegundosDoDia();   // from the global Relogio
// Waits n ms busily, handling no window messages; crosses midnight.
void Espera(int n);

void TocaAcerto();          // "acerto" + (1..8) + ".wav"
void TocaErro();            // "erro" + (1..8) + ".wav"
void TocaClick(int n);      // "click" + n + ".wav"
void TocaSom(const QString& caminho);  // by the last three letters: WAV or media player
void ParaSom();
// TocaSom(DirAssunto + som) when som is a bare name of an existing file.
void TocaSomDaPagina(const QString& som);

// Clears frmAviso's memo, puts the lines in and shows it modally over the
// window that asks (the modal page or activity window on top).
void MostraAviso(const QStringList& linhas);

// Appends this run's block to ArqRelatorio.
void GravaRelatorio();

}  // namespace zelmo
