// The RTF writer's inner pieces.  Only the writer's own sources include this:
// escritor.cpp writes the text, the characters and the paragraphs,
// escritor_estrutura.cpp the tables, lists and pictures.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextFrame>

#include "platform/rtf/interno/leitor.h"

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;
class QTextList;
class QTextTable;

namespace platform::rtf_escritor {

inline constexpr char kHex[] = "0123456789abcdef";

// How a font's text is written: Windows-1252 bytes, or \uN for all that is
// not plain ASCII (another code page), or \uN for everything (the symbol
// fonts, whose bytes the reader maps to other characters).
enum class Codificacao { Ansi, Outra, Simbolo };

struct Fonte {
  QString nome;
  int charset = 0;
};

class Escritor {
 public:
  explicit Escritor(const QTextDocument& doc);
  QByteArray Escreve();

 private:
  // escritor.cpp
  void Palavra(const char* palavra);
  void Palavra(const char* palavra, int n);
  void Simbolo(const char* simbolo);
  void Literal(char c);
  void Unicode(char16_t u);
  void Byte(int b);  // \'hh
  void Texto(const QString& texto, Codificacao cod);
  void Caracteres(const QTextCharFormat& f);
  void Paragrafo(const QTextBlock& bloco, bool naTabela);
  void Bloco(const QTextBlock& bloco, bool naTabela, const char* fim);
  void Conteudo(QTextFrame::iterator it, bool naTabela, const QTextBlock& ultimo, const char* fimUltimo);
  int IndiceFonte(const QString& nome, int charset);
  int IndiceCor(const QColor& cor);
  QByteArray Cabecalho();

  // escritor_estrutura.cpp
  void Tabela(const QTextTable* tabela);
  QList<int> BordasTwips(const QTextTable* tabela) const;
  // The columns' widths as the table is laid out, in document units; empty
  // when they cannot be told.
  QList<double> LargurasMostradas(const QTextTable* tabela) const;
  void Figura(const QTextImageFormat& f);
  void Hex(const QByteArray& dados);
  void MarcaLista(const QTextBlock& bloco, const QTextList* lista);
  QByteArray TabelaListas();

  const QTextDocument& doc_;
  QByteArray out_;
  bool delimitar_ = false;  // the last control word needs a blank before text
  rtf_interno::Caractere estado_;  // what the control words written so far set
  QList<Fonte> fontes_;
  QList<Codificacao> codificacoes_;
  QHash<QString, int> indiceFonte_;  // name + charset
  QList<QColor> cores_;
  QHash<QRgb, int> indiceCor_;
  QList<const QTextList*> listas_;
  QHash<const QTextList*, int> indiceLista_;
};

}  // namespace platform::rtf_escritor
