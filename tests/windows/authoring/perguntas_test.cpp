// The save question of the two document editors, for every command that
// asks (Novo, Abrir, a dropped file, closing, Visualizar): Yes, No and Cancel
// against a save that happens and one that does not (Save As cancelled,
// overwrite declined, the write failing).  A Yes that did not save abandons
// the command, as Cancel does; only a save that happened, or No, lets it go
// on.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <memory>

#include "authoring/documents/html.h"
#include "authoring/documents/texto.h"
#include "windows/authoring/apoio_documentos.h"

namespace {

using pravo::EditorDocumento;
using teste::Arquivo;
using teste::Botao;
using teste::Cancela;
using teste::Resposta;

enum class Nome { Salvo, SemNome, Pasta };

struct Caso {
  const char* descricao;
  Nome nome;
  // The answers, built from the folder and the extension.
  std::function<std::vector<Resposta>(const QString& dir, const QString& ext, apoio::Mensagem* erro)> respostas;
  const char* alvo;  // the file the save would write ("" none)
  bool salva;
  bool segue;
};

const Caso kCasos[] = {
    {"Yes, saved under its name", Nome::Salvo,
     [](auto&, auto&, auto*) { return std::vector<Resposta>{Botao(QMessageBox::Yes)}; }, "doc", true, true},
    {"Yes, untitled, saved as a new name (the extension added)", Nome::SemNome,
     [](const QString& dir, auto&, auto*) {
       return std::vector<Resposta>{Botao(QMessageBox::Yes), Arquivo(dir + "novo")};
     },
     "novo", true, true},
    {"Yes, untitled, Save As cancelled", Nome::SemNome,
     [](auto&, auto&, auto*) { return std::vector<Resposta>{Botao(QMessageBox::Yes), Cancela()}; }, "", false,
     false},
    {"Yes, untitled, overwrite declined", Nome::SemNome,
     [](const QString& dir, const QString& ext, auto*) {
       return std::vector<Resposta>{Botao(QMessageBox::Yes), Arquivo(dir + "existente." + ext),
                                    Botao(QMessageBox::No)};
     },
     "existente", false, false},
    {"Yes, untitled, overwrite accepted", Nome::SemNome,
     [](const QString& dir, const QString& ext, auto*) {
       return std::vector<Resposta>{Botao(QMessageBox::Yes), Arquivo(dir + "existente." + ext),
                                    Botao(QMessageBox::Yes)};
     },
     "existente", true, true},
    {"Yes, the write fails (reported)", Nome::Pasta,
     [](auto&, auto&, apoio::Mensagem* erro) {
       return std::vector<Resposta>{Botao(QMessageBox::Yes), Botao(QMessageBox::Ok, erro)};
     },
     "", false, false},
    {"No", Nome::Salvo, [](auto&, auto&, auto*) { return std::vector<Resposta>{Botao(QMessageBox::No)}; }, "doc",
     false, true},
    {"Cancel", Nome::Salvo,
     [](auto&, auto&, auto*) { return std::vector<Resposta>{Botao(QMessageBox::Cancel)}; }, "doc", false, false},
};

// One command: what it needs answered when it goes on, and whether it went
// on.
struct Comando {
  const char* nome;
  std::function<void(EditorDocumento*)> roda;
  std::function<std::vector<Resposta>(const QString& dir, const QString& ext)> aoSeguir;
  std::function<bool(EditorDocumento*)> seguiu;
};

class Perguntas : public teste::TesteDocumentos {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    // A stand-in for the preview, so that it opens without a browser.
    pravo::RegistraJanela("TfrmBrowser", [this](QWidget* dono) {
      auto* d = new QDialog(dono);
      QObject::connect(d, &QDialog::finished, [this] { ++previas; });
      return d;
    });
    pravo::CriaJanelas(nullptr);
    Pasta("pasta.rtf");
    Pasta("pasta.htm");
  }
  void TearDown() override {
    pravo::EsqueceJanela("TfrmBrowser");
    TesteDocumentos::TearDown();
  }

  QString Caminho(const char* base, const QString& ext) const { return pasta.caminho() + base + "." + ext; }

  // Runs every case of the table through the command.
  // `padrao`: the extension the save dialog adds to a name typed without one.
  void Tabela(EditorDocumento* editor, const QString& ext, const QString& padrao, const Comando& comando,
              const QByteArray& outro) {
    pasta.Escreve("outro." + ext, outro);
    for (const Caso& c : kCasos) {
      SCOPED_TRACE(std::string(comando.nome) + ": " + c.descricao);
      if (!editor->isVisible()) {
        editor->Editor->document()->setModified(false);
        Mostra(editor);
      }
      pasta.Escreve("doc." + ext, "velho");
      pasta.Escreve("existente." + ext, "velho");
      QFile::remove(Caminho("novo", padrao));
      editor->SetDocumentName(c.nome == Nome::Salvo    ? Caminho("doc", ext)
                              : c.nome == Nome::Pasta ? Caminho("pasta", ext)
                                                      : pravo::kSemNome);
      editor->Editor->setPlainText("texto editado");
      editor->Editor->document()->setModified(true);
      previas = 0;

      apoio::Mensagem erro;
      std::vector<Resposta> respostas = c.respostas(pasta.caminho(), ext, &erro);
      const size_t antes = respostas.size();
      if (c.segue) {
        for (Resposta& r : comando.aoSeguir(pasta.caminho(), ext)) respostas.push_back(r);
      } else {
        respostas.push_back(Cancela());  // closes whatever a command that went on opened
      }
      const size_t esperadas = c.segue ? respostas.size() : antes;
      const int dadas = Responde(respostas, [&] { comando.roda(editor); });
      EXPECT_EQ(size_t(dadas), esperadas);
      EXPECT_EQ(comando.seguiu(editor), c.segue);
      if (*c.alvo) {
        QFile f(Caminho(c.alvo, QString(c.alvo) == "novo" ? padrao : ext));
        const bool gravado = f.open(QIODevice::ReadOnly) && f.readAll() != "velho";
        EXPECT_EQ(gravado, c.salva);
      }
      if (c.nome == Nome::Pasta) {
        EXPECT_EQ(erro.texto, "Access denied");
      }
      if (!c.segue) {
        EXPECT_EQ(editor->Editor->toPlainText(), "texto editado");
        EXPECT_TRUE(editor->Editor->document()->isModified());
      }
    }
  }

  int previas = 0;
};

std::vector<Comando> Comuns(const QString& textoOutro) {
  return {
      {"Novo", [](EditorDocumento* e) { e->FileNew(); }, [](auto&, auto&) { return std::vector<Resposta>{}; },
       [](EditorDocumento* e) { return e->Editor->toPlainText().isEmpty() && e->DocumentName() == "SemNome"; }},
      {"Abrir", [](EditorDocumento* e) { e->FileOpen(); },
       [](const QString& dir, const QString& ext) { return std::vector<Resposta>{Arquivo(dir + "outro." + ext)}; },
       [textoOutro](EditorDocumento* e) { return e->Editor->toPlainText() == textoOutro; }},
      {"Fechar", [](EditorDocumento* e) { e->FileExit(); }, [](auto&, auto&) { return std::vector<Resposta>{}; },
       [](EditorDocumento* e) { return !e->isVisible(); }},
  };
}

TEST_F(Perguntas, RichTextEditor) {
  auto editor = std::make_unique<pravo::TfrmTexto>();
  std::vector<Comando> comandos = Comuns("Outro texto");
  comandos.push_back({"Soltar arquivo",
                      [this](EditorDocumento* e) {
                        static_cast<pravo::TfrmTexto*>(e)->HandleDroppedFiles({pasta.caminho() + "outro.rtf"});
                      },
                      [](auto&, auto&) { return std::vector<Resposta>{}; },
                      [](EditorDocumento* e) { return e->Editor->toPlainText() == "Outro texto"; }});
  for (const Comando& c : comandos) Tabela(editor.get(), "rtf", "rtf", c, "{\\rtf1\\ansi Outro texto}");
  editor->Editor->document()->setModified(false);
  editor->close();
}

TEST_F(Perguntas, HtmlEditor) {
  auto editor = std::make_unique<pravo::TfrmHTML>();
  std::vector<Comando> comandos = Comuns("<p>Outro</p>");
  comandos.push_back({"Visualizar", [](EditorDocumento* e) { static_cast<pravo::TfrmHTML*>(e)->Visualizar1Click(); },
                      [](auto&, auto&) { return std::vector<Resposta>{Cancela()}; },
                      [this](EditorDocumento*) { return previas == 1; }});
  for (const Comando& c : comandos) Tabela(editor.get(), "htm", "html", c, "<p>Outro</p>");
  editor->Editor->document()->setModified(false);
  editor->close();
}

}  // namespace
