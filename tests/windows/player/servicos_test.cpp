#include "player/servicos.h"

#include <QTextEdit>
#include <gtest/gtest.h>

#include "apoio_jogador.h"
#include "platform/som/som.h"
#include "platform/som/pcm.h"
#include "player/aviso.h"

namespace {

class ServicosTeste : public ::testing::Test {
 protected:
  ServicosTeste() {
    zelmo::DirPrograma = programa.pasta.caminho();
    zelmo::DirAssunto = programa.pasta.caminho() + "biologia/";
  }
  ~ServicosTeste() override { zelmo::ParaSom(); }

  // A second of silence, as a wave file.
  QString Wave(const QString& relativo) {
    platform::Pcm pcm;
    pcm.taxa = 8000;
    pcm.canais = 1;
    pcm.amostras = QByteArray(16000, '\0');
    return programa.pasta.Escreve(relativo, platform::GravaWave(pcm));
  }

  apoio::ProgramaDeTeste programa;
};

// --- Time

TEST(EsperaTeste, AtravessaAMeiaNoite) {
  // 2000 ms from one second before midnight: about one second after it.
  apoio::RelogioFalso relogio(86399000, 50);
  zelmo::Relogio = &relogio;
  zelmo::Espera(2000);
  zelmo::Relogio = &files::RelogioSistema::Instancia();
  // One reading at the start, then one per 50 ms up to 2000 ms.
  EXPECT_EQ(relogio.leituras(), 1 + 40);
  EXPECT_EQ(relogio.MilissegundosDoDia(), 1000 + 50);
}

TEST(EsperaTeste, EsperaOTempoPedidoENadaMais) {
  struct Caso { int inicio, passo, n, leituras; };
  for (const Caso& c : {Caso{36000000, 50, 200, 1 + 4}, Caso{0, 7, 1000, 1 + 143},
                        Caso{86399999, 1, 1, 1 + 1}, Caso{5000, 50, 0, 0}, Caso{5000, 50, -3, 0}}) {
    SCOPED_TRACE(c.n);
    apoio::RelogioFalso relogio(c.inicio, c.passo);
    zelmo::Relogio = &relogio;
    zelmo::Espera(c.n);
    EXPECT_EQ(relogio.leituras(), c.leituras);
  }
  zelmo::Relogio = &files::RelogioSistema::Instancia();
}

TEST(EsperaTeste, MilissegundosDoDiaDoRelogioDoPrograma) {
  apoio::RelogioFalso relogio(12345, 0);
  zelmo::Relogio = &relogio;
  EXPECT_EQ(zelmo::MilissegundosDoDia(), 12345);
  zelmo::Relogio = &files::RelogioSistema::Instancia();
  const int agora = QTime::currentTime().msecsSinceStartOfDay();
  EXPECT_NEAR(zelmo::MilissegundosDoDia(), agora, 2000);
}

// --- Sounds

struct CasoSom {
  const char* nome;
  bool wave;
};

void PrintTo(const CasoSom& c, std::ostream* os) { *os << c.nome; }

std::string NomeDoCaso(const ::testing::TestParamInfo<CasoSom>& info) {
  static const char* const nomes[] = {"wav", "WAV", "Wav", "mid", "avi", "SoWav", "wave"};
  return nomes[info.index];
}

class TocaSomTeste : public ServicosTeste, public ::testing::WithParamInterface<CasoSom> {};

TEST_P(TocaSomTeste, EscolhePelasTresUltimasLetras) {
  const CasoSom& c = GetParam();
  const QString caminho = Wave(QString::fromUtf8(c.nome));  // wave bytes whatever the name
  zelmo::TocaSom(caminho);
  if (c.wave) {
    EXPECT_EQ(platform::WaveTocando(), caminho);
    EXPECT_TRUE(zelmo::MediaPlayer1()->FileName().isEmpty());
  } else {
    EXPECT_TRUE(platform::WaveTocando().isEmpty());
    EXPECT_EQ(zelmo::MediaPlayer1()->FileName(), caminho);
  }
}

INSTANTIATE_TEST_SUITE_P(Nomes, TocaSomTeste,
                         ::testing::Values(CasoSom{"som.wav", true}, CasoSom{"SOM.WAV", true},
                                           CasoSom{"coração.Wav", true}, CasoSom{"musica.mid", false},
                                           CasoSom{"video.avi", false}, CasoSom{"wav", true},
                                           CasoSom{"som.wave", false}),
                         NomeDoCaso);

TEST_F(ServicosTeste, AcertoEErroTiramUmSorteioCada) {
  for (int k = 1; k <= 8; ++k) {
    Wave(QString("acerto%1.wav").arg(k));
    Wave(QString("erro%1.wav").arg(k));
  }
  for (uint32_t semente : {0u, 1u, 123456789u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(semente);
    zelmo::Gerador.Semeia(semente);
    files::Aleatorio esperado(semente);
    const int k1 = esperado.Sorteia(8) + 1;
    const int k2 = esperado.Sorteia(8) + 1;
    zelmo::TocaAcerto();
    EXPECT_TRUE(platform::WaveTocando().endsWith(QString("/acerto%1.wav").arg(k1)));
    zelmo::TocaErro();
    EXPECT_TRUE(platform::WaveTocando().endsWith(QString("/erro%1.wav").arg(k2)));
    EXPECT_EQ(zelmo::Gerador.semente(), esperado.semente());
  }
}

TEST_F(ServicosTeste, ClickPeloNumero) {
  Wave("click1.wav");
  Wave("click2.wav");
  zelmo::TocaClick(2);
  EXPECT_TRUE(platform::WaveTocando().endsWith("/click2.wav"));
  zelmo::TocaClick(1);
  EXPECT_TRUE(platform::WaveTocando().endsWith("/click1.wav"));
}

TEST_F(ServicosTeste, ParaSomParaOsDois) {
  // Nothing playing: nothing happens, nothing is reported.
  zelmo::ParaSom();
  EXPECT_TRUE(platform::WaveTocando().isEmpty());

  const QString wave = Wave("biologia/som.wav");
  zelmo::TocaSom(wave);
  ASSERT_FALSE(platform::WaveTocando().isEmpty());
  zelmo::ParaSom();
  EXPECT_TRUE(platform::WaveTocando().isEmpty());

  const QString musica = Wave("biologia/musica.mid");
  zelmo::TocaSom(musica);
  zelmo::ParaSom();
  EXPECT_FALSE(zelmo::MediaPlayer1()->IsOpen());
  EXPECT_TRUE(zelmo::MediaPlayer1()->FileName().isEmpty());
}

TEST_F(ServicosTeste, SomDaPaginaSoComNomeSimplesDeArquivoQueExiste) {
  Wave("fora.wav");
  const QString som = Wave("biologia/Som.WAV");
  for (const char* nome : {"", "falta.wav", "../fora.wav", "/etc/fora.wav", "..", "."}) {
    SCOPED_TRACE(nome);
    zelmo::TocaSomDaPagina(QString::fromUtf8(nome));
    EXPECT_TRUE(platform::WaveTocando().isEmpty());
  }
  // The stored name in another case still finds the file.
  zelmo::TocaSomDaPagina("som.wav");
  EXPECT_EQ(platform::WaveTocando(), som);
}

// --- The message window

TEST_F(ServicosTeste, AvisoMostraAsLinhasNoCantoEFechaNoOK) {
  platform::DefineTela({1280, 1024, 120});
  QStringList vistas;
  QPoint onde;
  apoio::QuandoModal([&](QWidget* w) {
    auto* aviso = qobject_cast<zelmo::TfrmAviso*>(w);
    ASSERT_NE(aviso, nullptr);
    vistas = aviso->Linhas();
    EXPECT_EQ(aviso->Memo1->toPlainText(), vistas.join('\n'));
    onde = aviso->pos();
    aviso->BitBtn1->click();
  });
  zelmo::MostraAviso({"", "Muito bem!", QString::fromUtf8("Você acertou 80% !")});
  EXPECT_EQ(vistas, QStringList({"", "Muito bem!", QString::fromUtf8("Você acertou 80% !")}));
  EXPECT_EQ(onde, QPoint(12, 12));
  ASSERT_NE(zelmo::frmAviso, nullptr);
  EXPECT_FALSE(zelmo::frmAviso->isVisible());
  EXPECT_EQ(zelmo::frmAviso->windowTitle(), QString::fromUtf8("Atenção !"));
  EXPECT_EQ(zelmo::frmAviso->size(), QSize(578, 348));  // 289 x 174, twice

  // The same window again, with only the new lines.
  apoio::QuandoModal([&](QWidget* w) {
    vistas = static_cast<zelmo::TfrmAviso*>(w)->Linhas();
    static_cast<zelmo::TfrmAviso*>(w)->BitBtn1->click();
  });
  zelmo::MostraAviso({"", "Fim"});
  EXPECT_EQ(vistas, QStringList({"", "Fim"}));
  delete zelmo::frmAviso;
  zelmo::frmAviso = nullptr;
}

}  // namespace
