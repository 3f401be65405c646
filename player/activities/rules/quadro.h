// What every activity window says and writes the same way: the messages of
// Próxima, Sair and completion, and the frame of the report block.  Each
// message is the list of lines the message window shows.
#pragma once

#include <QString>
#include <QStringList>

#include "files/registros.h"

namespace zelmo::regras {

inline constexpr const char* kTituloPrograma = "Zelmo II";
inline constexpr const char* kPerguntaSair = "Você quer realmente sair do Zelmo II ?";
inline constexpr const char* kTituloPergunta = "Atenção!";
inline constexpr const char* kLinhaEncerrado = "Zelmo II encerrado antes do final das atividades";

// Próxima: the first variant has an error branch; the second (word search,
// crossword) has none.
enum class VarianteProxima { Primeira, Segunda };
// Completion: the first variant, the second (true or false: an empty first
// line before the error lines too) and the rounds variant (word search,
// crossword).
enum class VarianteConclusao { Primeira, Segunda, Rodadas };

// A page as it is played: Rodadas and Quant held within the bounds the
// page-list editor keeps them in, so a page written by other means plays at
// least one round of at least one item, and never more than the editor
// allows.
void LimitaPagina(files::RegPagina& pagina);

// "Atividade cumprida: <p> % - Consultas: <consultas>", the second count line
// of the exercise windows.
QString LinhaCumprida(int p, int consultas);

// Próxima may let the student leave when P reaches the page's Porcent.
inline bool PodeAvancar(int p, int porcent) { return p >= porcent; }

// Próxima below the page's minimum.
QStringList MensagemFaltaPorcentagem(int porcent, int p);
// Próxima passed: e is the error count read after the answer was shown.
QStringList MensagemProxima(VarianteProxima variante, int p, int e);
// Sair confirmed.
QStringList MensagemSair();
// The activity has no next item.
QStringList MensagemConclusao(VarianteConclusao variante, int e);

// The activity's block: an empty line, "*** titulo ***", the count lines,
// the header of the wrong list when the error condition holds, and every
// line of the wrong list (with or without the header).
QStringList BlocoRelatorio(const QString& titulo, const QStringList& contagem, bool condicaoErro,
                           const QString& cabecalho, const QStringList& listaErros);

}  // namespace zelmo::regras
