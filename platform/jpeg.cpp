// JPEG pictures through libjpeg (the IJG 6 interface), read from memory.  A
// failure of the library jumps back here with its message code, so that a
// damaged file never ends the program.
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "platform/figura.h"

namespace platform {

namespace {

// The largest picture decoded, in pixels.
constexpr unsigned long long kMaiorFigura = 80ull * 1000 * 1000;
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
  unsigned char* pixels = nullptr;  // malloc'd, rows of largura x componentes
  int largura = 0, altura = 0, componentes = 0;
  bool cmykInvertido = false;
};

bool Decodifica(Decodificacao& z, const unsigned char* dados, unsigned long tamanho) {
  z.cinfo.err = jpeg_std_error(&z.erro.mgr);
  z.erro.mgr.error_exit = SaiComErro;
  z.erro.mgr.emit_message = SemMensagem;
  z.erro.mgr.output_message = SemTexto;
  z.erro.codigo = 0;
  if (setjmp(z.erro.salto)) {
    jpeg_destroy_decompress(&z.cinfo);
    std::free(z.pixels);
    z.pixels = nullptr;
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
  // Checked before the decompressor allocates its buffers for the picture.
  if (static_cast<unsigned long long>(z.cinfo.image_width) * z.cinfo.image_height > kMaiorFigura) {
    z.erro.codigo = kCodigoGrandeDemais;
    std::longjmp(z.erro.salto, 1);
  }
  jpeg_start_decompress(&z.cinfo);
  z.largura = static_cast<int>(z.cinfo.output_width);
  z.altura = static_cast<int>(z.cinfo.output_height);
  z.componentes = z.cinfo.output_components;
  const size_t linha = static_cast<size_t>(z.largura) * z.componentes;
  z.pixels = static_cast<unsigned char*>(std::malloc(linha * z.altura));
  if (!z.pixels) {
    z.erro.codigo = kCodigoGrandeDemais;
    std::longjmp(z.erro.salto, 1);
  }
  while (z.cinfo.output_scanline < z.cinfo.output_height) {
    JSAMPROW destino = z.pixels + linha * z.cinfo.output_scanline;
    jpeg_read_scanlines(&z.cinfo, &destino, 1);
  }
  jpeg_finish_decompress(&z.cinfo);
  jpeg_destroy_decompress(&z.cinfo);
  return true;
}

}  // namespace

QImage DecodificaJPEG(const QByteArray& bytes, QString* erro) {
  auto* z = new Decodificacao;
  std::memset(&z->cinfo, 0, sizeof z->cinfo);
  const bool ok = Decodifica(*z, reinterpret_cast<const unsigned char*>(bytes.constData()),
                             static_cast<unsigned long>(bytes.size()));
  QImage imagem;
  if (!ok) {
    if (erro)
      *erro = z->erro.codigo == kCodigoGrandeDemais
                  ? QStringLiteral("Figura grande demais para ser mostrada.")
                  : QStringLiteral("JPEG error #%1").arg(z->erro.codigo);
    delete z;
    return imagem;
  }
  imagem = QImage(z->largura, z->altura, QImage::Format_RGB32);
  if (imagem.isNull()) {
    if (erro) *erro = QStringLiteral("Figura grande demais para ser mostrada.");
  } else {
    const size_t linha = static_cast<size_t>(z->largura) * z->componentes;
    for (int y = 0; y < z->altura; ++y) {
      const unsigned char* s = z->pixels + linha * y;
      QRgb* d = reinterpret_cast<QRgb*>(imagem.scanLine(y));
      for (int x = 0; x < z->largura; ++x, s += z->componentes) {
        switch (z->componentes) {
          case 1: d[x] = qRgb(s[0], s[0], s[0]); break;
          case 3: d[x] = qRgb(s[0], s[1], s[2]); break;
          default: {
            int c = s[0], m = s[1], a = s[2], k = s[3];
            if (!z->cmykInvertido) { c = 255 - c; m = 255 - m; a = 255 - a; k = 255 - k; }
            d[x] = qRgb(c * k / 255, m * k / 255, a * k / 255);
          }
        }
      }
    }
  }
  std::free(z->pixels);
  delete z;
  return imagem;
}

}  // namespace platform
