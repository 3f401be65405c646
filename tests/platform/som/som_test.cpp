#include "platform/som/som.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QVideoWidget>
#include <QtEndian>
#include <cmath>

#include "platform/som/interno/midi.h"
#include "platform/som/pcm.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "support/relogio_falso.h"

using namespace platform;

namespace {

// A tone of the given length as 16-bit mono samples.
Pcm Tom(int ms, int taxa = 22050, double freq = 440) {
  Pcm p;
  p.taxa = taxa;
  p.canais = 1;
  const int n = taxa * ms / 1000;
  p.amostras.resize(n * 2);
  auto* s = reinterpret_cast<qint16*>(p.amostras.data());
  for (int i = 0; i < n; ++i) s[i] = static_cast<qint16>(10000 * std::sin(2 * M_PI * freq * i / taxa));
  return p;
}

// A RIFF wave with a fmt chunk of the given fields and the data bytes.
QByteArray WaveCrua(int tag, int canais, int taxa, int bits, const QByteArray& dados) {
  QByteArray w("RIFF\0\0\0\0WAVEfmt ", 16);
  auto poe16 = [&](quint16 v) { char c[2]; qToLittleEndian(v, c); w.append(c, 2); };
  auto poe32 = [&](quint32 v) { char c[4]; qToLittleEndian(v, c); w.append(c, 4); };
  poe32(16);
  poe16(tag);
  poe16(canais);
  poe32(taxa);
  poe32(taxa * canais * bits / 8);
  poe16(canais * bits / 8);
  poe16(bits);
  w.append("data");
  poe32(dados.size());
  w.append(dados);
  qToLittleEndian<quint32>(w.size() - 8, w.data() + 4);
  return w;
}

// A standard MIDI file: one track, a few notes of a quarter note each at
// 120 beats a minute (500 ms).
QByteArray Midi(const std::vector<int>& notas) {
  QByteArray t;
  t.append("\x00\xC0\x00", 3);  // piano
  for (int n : notas) {
    t.append('\0');
    t.append('\x90').append(static_cast<char>(n)).append('\x64');
    t.append("\x83\x60", 2);  // 480 ticks
    t.append('\x80').append(static_cast<char>(n)).append('\0');
  }
  t.append("\x00\xFF\x2F\x00", 4);
  QByteArray m("MThd\0\0\0\x06\0\0\0\x01\x01\xE0", 14);  // 480 ticks a quarter note
  m.append("MTrk");
  char tam[4];
  qToBigEndian<quint32>(t.size(), tam);
  m.append(tam, 4);
  return m + t;
}

// A small Motion-JPEG video: RIFF "AVI " with its header list, the frames
// and the index; the frames alternate red and blue at 10 a second.
QByteArray Avi(int w, int h, int quadros) {
  auto p32 = [](QByteArray& b, quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
  auto p16 = [](QByteArray& b, quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
  auto bloco = [&](const char* id, const QByteArray& d) {
    QByteArray b(id, 4);
    p32(b, d.size());
    b += d;
    if (d.size() % 2) b.append('\0');
    return b;
  };
  auto lista = [&](const char* tipo, const QByteArray& d) { return bloco("LIST", QByteArray(tipo, 4) + d); };
  QByteArray avih, strh("vidsMJPG", 8), strf, movi, idx;
  for (quint32 v : {100000u, 0u, 0u, 0x10u, quint32(quadros), 0u, 1u, 0u, quint32(w), quint32(h), 0u, 0u, 0u, 0u})
    p32(avih, v);
  p32(strh, 0);
  p16(strh, 0);
  p16(strh, 0);
  for (quint32 v : {0u, 1u, 10u, 0u, quint32(quadros), 0u, 0xFFFFFFFFu, 0u}) p32(strh, v);
  for (int v : {0, 0, w, h}) p16(strh, static_cast<quint16>(v));
  p32(strf, 40);
  p32(strf, w);
  p32(strf, h);
  p16(strf, 1);
  p16(strf, 24);
  strf.append("MJPG", 4);
  for (quint32 v : {quint32(w * h * 3), 0u, 0u, 0u, 0u}) p32(strf, v);
  qint64 pos = 4;
  for (int i = 0; i < quadros; ++i) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(i % 2 ? Qt::red : Qt::blue);
    QByteArray jpg;
    QBuffer buf(&jpg);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG");
    const QByteArray b = bloco("00dc", jpg);
    idx.append("00dc", 4);
    for (quint32 v : {0x10u, quint32(pos), quint32(jpg.size())}) p32(idx, v);
    pos += b.size();
    movi += b;
  }
  const QByteArray hdrl = lista("hdrl", bloco("avih", avih) + lista("strl", bloco("strh", strh) + bloco("strf", strf)));
  return bloco("RIFF", QByteArray("AVI ", 4) + hdrl + lista("movi", movi) + bloco("idx1", idx));
}

class Som : public ::testing::Test {
 protected:
  void SetUp() override {
    apoio::Aplicacao();
    DefineRelogioSom(&relogio);
  }
  void TearDown() override {
    TocaWave(QString());
    DefineRelogioSom(nullptr);
  }
  apoio::RelogioFalso relogio{36000000, 0};
  apoio::PastaTemporaria pasta;
};

}  // namespace

TEST(Wave, LeAsCodificacoesDoWindows) {
  const struct {
    const char* nome;
    int tag, canais, bits;
    QByteArray dados;
    std::vector<int> esperado;  // 16-bit samples after reading
  } casos[] = {
      {"8 bits", 1, 1, 8, QByteArray("\x80\xFF\x00", 3), {0, 32512, -32768}},
      {"16 bits estéreo", 1, 2, 16, QByteArray("\x10\x00\xF0\xFF", 4), {16, -16}},
      {"24 bits", 1, 1, 24, QByteArray("\x00\x00\x40", 3), {16384}},
      {"float", 3, 1, 32, QByteArray("\x00\x00\x00\x3F", 4), {16384}},  // 0.5
      {"mu-law", 7, 1, 8, QByteArray("\xFF\x00", 2), {0, -32124}},
      {"A-law", 6, 1, 8, QByteArray("\xD5", 1), {8}},
      {"quatro canais viram um", 1, 4, 16, QByteArray("\x64\x00\x64\x00\x00\x00\x00\x00", 8), {50}},
  };
  for (const auto& c : casos) {
    Pcm p;
    QString erro;
    ASSERT_TRUE(LeWave(WaveCrua(c.tag, c.canais, 11025, c.bits, c.dados), &p, &erro)) << c.nome << erro.toStdString();
    EXPECT_EQ(p.taxa, 11025) << c.nome;
    ASSERT_EQ(p.amostras.size(), static_cast<qsizetype>(c.esperado.size() * 2)) << c.nome;
    const auto* s = reinterpret_cast<const qint16*>(p.amostras.constData());
    for (size_t i = 0; i < c.esperado.size(); ++i) EXPECT_NEAR(s[i], c.esperado[i], 1) << c.nome << " " << i;
  }
}

TEST(Wave, ArquivosRuinsFalhamSemLerAlemDoFim) {
  const QByteArray bom = GravaWave(Tom(10));
  Pcm p;
  EXPECT_FALSE(LeWave(QByteArray("RIFF"), &p));
  EXPECT_FALSE(LeWave(QByteArray(2000, 'x'), &p));
  bool outra = false;
  EXPECT_FALSE(LeWave(WaveCrua(2, 1, 22050, 4, QByteArray(100, 1)), &p, nullptr, &outra));  // ADPCM
  EXPECT_TRUE(outra);
  EXPECT_FALSE(LeWave(WaveCrua(1, 1, 22050, 12, QByteArray(100, 1)), &p));
  EXPECT_FALSE(LeWave(WaveCrua(1, 0, 22050, 16, QByteArray(100, 1)), &p));
  EXPECT_FALSE(LeWave(bom.left(36), &p));  // no data chunk
  // A chunk that claims more than the file: what is there plays.
  QByteArray cortado = bom.left(44 + 100);
  ASSERT_TRUE(LeWave(cortado, &p));
  EXPECT_EQ(p.amostras.size(), 100);
  // Every cut of a good file reads or fails, never beyond the bytes.
  for (int n = 0; n < bom.size(); n += 7) LeWave(bom.left(n), &p);
}

TEST(Wave, ConversaoDeTaxaECanais) {
  const Pcm mono = Tom(100, 22050);
  const Pcm estereo = ConvertePcm(mono, 44100, 2);
  EXPECT_EQ(estereo.taxa, 44100);
  EXPECT_EQ(estereo.canais, 2);
  EXPECT_EQ(estereo.quadros(), mono.quadros() * 2);
  EXPECT_EQ(estereo.DuracaoMs(), 100);
  const auto* s = reinterpret_cast<const qint16*>(estereo.amostras.constData());
  const auto* m = reinterpret_cast<const qint16*>(mono.amostras.constData());
  EXPECT_EQ(s[20], s[21]);        // both channels alike
  EXPECT_EQ(s[20], m[5]);         // frame 10 is the source's frame 5
  const Pcm volta = ConvertePcm(estereo, 22050, 1);
  EXPECT_EQ(volta.quadros(), mono.quadros());
  EXPECT_NEAR(PicoPcm(volta), PicoPcm(mono), 2);
}

TEST_F(Som, UmaWaveDeCadaVezEVaziaPara) {
  const QString a = pasta.Escreve("a.wav", GravaWave(Tom(500)));
  const QString b = pasta.Escreve("b.wav", GravaWave(Tom(500)));
  EXPECT_EQ(WaveTocando(), QString());
  TocaWave(a);
  EXPECT_EQ(WaveTocando(), a);
  TocaWave(b);  // replaces a
  EXPECT_EQ(WaveTocando(), b);
  TocaWave(QString());
  EXPECT_EQ(WaveTocando(), QString());
}

TEST_F(Som, ArquivoQueFaltaNaoTocaNemAvisa) {
  const QString a = pasta.Escreve("a.wav", GravaWave(Tom(500)));
  TocaWave(a);
  TocaWave(pasta.caminho() + "nao_existe.wav");
  EXPECT_EQ(WaveTocando(), QString());
  TocaWave(pasta.Escreve("ruim.wav", "RIFF....WAVEjunk"));
  EXPECT_EQ(WaveTocando(), QString());
}

TEST_F(Som, WaveAcabaNoSeuTempoInclusiveNaMeiaNoite) {
  const QString a = pasta.Escreve("a.wav", GravaWave(Tom(300)));
  relogio.Define(86400000 - 100);  // 100 ms before midnight
  TocaWave(a);
  relogio.Define(150);             // 250 ms later
  EXPECT_EQ(WaveTocando(), a);
  relogio.Define(250);             // 350 ms later
  EXPECT_EQ(WaveTocando(), QString());
}

TEST_F(Som, SemDispositivoTocaMesmoAssim) {
  // Whatever the machine has (CI has no audio device), the calls return and
  // the sound is accounted for.
  const QString a = pasta.Escreve("a.wav", GravaWave(Tom(2000)));
  for (int i = 0; i < 20; ++i) TocaWave(a);
  EXPECT_EQ(WaveTocando(), a);
  TocaWave(QString());
  EXPECT_EQ(WaveTocando(), QString());
}

TEST(Midi, SintetizaAmostrasDeVerdade) {
  if (FonteSonoraGM().isEmpty()) GTEST_SKIP() << "no General MIDI sound font on this machine";
  Pcm p;
  QString erro;
  ASSERT_TRUE(SintetizaMidi(Midi({60, 64, 67}), &p, &erro)) << erro.toStdString();
  EXPECT_EQ(p.taxa, 44100);
  EXPECT_EQ(p.canais, 2);
  // Three notes of 500 ms, then the release of the last one.
  EXPECT_GE(p.DuracaoMs(), 1500);
  EXPECT_LE(p.DuracaoMs(), 1500 + 2500);
  EXPECT_GT(PicoPcm(p), 1000);
  // Sound while the notes play, not only at one instant.
  Pcm meio = p;
  meio.amostras = p.amostras.mid(44100 * 4 * 1, 44100 * 4 / 10);  // 1.0 s to 1.1 s
  EXPECT_GT(PicoPcm(meio), 300);

  // The same music inside a RIFF "RMID" file.
  const QByteArray m = Midi({72});
  QByteArray rmid("RIFF\0\0\0\0RMIDdata", 16);
  char tam[4];
  qToLittleEndian<quint32>(m.size(), tam);
  rmid.append(tam, 4).append(m);
  ASSERT_TRUE(SintetizaMidi(rmid, &p, &erro)) << erro.toStdString();
  EXPECT_GT(PicoPcm(p), 1000);
}

TEST(Midi, MusicaLongaComecaLogoEParaQuandoLargada) {
  if (FonteSonoraGM().isEmpty()) GTEST_SKIP() << "no General MIDI sound font on this machine";
  const QByteArray m = Midi(std::vector<int>(120, 60));  // a minute
  auto musica = MusicaMidi::Inicia(m);
  ASSERT_TRUE(musica);
  EXPECT_EQ(musica->Taxa(), 44100);
  EXPECT_EQ(musica->Canais(), 2);
  // The first samples come long before the whole piece is made.
  ASSERT_TRUE(apoio::Espera([&] { return musica->Prontos() > 0; }));
  musica.reset();  // stops the synthesizer's work; the test would hang if not
}

TEST(Midi, ArquivosQueNaoSaoMidiFalham) {
  const QByteArray bom = Midi({60, 62});
  QByteArray semTrilha = bom;
  semTrilha[11] = 2;  // says two tracks, holds one
  for (const QByteArray& ruim : {QByteArray(), QByteArray("MThd"), bom.left(bom.size() - 3), semTrilha,
                                 QByteArray("RIFF\x04\0\0\0RMID", 12), QByteArray(500, '\x90')}) {
    Pcm p;
    QString erro;
    EXPECT_FALSE(SintetizaMidi(ruim, &p, &erro));
    EXPECT_FALSE(erro.isEmpty());
  }
}

TEST_F(Som, MediaPlayerTocaMidiParaERetoma) {
  if (FonteSonoraGM().isEmpty()) GTEST_SKIP() << "no General MIDI sound font on this machine";
  const QString musica = pasta.Escreve("musica.mid", Midi({60, 62, 64, 65}));
  MediaPlayer mp;
  mp.SetFileName(musica);
  EXPECT_EQ(mp.FileName(), musica);
  mp.Play();  // not open: nothing
  EXPECT_FALSE(mp.Playing());
  mp.Open();
  ASSERT_TRUE(mp.IsOpen());
  EXPECT_TRUE(mp.EhMidi());
  mp.Play();  // plays at once, while the rest of the piece is being made
  EXPECT_TRUE(mp.Playing());
  mp.Stop();
  mp.Close();
  mp.Open();  // the same file: the music made already serves again
  ASSERT_TRUE(apoio::Espera([&] { return mp.Duracao() > 0; }));
  EXPECT_GE(mp.Duracao(), 2000);
  mp.Play();
  EXPECT_TRUE(mp.Playing());
  relogio.Define(36000000 + 1000);
  mp.Stop();
  EXPECT_FALSE(mp.Playing());
  mp.Play();  // goes on from 1 s
  relogio.Define(36000000 + 1000 + mp.Duracao() - 1000 - 10);
  EXPECT_TRUE(mp.Playing());
  relogio.Define(36000000 + 1000 + mp.Duracao());
  EXPECT_FALSE(mp.Playing());
  mp.Play();  // at the end: from the start again
  EXPECT_TRUE(mp.Playing());
  // The wave player is another sound: both play at once.
  TocaWave(pasta.Escreve("a.wav", GravaWave(Tom(500))));
  EXPECT_TRUE(mp.Playing());
  EXPECT_FALSE(WaveTocando().isEmpty());
  mp.Close();
  EXPECT_FALSE(mp.IsOpen());
  EXPECT_FALSE(mp.Playing());
  EXPECT_EQ(mp.FileName(), musica);
}

TEST_F(Som, MediaPlayerComArquivoRuimNaoAbre) {
  MediaPlayer mp;
  mp.Open();  // no name
  EXPECT_FALSE(mp.IsOpen());
  mp.SetFileName(pasta.caminho() + "falta.mid");
  mp.Open();
  EXPECT_FALSE(mp.IsOpen());
  mp.SetFileName(pasta.Escreve("ruim.mid", "MThd isto não é música"));
  mp.Open();
  EXPECT_FALSE(mp.IsOpen());
  mp.Play();
  mp.Stop();
  mp.Close();
  EXPECT_FALSE(mp.Playing());
}

TEST_F(Som, VideoNaTelaDadaOuNumaJanelaPropria) {
  const QString filme = pasta.Escreve("filme.avi", Avi(64, 48, 5));
  QWidget tela;
  tela.resize(200, 150);
  tela.show();
  MediaPlayer mp;
  mp.DefineTela(&tela);
  mp.SetFileName(filme);
  mp.Open();
  if (!mp.IsOpen()) GTEST_SKIP() << "no video decoder on this machine";
  EXPECT_FALSE(mp.EhMidi());
  mp.Play();
  EXPECT_TRUE(mp.Playing());
  auto* video = tela.findChild<QVideoWidget*>();
  ASSERT_NE(video, nullptr);
  // The layer finds the picture in the file in its own time.
  EXPECT_TRUE(apoio::Espera([&] { return video->isVisible(); }));
  EXPECT_EQ(video->size(), tela.size());
  tela.resize(300, 120);
  EXPECT_EQ(video->size(), QSize(300, 120));
  // Half a second of pictures, then the end.
  EXPECT_TRUE(apoio::Espera([&] { return !mp.Playing(); }));
  mp.Close();
  EXPECT_FALSE(video->isVisible());

  // Without a screen of its own the video opens its own window, named
  // after the file.
  MediaPlayer solto;
  solto.SetFileName(filme);
  solto.Open();
  solto.Play();
  QVideoWidget* janela = nullptr;
  EXPECT_TRUE(apoio::Espera([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* v = qobject_cast<QVideoWidget*>(w); v && v->isVisible()) janela = v;
    return janela != nullptr;
  }));
  ASSERT_NE(janela, nullptr);
  EXPECT_EQ(janela->windowTitle(), QStringLiteral("filme.avi"));
  // A dialog-kind window, which the window manager keeps above the page.
  EXPECT_EQ(janela->windowType(), Qt::Dialog);
  // The picture's own height; as wide as the picture, or as its whole title.
  EXPECT_TRUE(apoio::Espera([&] { return janela->height() == 48; }));
  EXPECT_GE(janela->width(), 64);
  EXPECT_GE(janela->width(), janela->fontMetrics().horizontalAdvance(janela->windowTitle()));
  solto.Close();
  EXPECT_FALSE(janela->isVisible());
}

TEST_F(Som, VideoQueNaoAbreNaoTrava) {
  MediaPlayer mp;
  mp.SetFileName(pasta.Escreve("filme.avi", QByteArray(4096, 'z')));
  mp.Open();
  mp.Play();
  // The multimedia layer finds out in its own time; the program goes on.
  EXPECT_TRUE(apoio::Espera([&] { return !mp.Playing(); }));
  mp.Stop();
  mp.Close();
  EXPECT_FALSE(mp.IsOpen());
}
