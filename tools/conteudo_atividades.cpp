// The activities of the demonstration subject: a words file on the
// cardiovascular system, played as hangman and as scrambled word.
#include <QFile>

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

}  // namespace

QList<files::RegPagina> GravaConteudoAtividades(const QString& dirAssunto) {
  const QString caminho = dirAssunto + QString::fromLatin1(kArquivoPalavras);
  QFile::remove(caminho);
  files::RecordFile arquivo(files::RegPalavra::Tamanho);
  arquivo.AbreEdicao(caminho);
  qint64 n = 0;
  for (const Verbete& v : kVerbetes) {
    files::RegPalavra r;
    r.Palavra = QString::fromUtf8(v.palavra);
    r.DefineDica(QString::fromUtf8(v.dica));
    r.Prepara();
    arquivo.EscreveRegistro(++n, r);
  }
  arquivo.Fecha();

  // Hangman: the hint when the student asks for it; scrambled word: the
  // hint at the last chance.
  return {PaginaDePalavras(files::kForca, 8, 0), PaginaDePalavras(files::kEmbaralhada, 6, 3)};
}

}  // namespace gerador
