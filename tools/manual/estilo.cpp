#include "estilo.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

namespace manual {
namespace {

const QColor kTinta(0x20, 0x20, 0x28);
const QColor kTitulos(0x1d, 0x3f, 0x6e);
const QColor kFondoCodigo(0xf2, 0xf4, 0xf7);
const QColor kFondoNota(0xe8, 0xf1, 0xfb);
const QColor kBordeTabla(0xa0, 0xa8, 0xb4);
const QColor kCabeceraTabla(0xdd, 0xe6, 0xf1);

// Heading sizes in points for levels 1 to 4.
constexpr double kPuntosTitulo[] = {0, 20, 14, 11.5, 10.5};

// A stretch of text by position: fragments themselves do not survive edits.
struct Tramo {
    int inicio = 0, largo = 0;
};

Tramo tramoDe(const QTextFragment& fr) { return {fr.position(), fr.length()}; }

QTextCursor seleccionar(QTextDocument& doc, Tramo t)
{
    QTextCursor c(&doc);
    c.setPosition(t.inicio);
    c.setPosition(t.inicio + t.largo, QTextCursor::KeepAnchor);
    return c;
}

// A fenced block marked "formula" is a displayed formula, not code.
bool esFormula(const QTextBlock& b)
{
    return b.blockFormat().stringProperty(QTextFormat::BlockCodeLanguage) == QStringLiteral("formula");
}

bool esCodigo(const QTextBlock& b)
{
    return !esFormula(b) && (b.blockFormat().hasProperty(QTextFormat::BlockCodeFence) ||
                             b.blockFormat().hasProperty(QTextFormat::BlockCodeLanguage));
}

void estilarTitulo(QTextDocument& doc, const QTextBlock& b, int nivel, const Letras& letras)
{
    QTextBlockFormat bf = b.blockFormat();
    bf.setTopMargin(nivel == 1 ? 0 : (nivel == 2 ? 16 : 11));
    bf.setBottomMargin(nivel == 1 ? 14 : 5);
    bf.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    // Every chapter but the first starts on a new page.
    if (nivel == 1 && b.position() > 0) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(b).setBlockFormat(bf);

    // The size must be set outright: a size adjustment left on the heading
    // would scale the document's default size instead.
    QList<std::pair<Tramo, QTextCharFormat>> tramos;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        QTextCharFormat cf = it.fragment().charFormat();
        cf.clearProperty(QTextFormat::FontSizeAdjustment);
        cf.setFontFamilies({letras.titulos});
        cf.setFontPointSize(kPuntosTitulo[std::min(nivel, 4)]);
        cf.setFontWeight(nivel <= 2 ? QFont::Bold : QFont::DemiBold);
        cf.setForeground(kTitulos);
        tramos.append({tramoDe(it.fragment()), cf});
    }
    for (const auto& [tramo, cf] : tramos) seleccionar(doc, tramo).setCharFormat(cf);
}

void estilarParrafo(const QTextBlock& b)
{
    QTextBlockFormat bf = b.blockFormat();
    if (esCodigo(b)) {
        // Every line of a code block is a block of its own: only the first
        // and the last get a margin, so that the band stays unbroken.
        bf.setBackground(kFondoCodigo);
        bf.setLeftMargin(8);
        bf.setRightMargin(8);
        bf.setTopMargin(esCodigo(b.previous()) ? 0 : 3);
        bf.setBottomMargin(esCodigo(b.next()) ? 0 : 10);
        bf.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    } else if (esFormula(b)) {
        bf.clearBackground();
        bf.setAlignment(Qt::AlignHCenter);
        bf.setTopMargin(esFormula(b.previous()) ? 0 : 4);
        bf.setBottomMargin(esFormula(b.next()) ? 2 : 10);
        bf.setLineHeight(120, QTextBlockFormat::ProportionalHeight);
    } else if (bf.intProperty(QTextFormat::BlockQuoteLevel) > 0) {
        // Notes: a tinted band instead of an indented quotation.
        bf.setBackground(kFondoNota);
        bf.setLeftMargin(10);
        bf.setRightMargin(10);
        bf.setTopMargin(4);
        bf.setBottomMargin(8);
        bf.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    } else if (esPieDeFigura(b)) {
        bf.setAlignment(Qt::AlignHCenter);
        bf.setTopMargin(2);
        bf.setBottomMargin(12);
    } else {
        bf.setBottomMargin(b.textList() ? 3 : 7);
        bf.setLineHeight(118, QTextBlockFormat::ProportionalHeight);
        if (!b.textList()) bf.setAlignment(Qt::AlignJustify);
    }
    QTextCursor(b).setBlockFormat(bf);
}

// Inline code in the monospaced font, a little smaller than the text; links
// in the headings' colour. The changes are gathered first: merging formats
// joins and splits fragments under an iterator.
void estilarFragmentos(QTextDocument& doc, const QTextBlock& b, const Letras& letras)
{
    QList<std::pair<Tramo, QTextCharFormat>> cambios;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fr = it.fragment();
        const QTextCharFormat f = fr.charFormat();
        QTextCharFormat cambio;
        if (esFormula(b)) {
            cambio.setFontFixedPitch(false);
            cambio.setFontFamilies({letras.cuerpo});
            cambio.setFontPointSize(letras.puntosCuerpo + 1);
            cambio.setFontItalic(true);
        } else if (f.fontFixedPitch()) {
            cambio.setFontFamilies({letras.codigo});
            cambio.setFontPointSize(letras.puntosCuerpo - 1);
        }
        if (f.isAnchor()) cambio.setForeground(kTitulos);
        if (esPieDeFigura(b)) {
            cambio.setFontFamilies({letras.titulos});
            cambio.setFontPointSize(letras.puntosCuerpo - 1.5);
        }
        if (!f.hasProperty(QTextFormat::ForegroundBrush) && !f.isAnchor()) cambio.setForeground(kTinta);
        cambios.append({tramoDe(fr), cambio});
    }
    for (const auto& [tramo, cambio] : cambios) seleccionar(doc, tramo).mergeCharFormat(cambio);
}

// The Markdown reader can open a table's first cell with an empty paragraph,
// which pushes that cell's text down a line.
void quitarBloqueVacioInicial(const QTextTableCell& celda)
{
    QTextCursor c = celda.firstCursorPosition();
    if (c.block().text().isEmpty() && c.block().position() + c.block().length() <= celda.lastCursorPosition().position())
        c.deleteChar();
}

void estilarTabla(QTextTable* tabla, const Letras& letras)
{
    QTextTableFormat tf = tabla->format();
    tf.setBorder(0.6);
    tf.setBorderBrush(kBordeTabla);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderCollapse(true);
    tf.setCellSpacing(0);
    tf.setCellPadding(3.5);
    tf.setTopMargin(2);
    tf.setBottomMargin(10);
    tf.setHeaderRowCount(1);
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tabla->setFormat(tf);
    for (int fila = 0; fila < tabla->rows(); ++fila) {
        for (int col = 0; col < tabla->columns(); ++col) {
            QTextTableCell celda = tabla->cellAt(fila, col);
            quitarBloqueVacioInicial(celda);
            QTextCharFormat cf;
            cf.setFontFamilies({letras.titulos});
            cf.setFontPointSize(letras.puntosCuerpo - 1.5);
            if (fila == 0) {
                cf.setBackground(kCabeceraTabla);
                cf.setFontWeight(QFont::Bold);
            }
            QTextCursor c = celda.firstCursorPosition();
            c.setPosition(celda.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            c.mergeCharFormat(cf);
            QTextBlockFormat bf;
            bf.setAlignment(Qt::AlignLeft);
            bf.setTopMargin(0);
            bf.setBottomMargin(0);
            bf.setLineHeight(105, QTextBlockFormat::ProportionalHeight);
            c.mergeBlockFormat(bf);
            if (fila == 0) {
                QTextTableCellFormat cel = celda.format().toTableCellFormat();
                cel.setBackground(kCabeceraTabla);
                celda.setFormat(cel);
            }
        }
    }
}

void estilarTablas(QTextFrame* marco, const Letras& letras)
{
    for (QTextFrame* hijo : marco->childFrames()) {
        if (auto* tabla = qobject_cast<QTextTable*>(hijo)) estilarTabla(tabla, letras);
        estilarTablas(hijo, letras);
    }
}

// A thin grey frame, so that a window's light edges do not melt into the
// page.
QImage conMarco(const QImage& imagen)
{
    if (imagen.isNull()) return imagen;
    QImage r(imagen.width() + 2, imagen.height() + 2, QImage::Format_RGB32);
    r.fill(kBordeTabla);
    QPainter p(&r);
    p.drawImage(1, 1, imagen);
    return r;
}

}  // namespace

int nivelTitulo(const QTextBlock& bloque) { return bloque.blockFormat().headingLevel(); }

bool esPieDeFigura(const QTextBlock& b)
{
    return b.text().startsWith(QStringLiteral("Figure ")) && b.begin() != b.end() &&
           b.begin().fragment().charFormat().fontItalic();
}

bool esFigura(const QTextBlock& b)
{
    return b.begin() != b.end() && b.begin().fragment().charFormat().isImageFormat();
}

void aplicarEstilo(QTextDocument& doc, const Letras& letras)
{
    QFont base(letras.cuerpo);
    base.setPointSizeF(letras.puntosCuerpo);
    doc.setDefaultFont(base);
    doc.setDocumentMargin(0);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int nivel = nivelTitulo(b);
        if (nivel > 0) {
            estilarTitulo(doc, b, nivel, letras);
        } else if (!QTextCursor(b).currentTable()) {
            estilarParrafo(b);
        }
        estilarFragmentos(doc, b, letras);
    }
    estilarTablas(doc.rootFrame(), letras);
}

QStringList ajustarFiguras(QTextDocument& doc, const QDir& carpeta, QSizeF caja)
{
    QStringList faltan;
    QList<std::pair<Tramo, QTextImageFormat>> figuras;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                figuras.append({tramoDe(it.fragment()), it.fragment().charFormat().toImageFormat()});

    for (auto [tramo, img] : figuras) {
        const QImage imagen = conMarco(QImage(carpeta.filePath(img.name())));
        if (imagen.isNull()) {
            faltan << img.name();
            continue;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(img.name()), imagen);
        // One point per pixel, or the share of the text's width that the
        // image's title asks for ("60%"); never larger than the box.
        QSizeF tam = QSizeF(imagen.size()) * 0.75;
        const QRegularExpressionMatch ancho =
            QRegularExpression(QStringLiteral("^(\\d+)%$")).match(img.property(QTextFormat::ImageTitle).toString());
        if (ancho.hasMatch()) tam = tam.scaled(caja.width() * ancho.captured(1).toDouble() / 100, 1e9, Qt::KeepAspectRatio);
        if (tam.width() > caja.width() || tam.height() > caja.height()) tam = tam.scaled(caja, Qt::KeepAspectRatio);
        img.setWidth(tam.width());
        img.setHeight(tam.height());
        QTextCursor c = seleccionar(doc, tramo);
        c.setCharFormat(img);
        QTextBlockFormat centrado = c.blockFormat();
        centrado.setAlignment(Qt::AlignHCenter);
        centrado.setTopMargin(6);
        centrado.setBottomMargin(2);
        centrado.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
        c.setBlockFormat(centrado);
    }
    return faltan;
}

}  // namespace manual
