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
#include <QTextListFormat>
#include <QTextOption>
#include <memory>
#include <vector>

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

// The paragraph and table structure of the document being read.
class Construtor {
 public:
  Construtor(QTextDocument* doc, const Linha* linha);
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
  void DefineFormatoMarca(const QTextCharFormat& f) { formatoMarca_ = f; }

 private:
  void GaranteLugar(const Paragrafo& p);
  void AbreLinha();
  void SaiDaTabela();
  void FormataBloco(const Paragrafo& p, const InfoLista* lista);

  QTextDocument* doc_;
  const Linha* linha_;
  QTextCursor cursor_;
  QTextTable* tabela_ = nullptr;
  int linhaTabela_ = -1;
  int celula_ = 0;        // the cell the next content goes to
  int celulaCursor_ = -1; // the cell the cursor is in
  bool linhaAberta_ = false;
  bool vazio_ = true;
  bool quebraProxima_ = false;
  bool aposTabela_ = false;  // nothing was put after the table that just ended
  QHash<QString, QTextList*> listas_;
  QTextCharFormat formatoMarca_;
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

// The picture decoded; a null image when it cannot be.
QImage DecodificaFigura(const DadosFigura& f);
// The size the picture is shown at, in twips.
QSizeF TamanhoFiguraTwips(const DadosFigura& f, QSize natural);

// The reader itself: rtf_leitor.cpp reads tokens and groups, rtf_palavras.cpp
// acts on the control words.
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
  Leitor(const QByteArray& bytes, QTextDocument* doc)
      : b_(bytes.constData()), n_(bytes.size()), doc_(doc), construtor_(doc, &linha_) {
    pilha_.reserve(64);
  }

  void Le();

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
  Construtor construtor_;
  std::vector<Grupo> pilha_;
  int excesso_ = 0;
  bool asterisco_ = false;
  bool fim_ = false;
  int pular_ = 0;

  QByteArray bytes_;  // text bytes not yet decoded
  QString run_;
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
};

}  // namespace platform::rtf_interno
