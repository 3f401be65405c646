// Media named by a page that are not plain files (a pipe, a device): the
// programs neither wait on them nor read them as files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextDocument>
#include <sys/stat.h>

#include "platform/figura.h"
#include "platform/rtf/leitor.h"
#include "platform/som/som.h"
#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"

namespace {

class ArquivosEspeciais : public ::testing::Test {
 protected:
  ArquivosEspeciais() { apoio::Aplicacao(); }
  // A pipe with no one at its other end: opening it the plain way waits
  // for ever.
  QString Cano(const QString& nome) {
    const QString c = pasta.caminho() + nome;
    EXPECT_EQ(mkfifo(QFile::encodeName(c).constData(), 0644), 0);
    return c;
  }
  apoio::PastaTemporaria pasta;
};

TEST_F(ArquivosEspeciais, TextoRicoFiguraESomNaoEsperamPorUmCano) {
  QTextDocument doc;
  doc.setPlainText("antes");
  EXPECT_FALSE(platform::CarregaTextoRico(Cano("texto.rtf"), &doc));
  EXPECT_TRUE(doc.isEmpty());

  platform::Figura figura;
  EXPECT_FALSE(figura.Carrega(Cano("figura.jpg")));
  EXPECT_FALSE(figura.erro().isEmpty());
  EXPECT_FALSE(figura.Carrega(QStringLiteral("/dev/zero")));

  platform::TocaWave(Cano("som.wav"));
  EXPECT_EQ(platform::WaveTocando(), QString());
  platform::MediaPlayer media;
  media.SetFileName(Cano("musica.mid"));
  media.Open();
  EXPECT_FALSE(media.IsOpen());
}

}  // namespace
