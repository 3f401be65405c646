// JPEG pictures through libjpeg (the IJG 6 interface), read from memory.  A
// failure of the library jumps back here with its message code, so that a
// damaged file never ends the program.  The picture's size is checked from
// its header against the picture limits before anything is allocated for
// it, and its rows are decoded straight into the image that is returned.
#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/imagem_limitada.h"

namespace platform {

namespace {

constexpr int kCodigoGrandeDemais = -1;

struct ErroJpeg {
  jpeg_error_mgr mgr;
  std::jmp_buf salto;
  int codigo;
};

void SaiComErro(j_common_ptr cinfo) {
  ErroJpeg* e = reinterpret_cast<ErroJpeg*>(cinfo->err);
  e->codigo = cinfo->err->msg_code;
  std::longjmp(e->salto, 1);
}

// Warnings (a premature end of the data, extra bytes) are not failures: the
// library fills what is missing and goes on.
void SemMensagem(j_common_ptr, int) {}
void SemTexto(j_common_ptr) {}

// Everything the decoder touches between setjmp and longjmp is plain data.
struct Decodificacao {
  jpeg_decompress_struct cinfo;
  ErroJpeg erro;
  unsigned char* linha = nullptr;  // malloc'd, one row of largura x componentes
  int largura = 0, altura = 0;
  bool cmykInvertido = false;
};

// Header only: the size and the colour space to decode to.  On success the
// decompressor stays alive for LeLinhas (or jpeg_destroy_decompress).
bool LeCabecalho(Decodificacao& z, const unsigned char* dados, unsigned long tamanho) {
  z.cinfo.err = jpeg_std_error(&z.erro.mgr);
  z.erro.mgr.error_exit = SaiComErro;
  z.erro.mgr.emit_message = SemMensagem;
  z.erro.mgr.output_message = SemTexto;
  z.erro.codigo = 0;
  if (setjmp(z.erro.salto)) {
    jpeg_destroy_decompress(&z.cinfo);
    return false;
  }
  jpeg_create_decompress(&z.cinfo);
  jpeg_mem_src(&z.cinfo, const_cast<unsigned char*>(dados), tamanho);
  jpeg_read_header(&z.cinfo, TRUE);
  switch (z.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE: z.cinfo.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK:
      z.cinfo.out_color_space = JCS_CMYK;
      z.cmykInvertido = z.cinfo.saw_Adobe_marker;
      break;
    default: z.cinfo.out_color_space = JCS_RGB; break;
  }
  z.largura = static_cast<int>(std::min<JDIMENSION>(z.cinfo.image_width, 1u << 30));
  z.altura = static_cast<int>(std::min<JDIMENSION>(z.cinfo.image_height, 1u << 30));
  return true;
}

// The rows, converted to 32-bit pixels, into `destino` (altura rows of
// `passo` bytes); the decompressor is destroyed in every case.
bool LeLinhas(Decodificacao& z, unsigned char* destino, qsizetype passo) {
  if (setjmp(z.erro.salto)) {
    jpeg_destroy_decompress(&z.cinfo);
    std::free(z.linha);
    z.linha = nullptr;
    return false;
  }
  jpeg_start_decompress(&z.cinfo);
  const int componentes = z.cinfo.output_components;
  if (static_cast<int>(z.cinfo.output_width) != z.largura || static_cast<int>(z.cinfo.output_height) != z.altura ||
      (componentes != 1 && componentes != 3 && componentes != 4)) {
    z.erro.codigo = JERR_IMAGE_TOO_BIG;
    std::longjmp(z.erro.salto, 1);
  }
  z.linha = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(z.largura) * componentes));
  if (!z.linha) {
    z.erro.codigo = kCodigoGrandeDemais;
    std::longjmp(z.erro.salto, 1);
  }
  while (z.cinfo.output_scanline < z.cinfo.output_height) {
    const qsizetype y = z.cinfo.output_scanline;
    JSAMPROW linha = z.linha;
    if (jpeg_read_scanlines(&z.cinfo, &linha, 1) != 1) break;
    QRgb* d = reinterpret_cast<QRgb*>(destino + passo * y);
    const unsigned char* s = z.linha;
    for (int x = 0; x < z.largura; ++x, s += componentes) {
      switch (componentes) {
        case 1: d[x] = qRgb(s[0], s[0], s[0]); break;
        case 3: d[x] = qRgb(s[0], s[1], s[2]); break;
        default: {
          int c = s[0], m = s[1], a = s[2], k = s[3];
          if (!z.cmykInvertido) { c = 255 - c; m = 255 - m; a = 255 - a; k = 255 - k; }
          d[x] = qRgb(c * k / 255, m * k / 255, a * k / 255);
        }
      }
    }
  }
  jpeg_finish_decompress(&z.cinfo);
  jpeg_destroy_decompress(&z.cinfo);
  std::free(z.linha);
  z.linha = nullptr;
  return true;
}

}  // namespace

QImage DecodificaJPEG(const QByteArray& bytes, QString* erro, qint64 maiorArea, QSize* natural) {
  if (natural) *natural = QSize();
  auto* z = new Decodificacao;
  std::memset(&z->cinfo, 0, sizeof z->cinfo);
  QImage imagem;
  bool ok = LeCabecalho(*z, reinterpret_cast<const unsigned char*>(bytes.constData()),
                        static_cast<unsigned long>(bytes.size()));
  if (ok) {
    const QSize tamanho(z->largura, z->altura);
    if (natural) *natural = tamanho;
    if (!TamanhoAceito(tamanho, maiorArea)) {
      jpeg_destroy_decompress(&z->cinfo);
      z->erro.codigo = kCodigoGrandeDemais;
      ok = false;
    } else {
      imagem = QImage(tamanho, QImage::Format_RGB32);
      if (imagem.isNull()) {
        jpeg_destroy_decompress(&z->cinfo);
        z->erro.codigo = kCodigoGrandeDemais;
        ok = false;
      } else {
        ok = LeLinhas(*z, imagem.bits(), imagem.bytesPerLine());
      }
    }
  }
  if (!ok) {
    imagem = QImage();
    if (erro)
      *erro = z->erro.codigo == kCodigoGrandeDemais ? QStringLiteral("Figura grande demais para ser mostrada.")
                                                     : QStringLiteral("JPEG error #%1").arg(z->erro.codigo);
  }
  delete z;
  return imagem;
}

}  // namespace platform
