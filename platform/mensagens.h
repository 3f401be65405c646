// Message boxes with the captions, icons and buttons the programs give, and
// the window system's colour values.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QWidget;

namespace platform {

// An OK box with no icon (the player's data-file failures, the authoring
// validations).  "\n" in the text breaks the line.
void MensagemOK(QWidget* dono, const QString& texto, const QString& titulo);
// A warning box with an OK button.
void AvisoOK(QWidget* dono, const QString& texto, const QString& titulo);
// A question box with Yes and No; true for Yes.
bool PerguntaSimNao(QWidget* dono, const QString& texto, const QString& titulo);
// The same with No as the default button (Enter answers No).
bool PerguntaSimNaoPadraoNao(QWidget* dono, const QString& texto, const QString& titulo);
// Yes, No and Cancel: 1 Yes, 0 No, -1 Cancel.
int PerguntaSimNaoCancela(QWidget* dono, const QString& texto, const QString& titulo);

// A stored 24-bit colour value, blue in the high byte (10485760 = $A00000,
// the dark blue of the player's windows).
QColor CorDe(uint32_t valor);
inline constexpr uint32_t kAzulEscuro = 10485760;
inline constexpr uint32_t kAzul = 16711680;
inline constexpr uint32_t kAqua = 16776960;
inline constexpr uint32_t kAmareloClaro = 12648447;
inline constexpr uint32_t kPrata = 12632256;
inline constexpr uint32_t kMarinho = 8388608;
inline constexpr uint32_t kPreto = 0;
inline constexpr uint32_t kBranco = 16777215;
inline constexpr uint32_t kVermelho = 255;
inline constexpr uint32_t kAmarelo = 65535;

// Paints a widget's background in a stored colour.
void PintaFundo(QWidget* w, uint32_t valor);

}  // namespace platform
