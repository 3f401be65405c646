// Every record layout that crosses from the authoring program to the player.
//
// Each record type holds its fields as values (texts as Unicode, converted
// through Windows-1252 on the way to and from the file) and knows its exact
// bytes:  ParaBytes() writes the record at the layout's offsets (texts cut to
// their capacity, zeros after each text and in the padding) and DeBytes()
// reads it back from a buffer of at least Tamanho bytes (a shorter buffer
// reads as if padded with zeros; nothing is read past its end).
//
// Prepara() is what storing does: cut every text to its capacity and compute
// Codigo from the stored source field.  Verifica() is what the player does:
// recompute the check text of the source field as read and compare it with
// Codigo byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <utility>

namespace files {

// Capacities of the short text fields.
inline constexpr int kCap20 = 20;
inline constexpr int kCap60 = 60;
inline constexpr int kCap250 = 250;
inline constexpr int kCap255 = 255;

// A text of up to 500 characters kept in two fields of capacity 250:
// characters 1 to 250 in the first, the rest in the second.
std::pair<QString, QString> DivideTexto(const QString& texto);
QString JuntaTexto(const QString& parte1, const QString& parte2);

// The first `capacidade` characters of a text.
QString Corta(const QString& texto, int capacidade);

// Page kinds 0 to 12.
enum TipoPagina : int32_t {
  kTextoRTF = 0,
  kHipertexto = 1,
  kHTML = 2,
  kCacaPalavras = 3,
  kPalavrasCruzadas = 4,
  kForca = 5,
  kEmbaralhada = 6,
  kFrases = 7,
  kTestes = 8,
  kAssociacao = 9,
  kLocal = 10,
  kVerdadeiroFalso = 11,
  kTestesHTML = 12,
};
inline constexpr int kNumTipos = 13;

// The name the page-list editor offers and the file mask of each kind.
const std::array<const char*, kNumTipos>& NomesTipos();  // UTF-8
QString MascaraTipo(int tipo);                            // "*.plv" ...

// The bounds within which the page-list editor holds a page's number of
// rounds and of items.
inline constexpr int kRodadasMinimo = 1;
inline constexpr int kRodadasMaximo = 10;
inline constexpr int kQuantMinimo = 1;
inline constexpr int kQuantMaximo = 20;

struct RegPagina {  // .ast, 800 bytes
  static constexpr int Tamanho = 800;
  int32_t Tipo = -1;
  QString Arquivo;
  QString Som;
  int32_t Rodadas = 5;
  int32_t Porcent = 70;
  int32_t Quant = 5;
  int32_t Ordem = 0;
  int32_t Dica = 0;
  bool Ajuda = true;
  bool Imprimir = true;
  bool Sair = true;
  bool Retorno = true;
  bool Avanco = true;
  bool Alfabeto = true;
  QString Codigo;

  QByteArray ParaBytes() const;
  static RegPagina DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegPagina&) const = default;
};

struct RegPalavra {  // .plv, 779 bytes
  static constexpr int Tamanho = 779;
  QString Palavra;  // capacity 20
  QString Dica1;    // 250
  QString Dica2;    // 250
  QString Codigo;

  QString Dica() const { return JuntaTexto(Dica1, Dica2); }
  void DefineDica(const QString& dica);

  QByteArray ParaBytes() const;
  static RegPalavra DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegPalavra&) const = default;
};

struct RegFrase {  // .fse and .tst, 1762 bytes
  static constexpr int Tamanho = 1762;
  QString Texto1;
  QString Texto2;
  QString Correta;
  QString Errada1;
  QString Errada2;
  QString Errada3;
  QString Codigo;

  QString Texto() const { return JuntaTexto(Texto1, Texto2); }
  void DefineTexto(const QString& texto);

  QByteArray ParaBytes() const;
  static RegFrase DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegFrase&) const = default;
};

struct RegFigura {  // .loc, 848 bytes
  static constexpr int Tamanho = 848;
  static constexpr int kPaineis = 6;
  QString Figura;
  double LarguraFig = 0;
  double AlturaFig = 0;
  std::array<QString, kPaineis> Rotulo;  // capacity 20 each
  std::array<double, kPaineis> PanX{};
  std::array<double, kPaineis> PanY{};
  std::array<double, kPaineis> LinhaX{-1, -1, -1, -1, -1, -1};
  std::array<double, kPaineis> LinhaY{-1, -1, -1, -1, -1, -1};
  QString Codigo;

  QByteArray ParaBytes() const;
  static RegFigura DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegFigura&) const = default;
};

struct RegHiper {  // .hpr, 1384 bytes
  static constexpr int Tamanho = 1384;
  QString Texto;
  QString Som;
  QString Video;
  QString Figura;
  QString Titulo;  // capacity 60
  double LarguraTexto = 0;
  double AlturaPainelFigura = 0;
  double LarguraFigura = 0;
  double AlturaFigura = 0;
  bool TamanhoOriginal = false;
  QString Codigo;

  QByteArray ParaBytes() const;
  static RegHiper DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegHiper&) const = default;
};

struct RegItem {  // item file "itm", 528 bytes, no Codigo
  static constexpr int Tamanho = 528;
  // The most items a page's item file may hold: the editor numbers its rows
  // in two digits and a page lists tens of items, so a thousand (528,000
  // bytes) is far past any page; a larger file is not read (an input/output
  // error, as a file that cannot be read).
  static constexpr int MaiorContagem = 1000;
  QString Item;
  QString Arquivo;
  double X = -1;
  double Y = -1;

  QByteArray ParaBytes() const;
  static RegItem DeBytes(const QByteArray& bytes);
  void Prepara();  // cuts the texts
  bool operator==(const RegItem&) const = default;
};

struct RegTesteHTML {  // .tsh, 516 bytes
  static constexpr int Tamanho = 516;
  QString ArquivoHTML;  // capacity 250
  int32_t Alternativas = 5;
  int32_t Correta = 0;
  QString Codigo;

  QByteArray ParaBytes() const;
  static RegTesteHTML DeBytes(const QByteArray& bytes);
  void Prepara();
  bool Verifica() const;
  bool operator==(const RegTesteHTML&) const = default;
};

struct RegConfig {  // Zelmo2.cfg, 512 bytes, no Codigo
  static constexpr int Tamanho = 512;
  QString NomeAssunto;
  QString NomeRelatorio;

  QByteArray ParaBytes() const;
  static RegConfig DeBytes(const QByteArray& bytes);
  void Prepara();  // cuts the texts
  bool operator==(const RegConfig&) const = default;
};

}  // namespace files
