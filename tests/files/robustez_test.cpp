// Random bytes and cut buffers and files fed to every record reader: none may
// crash or read past its buffer (run under a sanitizer to see the latter).
#include "files/arquivo_registros.h"
#include "files/convencoes.h"
#include "files/registros.h"
#include "support/pasta_temporaria.h"

#include <gtest/gtest.h>

using namespace files;

namespace {

QByteArray Aleatorios(Aleatorio& a, int n) {
  QByteArray r(n, '\0');
  for (int i = 0; i < n; ++i) r[i] = static_cast<char>(a.Sorteia(256));
  return r;
}

// Reads, verifies, writes back and reads again: the bytes of a reread record
// are stable.  (Compared as bytes, since random doubles include NaNs.)
template <class R>
void Exercita(const QByteArray& bytes) {
  const R r = R::DeBytes(bytes);
  const QByteArray escrito = r.ParaBytes();
  ASSERT_EQ(escrito.size(), R::Tamanho);
  EXPECT_EQ(R::DeBytes(escrito).ParaBytes(), escrito);
  if constexpr (requires { r.Verifica(); }) (void)r.Verifica();
  R preparado = r;
  preparado.Prepara();
  const QByteArray guardado = preparado.ParaBytes();
  EXPECT_EQ(R::DeBytes(guardado).ParaBytes(), guardado);
  if constexpr (requires { preparado.Verifica(); }) {
    EXPECT_TRUE(R::DeBytes(guardado).Verifica());
  }
}

template <class... Rs>
void ExercitaTodos(const QByteArray& bytes) {
  (Exercita<Rs>(bytes), ...);
}

}  // namespace

TEST(Robustez, BytesAleatoriosECortados) {
  Aleatorio a(20261210);
  for (int volta = 0; volta < 300; ++volta) {
    // Lengths from empty to past the largest record.
    const QByteArray bytes = Aleatorios(a, a.Sorteia(1900));
    ExercitaTodos<RegPagina, RegPalavra, RegFrase, RegFigura, RegHiper, RegItem, RegTesteHTML, RegConfig>(bytes);
  }
  // Every length byte at its largest.
  ExercitaTodos<RegPagina, RegPalavra, RegFrase, RegFigura, RegHiper, RegItem, RegTesteHTML, RegConfig>(
      QByteArray(1900, '\xFF'));
}

TEST(Robustez, ArquivosAleatorios) {
  apoio::PastaTemporaria pasta;
  Aleatorio a(7);
  const int tamanhos[] = {RegPagina::Tamanho, RegPalavra::Tamanho, RegFrase::Tamanho, RegFigura::Tamanho,
                          RegHiper::Tamanho,  RegItem::Tamanho,    RegTesteHTML::Tamanho, RegConfig::Tamanho};
  for (int volta = 0; volta < 40; ++volta) {
    const int tam = tamanhos[volta % 8];
    const int bytes = a.Sorteia(3 * tam + 1);
    const QString p = pasta.Escreve(QStringLiteral("r.dat"), Aleatorios(a, bytes));
    const QList<QByteArray> lidos = LeTodos(p, tam);
    ASSERT_EQ(lidos.size(), bytes / tam);
    for (const QByteArray& r : lidos) {
      ASSERT_EQ(r.size(), tam);
      ExercitaTodos<RegPagina, RegPalavra, RegFrase, RegFigura, RegHiper, RegItem, RegTesteHTML, RegConfig>(r);
    }
  }
}
