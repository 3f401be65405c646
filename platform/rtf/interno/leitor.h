// The RTF reader's inner pieces: the character and paragraph state of a
// group, the document builder and the picture decoder.  Only the reader's
// and the writer's own sources include this.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFormat>
#include <QTextListFormat>
#include <QTextOption>
#include <QTextTableFormat>
#include <deque>
#include <memory>
#include <vector>

#include "platform/figura.h"

class QStringDecoder;

class QTextDocument;
class QTextList;
class QTextTable;

namespace platform::rtf_interno {

// Character properties of a group.
struct Caractere {
  int fonte = -1;  // font number; -1 means the default font (\deff)
  int meiosPontos = 24;
  bool negrito = false;
  bool italico = false;
  bool sublinhado = false;
  bool riscado = false;
  bool oculto = false;
  bool maiusculas = false;
  bool versalete = false;
  int cor = 0;    // colour-table index; 0 is the automatic colour
  int fundo = 0;  // colour-table index of the highlight; 0 is none
  int vertical = 0;  // 0 normal, 1 superscript, 2 subscript
  bool operator==(const Caractere&) const = default;
};

struct Tabulacao {
  int twips = 0;
  QTextOption::TabType tipo = QTextOption::LeftTab;
};

// Paragraph properties of a group.
struct Paragrafo {
  Qt::Alignment alinhamento = Qt::AlignLeft;
  int li = 0, ri = 0, fi = 0;  // twips
  int sb = 0, sa = 0;          // twips
  int sl = 0;                  // twips; negative: exactly, positive: at least
  bool slmult = false;         // \sl is a multiple of single spacing (240 = 1)
  QList<Tabulacao> tabs;
  QTextOption::TabType proximaTab = QTextOption::LeftTab;
  bool naTabela = false;
  bool quebraAntes = false;
  int ls = 0;    // list override number (\ls), 0 none
  int ilvl = 0;  // list level
  // Old-style numbering (\pn): 0 none, 1 bullet, 2 numbered.
  int pnTipo = 0;
  QTextListFormat::Style pnEstilo = QTextListFormat::ListDecimal;
  int pnNivel = 0;
  QString pnAntes, pnDepois;
};

// The list a paragraph belongs to: its key and the list's format.
struct InfoLista {
  QString chave;
  QTextListFormat formato;
};

// A table row's definition (\trowd ... \cellx).
struct Linha {
  QList<int> cellx;             // right edge of each cell, twips
  QList<QColor> sombra;         // shading of each cell (invalid: none)
  bool bordas = false;
  int gap = 108;                // half the space between cells, twips
  QColor proximaSombra;         // \clcbpat before the \cellx it belongs to
};

// The paragraph and table structure of the document being read.  A table is
// gathered whole before it goes into the document: its rows and columns are
// counted as it is read, then it is inserted in one step and its content put
// into its cells, so that a long table costs in proportion to its size.
class Construtor {
 public:
  // `linhasPorTabela` > 0: a longer table goes in as consecutive tables of
  // that many rows (see OpcoesRTF).
  Construtor(QTextDocument* doc, const Linha* linha, int linhasPorTabela = 0);
  void Texto(const QString& texto, const QTextCharFormat& formato, const Paragrafo& p);
  void Imagem(const QTextImageFormat& formato, const Paragrafo& p);
  void FimParagrafo(const Paragrafo& p, const InfoLista* lista);
  void QuebraPagina(const Paragrafo& p, const InfoLista* lista);
  void Celula(const Paragrafo& p, const InfoLista* lista);
  void FimLinha(const Paragrafo& p);
  void Termina(const Paragrafo& p, const InfoLista* lista);
  bool paragrafoVazio() const { return vazio_; }
  // The character format of the paragraph mark: an empty paragraph takes
  // its height from it, a list item its marker when it holds no text.
  void DefineFormatoMarca(const QTextCharFormat& f);

 private:
  // One step of a table's content, in the cell it goes to.
  struct Passo {
    enum class Tipo { Texto, Imagem, Paragrafo, Quebra, Celula, Marca } tipo;
    int linha = 0, celula = 0;
    QString texto;
    QTextFormat formato;  // of the text, the picture or the paragraph mark
    Paragrafo p;
    // Only a list paragraph has one: a list format costs an allocation.
    std::shared_ptr<const InfoLista> lista;
  };
  // A row as it was defined when it opened.
  struct LinhaTabela {
    Linha definicao;
    int colunas = 0;  // the table's columns once the row had opened
  };

  // True when the step belongs to a table (it is then gathered); a step
  // after a table first puts the gathered table into the document.
  bool NaTabela(bool naTabela);
  void Grava(Passo::Tipo tipo, const Paragrafo& p, const InfoLista* lista = nullptr, const QString& texto = {},
             const QTextFormat& formato = {});
  void GaranteCelula();
  // Inserts the gathered table with its final rows and columns, then puts
  // its content into its cells in the order read.
  void ColocaTabela();
  // Puts the rows gathered so far, and their content, into the document
  // after the rows of the table already there.
  void ColocaLinhas();
  static QTextTableFormat FormatoDaTabela(const Linha& primeira, int colunas);
  void VaiParaCelula(int linha, int celula);
  // The table, or the part of a long table, that holds row `linha` of the
  // gathered rows: inserted when the content reaches it.
  void ColocaParte(int linha);
  void SaiDaTabela();
  void FormataBloco(const Paragrafo& p, const InfoLista* lista);

  QTextDocument* doc_;
  const Linha* linha_;
  QTextCursor cursor_;
  QTextTable* tabela_ = nullptr;  // the table just put in, until content follows it
  int linhasPorTabela_ = 0;
  // The gathered table being put in: its rows, its format, and the first
  // gathered row of the part in tabela_.
  std::vector<LinhaTabela> colocando_;
  std::vector<QTextTable*> partes_;  // the parts of it in the document
  QTextTableFormat formatoTabela_;
  int colunasTabela_ = 0;
  int primeiraDaParte_ = 0;
  int linhaTabela_ = -1;
  int celulaCursor_ = -1;  // the cell the cursor is in
  bool vazio_ = true;
  bool quebraProxima_ = false;
  bool aposTabela_ = false;  // nothing was put after the table that just ended
  QHash<QString, QTextList*> listas_;
  QTextCharFormat formatoMarca_;

  // The table being gathered.
  bool coletando_ = false;
  std::deque<Passo> passos_;
  std::vector<LinhaTabela> linhas_;
  int colunas_ = 0;
  int celula_ = 0;         // the cell the next content goes to
  int celulaAberta_ = -1;  // the cell the last step went to
  bool linhaAberta_ = false;
};

// The code page of an RTF charset; 0 for the document's own.
int CodepageDoCharset(int charset);

// The data and measures of one \pict.
struct DadosFigura {
  QByteArray dados;
  QString tipo;  // "png", "jpeg", "dib", "wbitmap", "wmf", "emf"; empty when unknown
  int picw = 0, pich = 0;        // pixels, or 0.01 mm for metafiles
  int goalw = 0, goalh = 0;      // twips
  int escalaX = 100, escalaY = 100;
  int wbmBits = 1, wbmLarguraBytes = 0;
};

// The picture decoded within `maiorArea` pixels (and the limits of every
// picture); a null image when it cannot be or is over a limit.  *natural is
// the size its data declares, when that could be read.
QImage DecodificaFigura(const DadosFigura& f, qint64 maiorArea, QSize* natural);
// The size the picture is shown at, in twips.
QSizeF TamanhoFiguraTwips(const DadosFigura& f, QSize natural);

// The reader itself: leitor.cpp reads tokens and groups, leitor_texto.cpp
// puts the text, paragraphs, cells and pictures into the document,
// palavras.cpp acts on the control words.
inline constexpr int kMaxProfundidade = 2000;
inline constexpr int kMaxFontes = 4096;
inline constexpr int kMaxCores = 4096;

enum class Destino {
  Texto, Ignora, Fontes, Cores, Figura, MarcaLista, Pn, PnAntes, PnDepois,
  Listas, Lista, NivelLista, NivelTexto, Sobreposicoes, Sobreposicao,
};

struct Grupo {
  Destino destino = Destino::Texto;
  Caractere c;
  Paragrafo p;
  int uc = 1;
};

struct Fonte {
  QString nome;
  int charset = 0;
  int codepage = 0;  // \cpg, 0 when not given
};

struct NivelDef {
  int nfc = 0;
  QString texto;
};

struct ListaDef {
  int id = 0;
  QList<NivelDef> niveis;
};

class Leitor {
 public:
  Leitor(const QByteArray& bytes, QTextDocument* doc, int linhasPorTabela = 0)
      : b_(bytes.constData()), n_(bytes.size()), doc_(doc), construtor_(doc, &linha_, linhasPorTabela) {
    pilha_.reserve(64);
  }

  // Reads on as far as byte `ate` (a token at a time; an ignored group
  // whole); at the end of the bytes the document is finished, and the
  // reader is done with.  True while there is more to read.
  bool Le(qsizetype ate);
  qsizetype Posicao() const { return pos_; }

 private:
  Grupo& g() { return pilha_.back(); }
  void Abre();
  bool Fecha();
  void ControleOuSimbolo();
  void Palavra(const QByteArray& palavra, bool temParam, int param);
  void Simbolo(char ch);
  void ByteTexto(uchar ch);
  void DescarregaBytes();
  void Emite(const QString& s);
  void EmiteTexto(const QString& s);
  void DescarregaRun();
  QString Decodifica(const QByteArray& bytes);
  QTextCharFormat Formato(const Caractere& c) const;
  QTextCharFormat NovoFormato(const Caractere& c) const;
  // The font or colour table changed: the formats made from them go.
  void TabelasMudaram() { formatos_.clear(); }
  const Fonte* FonteDe(int n) const;
  QColor Cor(int indice) const;
  bool InfoListaDe(const Paragrafo& p, InfoLista* info) const;
  void AntesDaEstrutura();
  void FimParagrafo(bool pagina);
  void Celula();
  void InsereFigura();
  void PulaIgnorado();
  void PulaBinario(int n);
  int LeNumero(bool* tem);

  const char* b_;
  qsizetype n_;
  qsizetype pos_ = 0;
  QTextDocument* doc_;
  Linha linha_;
  // The list of the paragraph being ended, one for the whole reading: a
  // list format costs an allocation, and most paragraphs are in no list.
  InfoLista info_;
  Construtor construtor_;
  std::vector<Grupo> pilha_;
  int excesso_ = 0;
  bool asterisco_ = false;
  bool fim_ = false;
  int pular_ = 0;

  QByteArray bytes_;  // text bytes not yet decoded
  QString run_;
  // The formats of the last few character states (a text alternates among
  // a handful), made once while the tables stay as they are.
  struct FormatoFeito {
    Caractere c;
    QTextCharFormat formato;
  };
  mutable std::vector<FormatoFeito> formatos_;
  mutable size_t proximoFormato_ = 0;
  Caractere runEstado_;
  QString marca_;     // \listtext or \pntext of the paragraph being read
  int grupoPn_ = 0;

  QHash<int, Fonte> fontes_;
  int fonteAtual_ = 0;
  int deff_ = -1;
  int ansicpg_ = 1252;
  QList<QColor> cores_;
  int r_ = -1, gr_ = -1, bl_ = -1;
  QHash<int, std::shared_ptr<QStringDecoder>> decodificadores_;

  QList<ListaDef> listas_;
  QHash<int, int> sobreposicoes_;  // \ls -> \listid
  QHash<int, int> indiceLista_;    // \listid -> its place in listas_
  int sobreposicaoId_ = 0;

  DadosFigura figura_;
  int nibble_ = -1;
  int figuras_ = 0;
  // Bytes of decoded pictures the document may still take.
  qint64 memoriaFiguras_ = kMaiorMemoriaFigurasDocumento;
};

}  // namespace platform::rtf_interno
