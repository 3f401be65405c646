// The exercises of the demonstration subject: a phrases file and a tests file
// on the cardiovascular system, played as fill-in phrases, tests, true or
// false, and association over the words file.
#include <QFile>
#include <iterator>

#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

constexpr const char* kArquivoFrases = "Circulacao.fse";
constexpr const char* kArquivoTestes = "Coracao.tst";

struct Questao {
  const char* texto;
  const char* correta;
  const char* errada1;
  const char* errada2;
  const char* errada3;
};

// Gaps are runs of "_"; an option with two items (";") fills two gaps.
const Questao kFrases[] = {
    {"O ________ bombeia o sangue para todo o corpo.", "coração", "pulmão", "fígado", "estômago"},
    {"As _______ levam o sangue do coração para os órgãos, e as _____ o trazem de volta.", "artérias;veias",
     "veias;artérias", "capilares;artérias", "veias;capilares"},
    {"A _____ é a maior artéria do corpo humano.", "aorta", "veia cava", "artéria pulmonar", "carótida"},
    {"O coração tem ______ câmaras: dois átrios e dois ventrículos.", "quatro", "duas", "três", "cinco"},
    {"As ________ levam o oxigênio dos pulmões a todos os tecidos.", "hemácias", "plaquetas", "leucócitos",
     "células nervosas"},
    {"As _________ ajudam o sangue a coagular e fecham os ferimentos.", "plaquetas", "hemácias", "artérias",
     "valvas"},
    {"A valva ______ separa o átrio esquerdo do ventrículo esquerdo.", "mitral", "tricúspide", "aórtica",
     "pulmonar"},
    {"Nos ________ acontecem as trocas entre o sangue e os tecidos.", "capilares", "ventrículos", "átrios",
     "músculos"},
    {"O ____________ é o músculo que forma a parede do coração.", "miocárdio", "pericárdio", "diafragma",
     "bíceps"},
    {"Na pequena circulação o sangue vai do coração aos ________ e volta ao coração.", "pulmões", "rins", "pés",
     "ossos"},
};

const Questao kTestes[] = {
    {"Qual órgão bombeia o sangue para todo o corpo?", "O coração", "O pulmão", "O fígado", "O rim"},
    {"Quantas câmaras tem o coração humano?", "Quatro", "Duas", "Três", "Seis"},
    {"Qual é a maior artéria do corpo humano?", "A aorta", "A veia cava", "A carótida", "A femoral"},
    {"Que vasos levam o sangue de volta ao coração?", "As veias", "As artérias", "Os nervos", "Os tendões"},
    {"Qual célula do sangue transporta o oxigênio?", "A hemácia", "A plaqueta", "O leucócito", "O neurônio"},
    {"Onde acontecem as trocas entre o sangue e os tecidos?", "Nos capilares", "Na aorta", "Nos átrios",
     "Nas valvas"},
    {"O que mede um aparelho de pressão?", "A pressão arterial", "A temperatura", "A glicose",
     "O peso do corpo"},
    {"Qual câmara do coração expulsa o sangue para a aorta?", "O ventrículo esquerdo", "O átrio direito",
     "O átrio esquerdo", "O ventrículo direito"},
    {"Para que serve o marca-passo?", "Manter o ritmo regular do coração", "Filtrar o sangue",
     "Produzir hemácias", "Levar ar aos pulmões"},
};

void GravaQuestoes(const QString& caminho, const Questao* questoes, int n) {
  QFile::remove(caminho);
  files::RecordFile arquivo(files::RegFrase::Tamanho);
  arquivo.AbreEdicao(caminho);
  for (int i = 0; i < n; ++i) {
    const Questao& q = questoes[i];
    files::RegFrase r;
    r.DefineTexto(QString::fromUtf8(q.texto));
    r.Correta = QString::fromUtf8(q.correta);
    r.Errada1 = QString::fromUtf8(q.errada1);
    r.Errada2 = QString::fromUtf8(q.errada2);
    r.Errada3 = QString::fromUtf8(q.errada3);
    r.Prepara();
    arquivo.EscreveRegistro(i + 1, r);
  }
  arquivo.Fecha();
}

files::RegPagina Pagina(int tipo, const char* arquivo, int quant, int rodadas) {
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = QString::fromLatin1(arquivo);
  p.Quant = quant;
  p.Rodadas = rodadas;
  p.Ordem = 1;  // drawn at random
  p.Porcent = 50;
  return p;
}

}  // namespace

QList<files::RegPagina> GravaConteudoExercicios(const QString& dirAssunto) {
  GravaQuestoes(dirAssunto + QString::fromLatin1(kArquivoFrases), kFrases, static_cast<int>(std::size(kFrases)));
  GravaQuestoes(dirAssunto + QString::fromLatin1(kArquivoTestes), kTestes, static_cast<int>(std::size(kTestes)));
  return {Pagina(files::kFrases, kArquivoFrases, 6, 5), Pagina(files::kTestes, kArquivoTestes, 8, 5),
          Pagina(files::kAssociacao, kArquivoPalavras, 5, 3), Pagina(files::kVerdadeiroFalso, kArquivoFrases, 5, 3)};
}

}  // namespace gerador
