#include "player/principal.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "apoio_jogador.h"
#include "player/servicos.h"

namespace {

using apoio::JanelaFalsa;
using apoio::Pagina;
using apoio::Visita;
using zelmo::TfrmMain;

class CorridaTeste : public ::testing::Test {
 protected:
  // Registers a stand-in window for each kind given.
  void Registra(std::initializer_list<int> tipos, JanelaFalsa::Acao acao = {}) {
    for (int t : tipos)
      zelmo::RegistraJanela(t, [this, acao](QWidget* dono) {
        ++criadas;
        return new JanelaFalsa(dono, &visitas, acao);
      });
  }
  // The whole run, as the main window's first activation does it.
  void Corre() {
    apoio::Respondedor r("Ana Souza", "7B");
    janela = std::make_unique<TfrmMain>();
    janela->FormActivate();
    mensagens = r.mensagens;
    logins = r.logins;
  }
  QStringList LinhasDoRelatorio() const {
    return QString::fromLatin1(programa.Relatorio()).split('\n');
  }

  apoio::ProgramaDeTeste programa;
  std::unique_ptr<TfrmMain> janela;
  QList<Visita> visitas;
  QList<apoio::Mensagem> mensagens;
  int logins = 0;
  int criadas = 0;
};

TEST_F(CorridaTeste, PaginasSemTipoDaoSoOCabecalho) {
  Registra({0, 1, 2, 3});
  programa.Assunto({Pagina(-1, ""), Pagina(-1, "x"), Pagina(13, "y")});
  Corre();
  EXPECT_EQ(logins, 1);
  EXPECT_TRUE(visitas.isEmpty());
  EXPECT_TRUE(mensagens.isEmpty());
  ASSERT_TRUE(programa.TemRelatorio());
  const QStringList linhas = LinhasDoRelatorio();
  ASSERT_EQ(linhas.size(), 4);  // three lines and the end after the last LF
  EXPECT_EQ(linhas[0], QString(76, '*'));
  EXPECT_TRUE(linhas[1].startsWith("Ana Souza  -  7B - "));
  EXPECT_EQ(linhas[2], "");
  EXPECT_EQ(linhas[3], "");
  EXPECT_EQ(janela->fim(), TfrmMain::Fim::Relatorio);
}

TEST_F(CorridaTeste, AssuntoDeUmaPaginaEhAUltimaDesdeOInicio) {
  Registra({3});
  programa.Assunto({Pagina(3, "bichos.plv")});
  Corre();
  ASSERT_EQ(visitas.size(), 1);
  EXPECT_EQ(visitas[0].arquivo, "bichos.plv");
  EXPECT_TRUE(visitas[0].ultima);
  EXPECT_TRUE(programa.TemRelatorio());
}

TEST_F(CorridaTeste, PaginasEmOrdemSoAUltimaEhUltima) {
  Registra({0, 5, 9});
  programa.Assunto({Pagina(0, "a.rtf"), Pagina(-1, ""), Pagina(5, "b.plv"), Pagina(9, "c.plv")});
  Corre();
  ASSERT_EQ(visitas.size(), 3);
  EXPECT_EQ(visitas[0].arquivo, "a.rtf");
  EXPECT_EQ(visitas[1].arquivo, "b.plv");
  EXPECT_EQ(visitas[2].arquivo, "c.plv");
  EXPECT_FALSE(visitas[0].ultima);
  EXPECT_FALSE(visitas[1].ultima);
  EXPECT_TRUE(visitas[2].ultima);
  // The text page is remembered for "Consulta"; the activities are not.
  EXPECT_EQ(zelmo::UltimaPagina.Arquivo, "a.rtf");
  EXPECT_EQ(zelmo::UltimaPagina.Tipo, 0);
}

TEST_F(CorridaTeste, JanelasDeTextoDuramAsAtividadesSaoUmaPorPagina) {
  Registra({0, 1, 2, 3});
  programa.Assunto({Pagina(0, "a.rtf"), Pagina(0, "b.rtf"), Pagina(3, "c.plv"), Pagina(3, "d.plv")});
  Corre();
  EXPECT_EQ(visitas.size(), 4);
  // frmRTF, frmHiper and frmHTML by the splash, then one per activity page.
  EXPECT_EQ(criadas, 3 + 2);
  EXPECT_NE(zelmo::frmRTF, nullptr);
  EXPECT_NE(zelmo::frmHiper, nullptr);
  EXPECT_NE(zelmo::frmHTML, nullptr);
}

TEST_F(CorridaTeste, TipoSemJanelaEhPulado) {
  Registra({3});
  programa.Assunto({Pagina(0, "texto.rtf"), Pagina(7, "frases.fse"), Pagina(3, "p.plv")});
  Corre();
  ASSERT_EQ(visitas.size(), 1);
  EXPECT_EQ(visitas[0].arquivo, "p.plv");
  EXPECT_EQ(zelmo::UltimaPagina.Tipo, -1);  // the skipped text page was never shown
}

TEST_F(CorridaTeste, RegistroCorrompidoTerminaSemRelatorioDepoisDasPaginasAnteriores) {
  Registra({3});
  files::RegPagina corrompida = Pagina(3, "outro.plv");
  corrompida.Arquivo = "terceira.plv";  // Codigo computed from another name
  programa.Assunto({Pagina(3, "primeira.plv"), Pagina(3, "segunda.plv"), corrompida,
                    Pagina(3, "quarta.plv")});
  Corre();
  ASSERT_EQ(visitas.size(), 2);
  EXPECT_EQ(visitas[1].arquivo, "segunda.plv");
  ASSERT_EQ(mensagens.size(), 1);
  EXPECT_EQ(mensagens[0].texto, "Arquivo AST Corrompido!");
  EXPECT_EQ(mensagens[0].titulo, "Zelmo II");
  EXPECT_EQ(mensagens[0].botoes, QMessageBox::Ok);
  EXPECT_FALSE(programa.TemRelatorio());
  EXPECT_EQ(janela->fim(), TfrmMain::Fim::SemRelatorio);
  // The main window was not closed; closing it now writes nothing either.
  janela->close();
  EXPECT_FALSE(programa.TemRelatorio());
}

struct CasoAssunto {
  const char* nome;
  QByteArray ast;  // empty name: no subject file at all
  bool existe;
  const char* mensagem;
};

void PrintTo(const CasoAssunto& c, std::ostream* os) { *os << c.nome; }

class AssuntoRuimTeste : public CorridaTeste, public ::testing::WithParamInterface<CasoAssunto> {};

TEST_P(AssuntoRuimTeste, TerminaComAMensagemSemLoginNemRelatorio) {
  const CasoAssunto& c = GetParam();
  programa.pasta.Escreve("Zelmo2.cfg", apoio::Configuracao("Biologia", "Turma A"));
  if (c.existe) programa.pasta.Escreve("Biologia/Biologia.ast", c.ast);
  Corre();
  EXPECT_EQ(logins, 0);
  ASSERT_EQ(mensagens.size(), 1);
  EXPECT_EQ(mensagens[0].texto, QString::fromUtf8(c.mensagem));
  EXPECT_EQ(mensagens[0].titulo, "Zelmo II");
  EXPECT_FALSE(programa.TemRelatorio());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AssuntoRuimTeste,
    ::testing::Values(CasoAssunto{"Ausente", {}, false, "Assunto não encontrado !"},
                      CasoAssunto{"Vazio", {}, true, "Arquivo de Assunto vazio !"},
                      CasoAssunto{"MenorQueUmRegistro", QByteArray(799, 'x'), true,
                                  "Arquivo de Assunto vazio !"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(CorridaTeste, AssuntoQueNaoEhNomeSimplesNaoEhProcurado) {
  // A subject one folder up would be found if the name were followed.
  programa.pasta.Escreve("Zelmo2.cfg", apoio::Configuracao("../Biologia", "Turma A"));
  programa.pasta.Escreve("../Biologia/Biologia.ast", apoio::Bytes({Pagina(-1, "")}));
  Corre();
  ASSERT_EQ(mensagens.size(), 1);
  EXPECT_EQ(mensagens[0].texto, "Assunto não encontrado !");
  EXPECT_EQ(logins, 0);
}

TEST_F(CorridaTeste, SemConfiguracaoVaiAoAssuntoDeDemonstracao) {
  // No file, an empty one (what a write cut by a crash could once leave) and
  // one shorter than a record: all read as no configuration, silently.
  for (const QByteArray& cfg : {QByteArray(), QByteArray(""), QByteArray(511, '\0')}) {
    SCOPED_TRACE(cfg.isNull() ? -1 : cfg.size());
    apoio::ProgramaDeTeste outro;
    if (!cfg.isNull()) outro.pasta.Escreve("Zelmo2.cfg", cfg);
    outro.pasta.Escreve("Sistema Cardiovascular/Sistema Cardiovascular.ast",
                        apoio::Bytes({Pagina(-1, "")}));
    apoio::Respondedor r("Ana", "1");
    TfrmMain j;
    j.FormActivate();
    EXPECT_EQ(zelmo::NomeAssunto, "Sistema Cardiovascular");
    EXPECT_EQ(zelmo::NomeRelatorio, QString::fromUtf8("Relatório1"));
    EXPECT_TRUE(QFile::exists(outro.pasta.caminho() +
                              QString::fromUtf8("Sistema Cardiovascular/Relatório1.rel")));
  }
}

// A configuration that is a pipe is no configuration: the start neither
// waits for the pipe's other end nor reads it, and goes to the demonstration
// subject.
TEST_F(CorridaTeste, ConfiguracaoQueNaoEhArquivoComumNaoPrendeOInicio) {
  ASSERT_EQ(mkfifo(QFile::encodeName(programa.pasta.caminho() + "Zelmo2.cfg").constData(), 0644), 0);
  programa.pasta.Escreve("Sistema Cardiovascular/Sistema Cardiovascular.ast", apoio::Bytes({Pagina(-1, "")}));
  Corre();
  EXPECT_EQ(zelmo::NomeAssunto, "Sistema Cardiovascular");
  EXPECT_EQ(logins, 1);
}

TEST_F(CorridaTeste, NomeDeRelatorioQueNaoEhNomeSimplesFicaNoAssunto) {
  programa.pasta.Escreve("Zelmo2.cfg", apoio::Configuracao("Biologia", "../../fora"));
  programa.pasta.Escreve("Biologia/Biologia.ast", apoio::Bytes({Pagina(-1, "")}));
  Corre();
  EXPECT_TRUE(QFile::exists(programa.pasta.caminho() + QString::fromUtf8("Biologia/Relatório1.rel")));
  EXPECT_FALSE(QFile::exists(programa.pasta.caminho() + "../fora.rel"));
}

TEST_F(CorridaTeste, CancelarNaPaginaDoisTerminaComRelatorio) {
  int vez = 0;
  Registra({3}, [&vez](JanelaFalsa* j) {
    ++vez;
    zelmo::LinhasRelatorio << QString("bloco da pagina %1").arg(vez);
    j->done(vez == 2 ? 2 : 1);
  });
  programa.Assunto({Pagina(3, "1"), Pagina(3, "2"), Pagina(3, "3"), Pagina(3, "4"), Pagina(3, "5")});
  Corre();
  EXPECT_EQ(visitas.size(), 2);
  const QStringList linhas = LinhasDoRelatorio();
  ASSERT_EQ(linhas.size(), 6);
  EXPECT_EQ(linhas[2], "bloco da pagina 1");
  EXPECT_EQ(linhas[3], "bloco da pagina 2");
  EXPECT_EQ(linhas[4], "");
}

TEST_F(CorridaTeste, EncerraProgramaDeUmaAtividadeGravaOQueHavia) {
  int vez = 0;
  QList<bool> fechadas;
  Registra({3}, [&](JanelaFalsa* j) {
    ++vez;
    if (vez == 1) {
      zelmo::LinhasRelatorio << "bloco da primeira";
      j->done(1);
      return;
    }
    // The second page's file is missing: the window ends the program.
    zelmo::EncerraPrograma(j);
    fechadas << j->fechouPeloManipulador;
  });
  programa.Assunto({Pagina(3, "a"), Pagina(3, "b"), Pagina(3, "c")});
  Corre();
  EXPECT_EQ(visitas.size(), 2);
  EXPECT_TRUE(zelmo::ProgramaEncerrando());
  ASSERT_EQ(fechadas.size(), 1);
  EXPECT_FALSE(fechadas[0]);  // its close handler did not run
  const QStringList linhas = LinhasDoRelatorio();
  ASSERT_EQ(linhas.size(), 5);
  EXPECT_EQ(linhas[2], "bloco da primeira");
  EXPECT_EQ(janela->fim(), TfrmMain::Fim::Relatorio);
}

// Ends the program from a window's show event, before its modal loop runs.
class FalhaAoMostrar : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show) zelmo::EncerraPrograma(static_cast<QDialog*>(o));
    return false;
  }
};

TEST_F(CorridaTeste, EncerraProgramaAntesDoLacoDaJanelaTambemATermina) {
  FalhaAoMostrar filtro;
  zelmo::RegistraJanela(3, [this, &filtro](QWidget* dono) {
    auto* j = new JanelaFalsa(dono, &visitas, [](JanelaFalsa*) {});  // never answers
    j->installEventFilter(&filtro);
    return j;
  });
  programa.Assunto({Pagina(3, "a"), Pagina(3, "b")});
  Corre();
  EXPECT_EQ(visitas.size(), 1);
  EXPECT_TRUE(programa.TemRelatorio());
}

TEST_F(CorridaTeste, JanelaQueFalhaAoSerCriadaTerminaComRelatorio) {
  Registra({3});
  zelmo::RegistraJanela(4, [](QWidget*) -> QDialog* {
    throw files::IoError(files::IoError::Kind::AccessDenied, "x.plv");
  });
  zelmo::LinhasRelatorio.clear();
  programa.Assunto({Pagina(3, "a"), Pagina(4, "b"), Pagina(3, "c")});
  Corre();
  EXPECT_EQ(visitas.size(), 1);
  ASSERT_EQ(mensagens.size(), 1);
  EXPECT_EQ(mensagens[0].titulo, "Zelmo II");
  EXPECT_EQ(mensagens[0].texto,
            QString::fromUtf8(files::IoError::Texto(files::IoError::Kind::AccessDenied)));
  EXPECT_TRUE(programa.TemRelatorio());
}

TEST_F(CorridaTeste, AssuntoQueEncolheDuranteACorridaGuardaOQueHavia) {
  Registra({3}, [this](JanelaFalsa* j) {
    zelmo::LinhasRelatorio << "bloco da primeira";
    // The teacher cuts the subject down while the student plays page 1.
    programa.pasta.Escreve("Biologia/Biologia.ast", apoio::Bytes({Pagina(3, "a")}));
    j->done(1);
  });
  programa.Assunto({Pagina(3, "a"), Pagina(3, "b"), Pagina(3, "c")});
  Corre();
  EXPECT_EQ(visitas.size(), 1);
  ASSERT_EQ(mensagens.size(), 1);
  EXPECT_EQ(mensagens[0].titulo, "Zelmo II");
  EXPECT_EQ(mensagens[0].texto,
            QString::fromUtf8(files::IoError::Texto(files::IoError::Kind::ReadBeyondEnd)));
  const QStringList linhas = LinhasDoRelatorio();
  ASSERT_EQ(linhas.size(), 5);
  EXPECT_EQ(linhas[2], "bloco da primeira");
}

TEST_F(CorridaTeste, ACorridaComecaUmaSoVez) {
  Registra({3});
  programa.Assunto({Pagina(3, "a")});
  apoio::Respondedor r("Ana", "1");
  TfrmMain j;
  j.show();  // the activation queues the run
  ASSERT_TRUE(apoio::Espera([&] { return j.Executou(); }));
  j.FormActivate();
  j.FormActivate();
  EXPECT_EQ(visitas.size(), 1);
  EXPECT_EQ(r.logins, 1);
  const QByteArray rel = programa.Relatorio();
  EXPECT_EQ(rel.count(QByteArray(76, '*')), 1);
}

TEST_F(CorridaTeste, JanelaPrincipalAzulNaTelaToda) {
  TfrmMain j;
  EXPECT_EQ(j.size(), QSize(1024, 768));
  EXPECT_EQ(j.palette().color(QPalette::Window), QColor(0, 0, 0xA0));
  EXPECT_EQ(j.windowTitle(), "Zelmo II");
  EXPECT_EQ(j.Label1->text(), "Zelmo II ");
  EXPECT_EQ(j.Label2->text(), "Zelmo II ");
  EXPECT_EQ(j.Label4->text(), QString::fromUtf8("Zelmo II - Versão 1.01"));
  EXPECT_EQ(j.findChild<QLabel*>("Label4"), j.Label4);
  // Label1 is the shadow: two design pixels right and below Label2.
  EXPECT_GT(j.Label1->x(), j.Label2->x());
  EXPECT_GT(j.Label1->y(), j.Label2->y());
  EXPECT_TRUE(j.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(zelmo::DirPrograma.endsWith('/'));
  EXPECT_EQ(zelmo::DirPrograma, zelmo::DirPrograma.toLower());
  EXPECT_EQ(zelmo::ArqConfig, zelmo::DirPrograma + "Zelmo2.cfg");
  EXPECT_EQ(zelmo::UltimaPagina.Tipo, -1);
  EXPECT_EQ(zelmo::MediaPlayer1(), j.MediaPlayer1);
}

}  // namespace
