#include "pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <memory>

#include "paginacion.h"

namespace manual {
namespace {

const QColor kGris(0x5a, 0x63, 0x70);
const QColor kRaya(0xb8, 0xc0, 0xcc);

// The contents as a borderless two-column table: heading, page.
std::unique_ptr<QTextDocument> crearIndice(const QList<EntradaIndice>& entradas, int primeraPagina,
                                           const Plana& plana, QPaintDevice* dispositivo, const Letras& letras,
                                           const QString& titulo)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(dispositivo);
    doc->setPageSize(plana.cuerpo.size());
    doc->setDocumentMargin(0);
    QFont base(letras.titulos);
    base.setPointSizeF(letras.puntosCuerpo);
    doc->setDefaultFont(base);

    QTextCursor c(doc.get());
    QTextCharFormat cabecera;
    cabecera.setFontPointSize(20);
    cabecera.setFontWeight(QFont::Bold);
    cabecera.setForeground(QColor(0x1d, 0x3f, 0x6e));
    QTextBlockFormat bloqueCabecera;
    bloqueCabecera.setBottomMargin(18);
    c.setBlockFormat(bloqueCabecera);
    c.insertText(titulo, cabecera);

    QTextTableFormat tf;
    tf.setBorder(0);
    tf.setCellPadding(2);
    tf.setCellSpacing(0);
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                  QTextLength(QTextLength::PercentageLength, 10)});
    QTextTable* tabla = c.insertTable(static_cast<int>(entradas.size()), 2, tf);
    for (int i = 0; i < entradas.size(); ++i) {
        const EntradaIndice& e = entradas[i];
        QTextCharFormat letra;
        letra.setFontWeight(e.nivel == 1 ? QFont::Bold : QFont::Normal);
        letra.setFontPointSize(e.nivel == 1 ? letras.puntosCuerpo : letras.puntosCuerpo - 1);
        QTextBlockFormat sangria;
        sangria.setLeftMargin(e.nivel == 1 ? 0 : 18 * (e.nivel - 1));
        sangria.setTopMargin(e.nivel == 1 && i > 0 ? 6 : 0);
        QTextCursor celda = tabla->cellAt(i, 0).firstCursorPosition();
        celda.setBlockFormat(sangria);
        celda.insertText(e.texto, letra);
        QTextCursor numero = tabla->cellAt(i, 1).firstCursorPosition();
        QTextBlockFormat derecha = sangria;
        derecha.setLeftMargin(0);
        derecha.setAlignment(Qt::AlignRight);
        numero.setBlockFormat(derecha);
        numero.insertText(QString::number(e.pagina + primeraPagina), letra);
    }
    return doc;
}

void dibujarPaginaDe(QPainter& p, QTextDocument& doc, int pagina, const QRectF& cuerpo)
{
    const double alto = doc.pageSize().height();
    p.save();
    p.translate(cuerpo.left(), cuerpo.top() - pagina * alto);
    doc.drawContents(&p, QRectF(0, pagina * alto, cuerpo.width(), alto));
    p.restore();
}

QFont letraPequena(const Letras& letras, double puntos)
{
    QFont f(letras.titulos);
    f.setPointSizeF(puntos);
    return f;
}

// Running head (manual's name, chapter) and the page number below.
void dibujarMarco(QPainter& p, const Plana& plana, const QString& izquierda, const QString& derecha, int numero,
                  const Letras& letras)
{
    p.save();
    p.setFont(letraPequena(letras, 8));
    p.setPen(kGris);
    const QRectF cabeza(plana.pagina.left(), plana.pagina.top(), plana.pagina.width(), 12 * plana.ppp);
    p.drawText(cabeza, Qt::AlignLeft | Qt::AlignTop, izquierda);
    p.drawText(cabeza, Qt::AlignRight | Qt::AlignTop, derecha);
    p.setPen(QPen(kRaya, 0.5 * plana.ppp));
    p.drawLine(QPointF(cabeza.left(), cabeza.bottom()), QPointF(cabeza.right(), cabeza.bottom()));
    p.setPen(kGris);
    p.setFont(letraPequena(letras, 9));
    const QRectF pie(plana.pagina.left(), plana.pagina.bottom() - 12 * plana.ppp, plana.pagina.width(),
                     12 * plana.ppp);
    p.drawText(pie, Qt::AlignHCenter | Qt::AlignBottom, QString::number(numero));
    p.restore();
}

// The chapter in force on a page of the body: the last one begun by then.
QString capituloEn(const QList<EntradaIndice>& entradas, int pagina)
{
    QString capitulo;
    for (const EntradaIndice& e : entradas)
        if (e.nivel == 1 && e.pagina <= pagina) capitulo = e.texto;
    return capitulo;
}

}  // namespace

Plana planaDe(const QPdfWriter& pdf)
{
    Plana plana;
    plana.pagina = pdf.pageLayout().paintRectPixels(pdf.resolution());
    plana.pagina.moveTopLeft(QPointF(0, 0));
    plana.ppp = pdf.resolution() / 72.0;
    // Room for the running head above the text and the number below it.
    plana.cuerpo = plana.pagina.adjusted(0, 26 * plana.ppp, 0, -26 * plana.ppp);
    return plana;
}

int escribirManual(QPdfWriter& pdf, const Plana& plana, QTextDocument& cuerpo, const Portada& portada,
                   const Letras& letras)
{
    const QList<EntradaIndice> entradas = entradasIndice(cuerpo, 2);
    const QString contenido = QStringLiteral("Contents");
    // The contents come before the body, so their length sets the numbers.
    const int paginasIndice =
        crearIndice(entradas, 0, plana, &pdf, letras, contenido)->pageCount();
    const int primeraDelCuerpo = 2 + paginasIndice;  // numbered from 1, title page first
    const auto indice = crearIndice(entradas, primeraDelCuerpo, plana, &pdf, letras, contenido);
    const QString cabecera = portada.titulo + QStringLiteral(" \u2014 ") + portada.documento;

    QPainter p(&pdf);
    // Screenshots hold text: deflate them instead of the default JPEG.
    p.setRenderHint(QPainter::LosslessImageRendering);
    dibujarPortada(p, plana.pagina, plana.ppp, portada, letras);
    int numero = 1;
    for (int i = 0; i < indice->pageCount(); ++i) {
        pdf.newPage();
        ++numero;
        dibujarMarco(p, plana, cabecera, contenido, numero, letras);
        dibujarPaginaDe(p, *indice, i, plana.cuerpo);
    }
    for (int i = 0; i < cuerpo.pageCount(); ++i) {
        pdf.newPage();
        ++numero;
        dibujarMarco(p, plana, cabecera, capituloEn(entradas, i), numero, letras);
        dibujarPaginaDe(p, cuerpo, i, plana.cuerpo);
    }
    p.end();
    return numero;
}

}  // namespace manual
