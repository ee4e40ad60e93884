#pragma once
// The look of the manual's body: fonts, headings, code, notes, tables and
// figures of a QTextDocument read from Markdown.

#include <QDir>
#include <QSizeF>

class QTextBlock;
class QTextDocument;

namespace manual {

struct Letras {
    QString cuerpo = QStringLiteral("DejaVu Serif");
    QString titulos = QStringLiteral("DejaVu Sans");
    QString codigo = QStringLiteral("DejaVu Sans Mono");
    double puntosCuerpo = 10.5;
};

// Fonts, spacing and colours of every block, table and fragment.
void aplicarEstilo(QTextDocument& doc, const Letras& letras);

// Gives every image its size: its natural size at one point per pixel, or
// the percentage of the box's width written as the image's title
// (![Main view](fig.png "60%")), reduced to fit `caja` (in the document's
// image units, 1/96 inch) keeping its proportions, and centres the paragraph
// that holds it. The images are
// loaded from `carpeta` and put into the document's resources. Returns the
// names of the images it could not load.
QStringList ajustarFiguras(QTextDocument& doc, const QDir& carpeta, QSizeF caja);

// Heading level of a block's format (0 for body text).
int nivelTitulo(const QTextBlock& bloque);

// A caption is an emphasised paragraph that starts with "Figure "; a figure
// is a paragraph that starts with an image.
bool esPieDeFigura(const QTextBlock& b);
bool esFigura(const QTextBlock& b);

}  // namespace manual
