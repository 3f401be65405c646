// The help page of the authoring program: "ajuda.htm" in the program folder,
// with its stylesheet and pictures in "Ajuda_arquivos".  The pictures are
// drawn here.
#include <QByteArray>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "tools/escrita.h"
#include "tools/gerador.h"

namespace gerador {

namespace {

QFont Fonte(int pixels, bool negrito = false, bool italico = false, bool serifa = false) {
  QFont f;
  f.setFamilies(serifa ? QStringList{"Liberation Serif", "DejaVu Serif"}
                       : QStringList{"Liberation Sans", "DejaVu Sans"});
  f.setPixelSize(pixels);
  f.setBold(negrito);
  f.setItalic(italico);
  return f;
}

// The title of the page: "Pravo II" in red over its shadow.
QImage Titulo() {
  QImage img(520, 96, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(Fonte(58, true, true, true));
  p.setPen(Qt::black);
  p.drawText(QRect(23, 9, 400, 80), Qt::AlignLeft | Qt::AlignVCenter, "Pravo II");
  p.setPen(Qt::red);
  p.drawText(QRect(20, 6, 400, 80), Qt::AlignLeft | Qt::AlignVCenter, "Pravo II");
  p.setFont(Fonte(17, true));
  p.setPen(Qt::blue);
  p.drawText(QRect(290, 30, 220, 60), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             QString::fromUtf8("o programa do professor"));
  return img;
}

// One box of the road drawing.
void Caixa(QPainter& p, const QRectF& r, const QColor& cor, const QString& titulo, const QString& texto) {
  p.setPen(QPen(cor.darker(150), 2));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, cor.lighter(170));
  g.setColorAt(1, cor.lighter(120));
  p.setBrush(g);
  p.drawRoundedRect(r, 10, 10);
  p.setPen(Qt::black);
  p.setFont(Fonte(15, true));
  p.drawText(r.adjusted(6, 6, -6, -r.height() / 2), Qt::AlignCenter, titulo);
  p.setFont(Fonte(12));
  p.drawText(r.adjusted(8, r.height() / 2 - 8, -8, -6), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, texto);
}

void Seta(QPainter& p, QPointF de, QPointF ate) {
  p.setPen(QPen(QColor(60, 60, 60), 2.5));
  p.drawLine(de, ate);
  const QLineF linha(ate, de);
  QLineF a = linha;
  a.setLength(12);
  a.setAngle(linha.angle() + 25);
  QLineF b = linha;
  b.setLength(12);
  b.setAngle(linha.angle() - 25);
  p.setBrush(QColor(60, 60, 60));
  p.drawPolygon(QPolygonF({ate, a.p2(), b.p2()}));
}

// How a subject travels from the teacher to the student and back.
QImage Caminho() {
  QImage img(760, 300, QImage::Format_ARGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor azul(80, 130, 220), verde(70, 170, 90), laranja(235, 150, 40), roxo(150, 90, 190);
  const QRectF pravo(20, 20, 200, 110), pasta(280, 20, 200, 110), zelmo(540, 20, 200, 110),
      relatorio(280, 170, 200, 110), ver(20, 170, 200, 110);
  Caixa(p, pravo, azul, "Pravo II", QString::fromUtf8("o professor cria o assunto, os arquivos e as páginas"));
  Caixa(p, pasta, laranja, QString::fromUtf8("Pasta do assunto"),
        QString::fromUtf8("assunto.ast, palavras, frases, testes, figuras, sons"));
  Caixa(p, zelmo, verde, "Zelmo II", QString::fromUtf8("o aluno percorre as páginas e faz as atividades"));
  Caixa(p, relatorio, roxo, QString::fromUtf8("Relatório (.rel)"),
        QString::fromUtf8("um bloco por aluno: nome, data, acertos e erros"));
  Caixa(p, ver, azul, QString::fromUtf8("Ver Relatórios"), QString::fromUtf8("o professor lê, imprime ou apaga"));
  Seta(p, QPointF(pravo.right(), 75), QPointF(pasta.left(), 75));
  Seta(p, QPointF(pasta.right(), 75), QPointF(zelmo.left(), 75));
  Seta(p, QPointF(zelmo.center().x(), zelmo.bottom()), QPointF(relatorio.right(), relatorio.center().y()));
  Seta(p, QPointF(relatorio.left(), relatorio.center().y()), QPointF(ver.right(), ver.center().y()));
  p.setFont(Fonte(12, false, true));
  p.setPen(QColor(90, 90, 90));
  p.drawText(QRectF(540, 170, 210, 110), Qt::AlignCenter | Qt::TextWordWrap,
             QString::fromUtf8("\"Configurar Zelmo\" diz ao Zelmo II qual assunto tocar e em qual relatório "
                               "escrever"));
  return img;
}

const char* const kEstilo = R"(body {
  font-family: "Liberation Sans", Arial, sans-serif;
  font-size: 15px;
  line-height: 1.45;
  color: #1c1c1c;
  background: #ffffe8;
  margin: 0 auto;
  max-width: 880px;
  padding: 12px 24px 40px 24px;
}
h1 { margin: 0 0 4px 0; }
h2 {
  color: #b00000;
  font-family: "Liberation Serif", "Times New Roman", serif;
  font-style: italic;
  border-bottom: 2px solid #e0c870;
  margin-top: 30px;
}
h3 { color: #0030a0; margin-bottom: 4px; }
.botao {
  display: inline-block;
  font-weight: bold;
  background: #f0f0f0;
  border: 1px solid #909090;
  border-radius: 3px;
  padding: 0 6px;
  white-space: nowrap;
}
.msg { font-family: "Liberation Mono", monospace; background: #fff4d0; padding: 0 4px; }
.nota {
  background: #eef4ff;
  border-left: 4px solid #5080e0;
  padding: 6px 12px;
  margin: 12px 0;
}
ol.passos > li { margin-bottom: 8px; }
table { border-collapse: collapse; margin: 8px 0; }
th, td { border: 1px solid #c8b870; padding: 3px 8px; text-align: left; vertical-align: top; }
th { background: #f4e8b0; }
img { max-width: 100%; }
#indice { columns: 2; }
)";

const char* const kPagina = R"(<!DOCTYPE html>
<html lang="pt-BR">
<head>
<meta charset="utf-8">
<title>Ajuda do Pravo II</title>
<link rel="stylesheet" href="Ajuda_arquivos/estilo.css">
</head>
<body>
<h1><img src="Ajuda_arquivos/titulo.png" alt="Pravo II" width="520" height="96"></h1>
<p>O <b>Pravo II</b> é o programa em que o professor prepara os assuntos que os alunos estudam
no <b>Zelmo II</b>. Um assunto é uma sequência de páginas: textos, hipertextos, páginas HTML e
dez tipos de atividade (caça-palavras, palavras cruzadas, jogo da forca, palavra embaralhada,
frases para completar, testes, associação, acerte o local, verdadeiro ou falso e testes em HTML).
Quando o aluno termina, o Zelmo II anota no relatório como ele se saiu, e o professor lê esse
relatório aqui mesmo, no Pravo II.</p>

<ul id="indice">
<li><a href="#comecar">Ao abrir o programa</a></li>
<li><a href="#caminho">Do Pravo II ao aluno</a></li>
<li><a href="#menu">O menu principal</a></li>
<li><a href="#paginas">Os tipos de página</a></li>
<li><a href="#arquivos">Pastas e arquivos</a></li>
<li><a href="#mensagens">Mensagens e soluções</a></li>
</ul>

<h2 id="comecar">Ao abrir o programa</h2>
<p>Depois da tela <i>Aguarde ...</i>, o Pravo II pede o assunto com que você vai trabalhar,
na janela <b>Escolher Assunto</b>:</p>
<ul>
<li>para continuar um assunto, escolha-o na lista <i>Abrir Assunto existente</i> e clique em
<span class="botao">Abrir</span> (ou dê um duplo clique no nome);</li>
<li>para começar um assunto novo, digite o nome dele em <i>Criar novo Assunto</i> e clique em
<span class="botao">Criar</span>. O Pravo II cria a pasta do assunto dentro da pasta do
programa;</li>
<li><span class="botao">Cancelar</span> nesta primeira escolha fecha o programa.</li>
</ul>
<p>A mesma janela aparece sempre que um arquivo precisa ser escolhido (um arquivo de palavras,
de frases, de testes...): a lista mostra os arquivos daquele tipo que já existem na pasta do
assunto, e um nome novo cria um arquivo novo quando o editor for aberto.</p>
<div class="nota">Um nome é só um nome: não use <b>/</b> nem <b>\</b>, e não use <b>.</b> ou
<b>..</b> sozinhos. O Pravo II recusa esses nomes para que nenhum arquivo vá parar fora da
pasta do assunto.</div>

<h2 id="caminho">Do Pravo II ao aluno</h2>
<p><img src="Ajuda_arquivos/caminho.png" alt="O caminho de um assunto" width="760" height="300"></p>
<ol class="passos">
<li><b>Crie o assunto.</b> Na primeira escolha, ou em <span class="botao">Trocar de Assunto</span>,
digite o nome e clique em <span class="botao">Criar</span>.</li>
<li><b>Prepare os arquivos de dados.</b> Cada atividade busca o seu conteúdo num arquivo:
palavras e dicas para o caça-palavras, as palavras cruzadas, a forca, a palavra embaralhada e a
associação; frases para completar e verdadeiro ou falso; perguntas para os testes; figuras para
o acerte o local; páginas HTML para os testes em HTML. Use os botões <i>Editar Arquivo de ...</i>
e grave cada registro.</li>
<li><b>Escreva os textos.</b> Em <span class="botao">Editores</span> você escreve os textos
formatados (RTF) e as páginas HTML; em <span class="botao">Editar Hypertexto</span> monta
páginas com texto, figura, som e vídeo ligadas entre si.</li>
<li><b>Monte a sequência de páginas</b> em <span class="botao">Configurar Assunto</span>: para
cada página escolha o tipo, o arquivo, o som e as regras (rodadas, quantidade de itens,
porcentagem mínima, ajuda, impressão, saída...). O aluno verá as páginas nessa ordem.</li>
<li><b>Diga ao Zelmo II o que tocar</b> em <span class="botao">Configurar Zelmo</span>:
escolha o assunto e o nome do arquivo de relatório (por exemplo, um por turma) e clique em
<span class="botao">OK</span>.</li>
<li><b>O aluno estuda.</b> No Zelmo II, o aluno digita o nome e a identificação e percorre as
páginas. Ao final, o Zelmo II acrescenta ao relatório um bloco com o nome, a data, a hora e o
desempenho em cada atividade.</li>
<li><b>Leia os resultados</b> em <span class="botao">Ver Relatórios</span>.</li>
</ol>

<h2 id="menu">O menu principal</h2>
<h3>Editar Hypertexto</h3>
<p>Escolha ou crie uma página de hipertexto (<i>.hpr</i>) e monte-a: o texto, a figura, o som,
o vídeo, o título e a lista de itens. Cada item pode levar a outra página de hipertexto e ter
um ponto marcado sobre a figura.</p>
<h3>Editar Arquivo de Palavras</h3>
<p>Escolha ou crie um arquivo de palavras (<i>.plv</i>). Cada registro tem uma palavra (até 20
letras) e uma dica (até 500 caracteres). É usado pelo caça-palavras, pelas palavras cruzadas,
pelo jogo da forca, pela palavra embaralhada e pela associação.</p>
<h3>Editar Arquivo de Frases</h3>
<p>Frases para completar e para o verdadeiro ou falso (<i>.fse</i>). Marque cada lacuna com
<b>_</b> e escreva as respostas certas, separadas por <b>;</b> quando houver mais de uma lacuna,
além de até três alternativas erradas.</p>
<h3>Editar Arquivo de Testes</h3>
<p>Perguntas de múltipla escolha (<i>.tst</i>): a pergunta, a resposta certa e três erradas. O
Zelmo II mistura as alternativas.</p>
<h3>Editar Arquivo de Testes HTML</h3>
<p>Testes cujas perguntas são páginas HTML da pasta do assunto (<i>.tsh</i>): para cada página,
o número de alternativas (de <b>a</b> até <b>e</b>) e qual delas é a certa.</p>
<h3>Editar Arquivo do Acerte o Local</h3>
<p>Figuras com até seis rótulos (<i>.loc</i>). Posicione cada rótulo e, se quiser, a linha que
o liga ao ponto certo da figura; o aluno arrasta os rótulos para os lugares.</p>
<h3>Trocar de Assunto</h3>
<p>Abre a escolha de assunto. O assunto escolhido passa a ser o atual; com
<span class="botao">Cancelar</span> o assunto atual continua o mesmo.</p>
<h3>Configurar Assunto</h3>
<p>A lista de páginas do assunto atual, na ordem em que o aluno as verá. Aqui você insere,
apaga e altera páginas e suas regras.</p>
<h3>Configurar Zelmo</h3>
<p>Mostra qual assunto o Zelmo II vai apresentar e em qual arquivo de relatório vai escrever.
Use <span class="botao">Alterar...</span> ao lado de cada um para trocá-los e
<span class="botao">OK</span> para gravar. A lista de relatórios mostra os da pasta do assunto
escolhido; um nome novo de relatório é criado pelo Zelmo II na primeira vez que um aluno
terminar. Enquanto você não gravar nenhuma configuração, a janela sugere o assunto
<i>Sistema Cardiovascular</i> e o relatório <i>Relatório1</i>.</p>
<h3>Ver Relatórios</h3>
<p>Mostra o relatório em que o Zelmo II está escrevendo, segundo a configuração atual. Cada
aluno que terminou o assunto ocupa um bloco, começando por uma linha de asteriscos, com o nome,
a identificação, a data e a hora, seguidos de uma linha por atividade.</p>
<ul>
<li><span class="botao">Imprimir</span> envia o relatório à impressora escolhida, com margem à
esquerda e no máximo cerca de 46 linhas por página;</li>
<li><span class="botao">Apagar</span> apaga o arquivo de relatório (depois de confirmar), para
começar um novo período ou uma nova turma;</li>
<li><span class="botao">Sair</span> volta ao menu.</li>
</ul>
<h3>Editores</h3>
<p>Os editores de texto formatado (RTF) e de páginas HTML, para escrever as páginas de texto do
assunto, com uma visualização da página como o aluno a verá.</p>
<h3>Ajuda e Sair</h3>
<p><span class="botao">Ajuda</span> abre esta página; <span class="botao">Sair</span> fecha o
Pravo II. Tudo o que você gravou já está nos arquivos do assunto.</p>

<h2 id="paginas">Os tipos de página</h2>
<table>
<tr><th>Tipo de página</th><th>Arquivo que ela usa</th><th>O que o aluno faz</th></tr>
<tr><td>Texto RTF</td><td>texto formatado (.rtf)</td><td>lê o texto; pode imprimi-lo</td></tr>
<tr><td>Hipertexto</td><td>página de hipertexto (.hpr)</td><td>lê e navega pelos itens e pela figura</td></tr>
<tr><td>HTML</td><td>página HTML (.htm)</td><td>lê a página</td></tr>
<tr><td>Caça Palavras</td><td>palavras (.plv)</td><td>encontra as palavras no quadro de letras</td></tr>
<tr><td>Palavras Cruzadas</td><td>palavras (.plv)</td><td>preenche a cruzadinha a partir das dicas</td></tr>
<tr><td>Jogo da Forca</td><td>palavras (.plv)</td><td>adivinha a palavra letra por letra</td></tr>
<tr><td>Palavra Embaralhada</td><td>palavras (.plv)</td><td>desembaralha as letras</td></tr>
<tr><td>Frases para Completar</td><td>frases (.fse)</td><td>completa as lacunas</td></tr>
<tr><td>Testes</td><td>testes (.tst)</td><td>escolhe a alternativa certa</td></tr>
<tr><td>Associação</td><td>palavras (.plv)</td><td>liga cada palavra à sua dica</td></tr>
<tr><td>Acerte o Local</td><td>figuras (.loc)</td><td>arrasta os rótulos para a figura</td></tr>
<tr><td>Verdadeiro ou Falso</td><td>frases (.fse)</td><td>julga cada frase</td></tr>
<tr><td>Testes em HTML</td><td>testes HTML (.tsh)</td><td>responde às perguntas das páginas HTML</td></tr>
</table>

<h2 id="arquivos">Pastas e arquivos</h2>
<p>Os dois programas ficam na mesma pasta, a <i>pasta do programa</i>. Nela estão a
configuração <i>Zelmo2.cfg</i>, os sons de acerto, erro e clique, esta ajuda e uma pasta para
cada assunto. A pasta de um assunto guarda o arquivo do assunto (o nome do assunto com
<i>.ast</i>), os arquivos de dados, os textos, as figuras, os sons e vídeos que as páginas usam e
os relatórios (<i>.rel</i>). Para levar um assunto a outro computador, copie a pasta dele para a
pasta do programa de lá.</p>

<h2 id="mensagens">Mensagens e soluções</h2>
<table>
<tr><th>Mensagem</th><th>O que significa</th></tr>
<tr><td><span class="msg">Relatório não disponível!</span></td>
<td>Nenhum aluno terminou ainda o assunto configurado com esse relatório, ou a configuração do
Zelmo II ainda não foi gravada. Confira em <span class="botao">Configurar Zelmo</span>.</td></tr>
<tr><td><span class="msg">Erro ao criar Diretório</span></td>
<td>Já existe um assunto (ou arquivo) com esse nome. O assunto existente é aberto.</td></tr>
<tr><td><span class="msg">Nome inválido!</span></td>
<td>O nome digitado tem <b>/</b> ou <b>\</b>, ou é <b>.</b> ou <b>..</b>. Digite outro nome.</td></tr>
<tr><td><span class="msg">Este relatório é muito extenso...</span></td>
<td>Só o começo do relatório cabe na janela. Abra o arquivo <i>.rel</i> num editor de textos
para ver tudo, ou imprima e apague o relatório para começar outro.</td></tr>
<tr><td><span class="msg">Não foi possível apagar o Arquivo de Relatório</span></td>
<td>O arquivo está protegido ou em uso. Ele continua como estava; tente de novo mais tarde.</td></tr>
</table>
</body>
</html>
)";

}  // namespace

void GravaAjuda(const QString& dirPrograma) {
  const QString pasta = dirPrograma + "Ajuda_arquivos/";
  CriaPasta(pasta);
  GravaArquivo(pasta + "estilo.css", QByteArray(kEstilo));
  GravaImagem(Titulo(), pasta + "titulo.png");
  GravaImagem(Caminho(), pasta + "caminho.png");
  GravaArquivo(dirPrograma + "ajuda.htm", QByteArray(kPagina));
}

}  // namespace gerador
