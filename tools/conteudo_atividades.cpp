// The activities of the demonstration subject: a words file on the
// cardiovascular system, played as hangman and as scrambled word, and the
// words of letters only that the word search and the crossword play.
#include "files/arquivo_registros.h"
#include "files/registros.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

struct Verbete {
  const char* palavra;
  const char* dica;
};

// Words with accents, one with a blank and one with a hyphen; the first hint
// runs past 250 characters, so it is stored in both hint fields.
const Verbete kVerbetes[] = {
    {"CORAÇÃO",
     "Órgão muscular oco, do tamanho de um punho fechado, que fica no centro do peito, "
     "um pouco voltado para a esquerda. Ele se contrai cerca de setenta vezes por minuto "
     "e bombeia o sangue para todo o corpo através das artérias. Tem quatro câmaras: "
     "dois átrios e dois ventrículos."},
    {"ARTÉRIA", "Vaso sanguíneo que leva o sangue do coração para os órgãos do corpo."},
    {"VEIA", "Vaso sanguíneo que traz o sangue dos órgãos de volta ao coração."},
    {"AORTA", "A maior artéria do corpo humano; sai do ventrículo esquerdo."},
    {"VALVA MITRAL", "Separa o átrio esquerdo do ventrículo esquerdo e impede que o sangue volte."},
    {"VENTRÍCULO", "Câmara inferior do coração, que expulsa o sangue para as artérias."},
    {"ÁTRIO", "Câmara superior do coração, que recebe o sangue que chega pelas veias."},
    {"CAPILAR", "Vaso finíssimo onde acontecem as trocas entre o sangue e os tecidos."},
    {"HEMÁCIA", "Glóbulo vermelho: leva o oxigênio dos pulmões a todos os tecidos."},
    {"PLAQUETA", "Fragmento de célula que ajuda o sangue a coagular e fecha os ferimentos."},
    {"MIOCÁRDIO", "O músculo que forma a parede do coração."},
    {"MARCA-PASSO", "Aparelho que ajuda o coração a manter um ritmo regular de batimentos."},
    {"PRESSÃO ARTERIAL", "Força do sangue contra a parede das artérias; mede-se em milímetros de mercúrio."},
    {"PULSAÇÃO", "Batida das artérias que se sente no punho a cada contração do coração."},
};

files::RegPagina PaginaDePalavras(int tipo, int quant, int dica) {
  files::RegPagina p;
  p.Tipo = tipo;
  p.Arquivo = QString::fromLatin1(kArquivoPalavras);
  p.Quant = quant;
  p.Ordem = 1;  // distinct words drawn at random
  p.Dica = dica;
  p.Porcent = 50;
  return p;
}

// The words of the boards: those of the subject made of letters only, and
// a few more.
const Verbete kMaisDaGrade[] = {
    {"SANGUE", "Líquido vermelho que circula pelos vasos e leva oxigênio e alimento às células."},
    {"SÍSTOLE", "Fase em que o coração se contrai e expulsa o sangue."},
    {"DIÁSTOLE", "Fase em que o coração relaxa e se enche de sangue."},
    {"PULMÃO", "Órgão onde o sangue recebe oxigênio e deixa o gás carbônico."},
    {"CORONÁRIA", "Artéria que leva sangue ao próprio músculo do coração."},
};

bool SoLetras(const QString& palavra) {
  for (const QChar c : palavra)
    if (!c.isLetter()) return false;
  return !palavra.isEmpty();
}

}  // namespace

void GravaPalavras(const QString& caminho, const QList<QPair<QString, QString>>& verbetes) {
  QList<QByteArray> registros;
  for (const auto& [palavra, dica] : verbetes) {
    files::RegPalavra r;
    r.Palavra = palavra;
    r.DefineDica(dica);
    r.Prepara();
    registros.append(r.ParaBytes());
  }
  files::RecordFile::Reescreve(caminho, files::RegPalavra::Tamanho, registros);
}

QList<files::RegPagina> GravaConteudoAtividades(const QString& dirAssunto) {
  QList<QPair<QString, QString>> verbetes;
  for (const Verbete& v : kVerbetes) verbetes.append({QString::fromUtf8(v.palavra), QString::fromUtf8(v.dica)});
  GravaPalavras(dirAssunto + QString::fromLatin1(kArquivoPalavras), verbetes);

  QList<QPair<QString, QString>> grade;
  for (const auto& v : verbetes)
    if (SoLetras(v.first)) grade.append(v);
  for (const Verbete& v : kMaisDaGrade) grade.append({QString::fromUtf8(v.palavra), QString::fromUtf8(v.dica)});
  GravaPalavras(dirAssunto + QString::fromLatin1(kArquivoGrade), grade);

  // Hangman: the hint when the student asks for it; scrambled word: the
  // hint at the last chance.
  return {PaginaDePalavras(files::kForca, 8, 0), PaginaDePalavras(files::kEmbaralhada, 6, 3)};
}

}  // namespace gerador
