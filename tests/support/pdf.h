// Reading back what a test printed to a PDF file.
#pragma once

#include <QString>

namespace apoio {

// The number of pages of the PDF file; -1 when it cannot be read.
int PaginasDoPdf(const QString& caminho);

}  // namespace apoio
