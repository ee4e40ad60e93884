#pragma once
// Where the body's blocks fall once the document is laid out in pages.

#include <QList>
#include <QString>

class QTextBlock;
class QTextDocument;

namespace manual {

// Page (from 0) of a point of the laid-out document.
int paginaDe(const QTextDocument& doc, double y);

// Page of a block's first line.
int paginaDeBloque(const QTextDocument& doc, const QTextBlock& b);

// Moves a heading to the next page when the first line after it would not
// follow it on the same page, and a figure when its caption would not.
// Returns how many page breaks it added.
int mantenerConSiguiente(QTextDocument& doc);

struct EntradaIndice {
    int nivel = 1;
    QString texto;
    int pagina = 0;  // page of the body, from 0
};

// The headings down to `nivelMaximo`, with their pages.
QList<EntradaIndice> entradasIndice(const QTextDocument& doc, int nivelMaximo);

}  // namespace manual
