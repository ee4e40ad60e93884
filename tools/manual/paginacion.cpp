#include "paginacion.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

#include "estilo.h"

namespace manual {
namespace {

// Top and bottom of a block's first line in document coordinates.
std::pair<double, double> primeraLinea(const QTextDocument& doc, const QTextBlock& b)
{
    const QRectF caja = doc.documentLayout()->blockBoundingRect(b);
    const QTextLayout* layout = b.layout();
    if (!layout || layout->lineCount() == 0) return {caja.top(), caja.bottom()};
    const QTextLine linea = layout->lineAt(0);
    return {caja.top() + linea.y(), caja.top() + linea.y() + linea.height()};
}

// The block that must stay on the page of the block after it.
bool atadoAlSiguiente(const QTextBlock& b)
{
    const QTextBlock siguiente = b.next();
    if (!siguiente.isValid()) return false;
    return nivelTitulo(b) >= 2 || (esFigura(b) && esPieDeFigura(siguiente));
}

bool rompeAntes(const QTextBlock& b)
{
    return b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

}  // namespace

int paginaDe(const QTextDocument& doc, double y)
{
    return static_cast<int>(std::floor(y / doc.pageSize().height()));
}

int paginaDeBloque(const QTextDocument& doc, const QTextBlock& b)
{
    return paginaDe(doc, primeraLinea(doc, b).first + 0.5);
}

int mantenerConSiguiente(QTextDocument& doc)
{
    int anadidos = 0;
    // Each break moves everything after it, so the search starts again
    // after every change; a manual has a few hundred blocks.
    for (bool cambiado = true; cambiado && anadidos < 200;) {
        cambiado = false;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (!atadoAlSiguiente(b) || rompeAntes(b)) continue;
            const int aqui = paginaDe(doc, primeraLinea(doc, b).first + 0.5);
            const int despues = paginaDe(doc, primeraLinea(doc, b.next()).second - 0.5);
            if (despues == aqui) continue;
            QTextBlockFormat f = b.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).setBlockFormat(f);
            ++anadidos;
            cambiado = true;
            break;
        }
    }
    return anadidos;
}

QList<EntradaIndice> entradasIndice(const QTextDocument& doc, int nivelMaximo)
{
    QList<EntradaIndice> entradas;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int nivel = nivelTitulo(b);
        if (nivel >= 1 && nivel <= nivelMaximo) entradas.append({nivel, b.text(), paginaDeBloque(doc, b)});
    }
    return entradas;
}

}  // namespace manual
