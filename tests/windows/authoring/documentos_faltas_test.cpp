// The document editors against what the disk does to them: a pipe, a device
// or a folder chosen or dropped as a document, a full disk while saving, and
// a save killed half-way.
#include <QAction>
#include <QFileDialog>
#include <QMimeData>
#include <QTest>
#include <QTextDocument>
#include <QUrl>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "authoring/documents/browser.h"
#include "authoring/documents/html.h"
#include "authoring/documents/texto.h"
#include "files/gravacao.h"
#include "platform/rtf/leitor.h"
#include "support/disco_pequeno.h"
#include "support/interrupcao.h"
#include "windows/authoring/apoio_documentos.h"

namespace {

using teste::Arquivo;
using teste::Botao;

QByteArray Le(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

struct Editor {
  const char* nome;
  std::function<pravo::EditorDocumento*()> cria;
  const char* extensao;
};

class DocumentoFaltas : public teste::TesteDocumentos, public ::testing::WithParamInterface<Editor> {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    frm.reset(GetParam().cria());
    MostraComPrevia(frm.get());
  }
  void TearDown() override {
    FechaComPrevia(frm);
    TesteDocumentos::TearDown();
  }
  // "Abrir" with the name typed in the dialog; the message it gives.
  apoio::Mensagem AbreComErro(const QString& caminho) {
    apoio::Mensagem erro;
    frm->OpenDialog->setFileMode(QFileDialog::AnyFile);  // lets the test name anything
    EXPECT_TRUE(Com({Arquivo(caminho), Botao(QMessageBox::Ok, &erro)}, [&] { frm->FileOpenCmd->trigger(); }));
    return erro;
  }
  QString Nome(const char* base) const { return QString::fromLatin1(base) + GetParam().extensao; }

  std::unique_ptr<pravo::EditorDocumento> frm;
};

// Nothing but a plain file is opened, and at once: a pipe with no one at
// its other end, a device and a folder are refused with the input/output
// error, and the document in the editor stays.
TEST_P(DocumentoFaltas, SoArquivoComumEAbertoESemEsperar) {
  const QString doc = pasta.Escreve(Nome("doc"), "{\\rtf1\\ansi Guardado}");
  frm->LoadDocument(doc);
  const QString antes = frm->Editor->toPlainText();
  const QString cano = pasta.caminho() + Nome("cano");
  ASSERT_EQ(::mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  const apoio::Mensagem erro = AbreComErro(cano);
  EXPECT_EQ(erro.titulo, "Pravo II");
  EXPECT_EQ(erro.texto, "Access denied");
  EXPECT_EQ(frm->Editor->toPlainText(), antes);
  EXPECT_EQ(frm->DocumentName(), doc);
  EXPECT_EQ(AbreComErro(pasta.caminho() + Nome("falta")).texto, "File not found");
  // A folder and a device that reads as endless zeros, under a document's
  // name (read straight: the file dialog would step into the folder, and
  // is kept away from the device).
  QDir(pasta.caminho()).mkpath("dev/" + Nome("pasta"));
  QStringList outros{pasta.caminho() + "dev/" + Nome("pasta")};
  const QString zeros = pasta.caminho() + "dev/" + Nome("zeros");
  if (::mknod(QFile::encodeName(zeros).constData(), S_IFCHR | 0644, makedev(1, 5)) == 0) outros << zeros;
  for (const QString& caminho : outros) {
    SCOPED_TRACE(caminho.toStdString());
    try {
      frm->LoadDocument(caminho);
      ADD_FAILURE() << "read as a document";
    } catch (const files::IoError& e) {
      EXPECT_EQ(e.kind(), files::IoError::Kind::AccessDenied);
    }
    EXPECT_EQ(frm->Editor->toPlainText(), antes);
    EXPECT_EQ(frm->DocumentName(), doc);
  }
}

// The rich-text editor takes dropped files: a dropped pipe gets the same
// error at once.
TEST_P(DocumentoFaltas, CanoSoltoERecusadoSemEsperar) {
  auto* texto = dynamic_cast<pravo::TfrmTexto*>(frm.get());
  if (!texto) GTEST_SKIP() << "this editor takes no dropped files";
  const QString cano = pasta.caminho() + "cano.rtf";
  ASSERT_EQ(::mkfifo(QFile::encodeName(cano).constData(), 0644), 0);
  auto* dados = new QMimeData;
  dados->setUrls({QUrl::fromLocalFile(cano)});
  QDropEvent soltar(QPointF(20, 20), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
  apoio::Mensagem erro;
  EXPECT_TRUE(Com({Botao(QMessageBox::Ok, &erro)}, [&] { static_cast<QObject*>(texto)->event(&soltar); }));
  delete dados;
  EXPECT_EQ(erro.texto, "Access denied");
  EXPECT_EQ(frm->DocumentName(), "SemNome");
}

// Saving on a full disk, a document far smaller than Qt's 16 KB buffer and
// one larger: "Disk full", the old file byte for byte, nothing beside it,
// and the document still modified so that it can be saved elsewhere.
TEST_P(DocumentoFaltas, DiscoCheioAoSalvarGuardaOArquivoVelho) {
  apoio::DiscoPequeno disco(256);
  if (!disco.montado()) GTEST_SKIP() << disco.motivo().toStdString();
  const QString caminho = disco.caminho() + Nome("carta");
  const QByteArray velho = GetParam().extensao == QStringLiteral(".rtf") ? QByteArray("{\\rtf1\\ansi Velho}")
                                                                         : QByteArray("<p>Velho</p>");
  files::GravaInteiro(caminho, velho);
  frm->LoadDocument(caminho);
  disco.Enche();
  for (const int tamanho : {20, 40000}) {
    SCOPED_TRACE(tamanho);
    frm->Editor->selectAll();
    QTest::keyClicks(frm->Editor, "N");
    frm->Editor->insertPlainText(QString(tamanho, 'n'));
    apoio::Mensagem erro;
    EXPECT_TRUE(Com({Botao(QMessageBox::Ok, &erro)}, [&] { EXPECT_FALSE(frm->FileSave()); }));
    EXPECT_EQ(erro.texto, "Disk full");
    EXPECT_EQ(Le(caminho), velho);
    EXPECT_FALSE(QFileInfo::exists(files::GravacaoInteira::Temporario(caminho)));
    EXPECT_TRUE(frm->Editor->document()->isModified());
  }
  disco.Esvazia();
  EXPECT_TRUE(frm->FileSave());
  EXPECT_NE(Le(caminho), velho);
}

INSTANTIATE_TEST_SUITE_P(Editores, DocumentoFaltas,
                         ::testing::Values(Editor{"texto", [] { return new pravo::TfrmTexto; }, ".rtf"},
                                           Editor{"html", [] { return new pravo::TfrmHTML; }, ".htm"}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A save killed at any moment leaves the old document or the new one,
// whole; the next save leaves no temporary beside it.
TEST(SalvarDocumento, MortoNoMeioDeixaVelhoOuNovo) {
  apoio::PastaTemporaria pasta;
  apoio::DiscoPequeno rapido(8192);  // no cost for the syncs
  const QString p = (rapido.montado() ? rapido.caminho() : pasta.caminho()) + "carta.rtf";
  const QByteArray a = "{\\rtf1\\ansi " + QByteArray(300, 'a') + "}";
  const QByteArray b = "{\\rtf1\\ansi " + QByteArray(30000, 'b') + "}";
  pravo::GravaArquivoInteiro(p, a);
  apoio::Interrupcoes plano;
  plano.passo = [&](quint64 n) { pravo::GravaArquivoInteiro(p, n % 2 ? a : b); };
  plano.confere = [&](int) {
    const QByteArray agora = Le(p);
    EXPECT_TRUE(agora == a || agora == b) << agora.size() << " bytes";
    pravo::GravaArquivoInteiro(p, a);
    EXPECT_FALSE(QFileInfo::exists(files::GravacaoInteira::Temporario(p)));
  };
  ASSERT_TRUE(apoio::Interrompe(plano));
}

}  // namespace
