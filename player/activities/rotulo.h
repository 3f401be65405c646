// The labels of the activity windows: Times New Roman, bold (and italic
// unless told otherwise), in a stored colour, sized to their text.
#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>

namespace zelmo {

QLabel* CriaRotulo(QWidget* pai, const QString& nome, const QString& texto, int left, int top, int altura,
                   uint32_t cor, bool italico = true);

}  // namespace zelmo
