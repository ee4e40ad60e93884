#include "graphs/imprimir.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <memory>

#include "graphs/form_imprimir.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "model/idioma.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

constexpr Texto kPapelPequeno{"ERROR: Paper size too small.",
                              "ERROR: El tamaño del papel de la impresora es demasiado pequeño."};
constexpr Texto kTituloPdf{"Print to a PDF file", "Imprimir en un archivo PDF"};
constexpr Texto kFiltroPdf{"PDF file (*.pdf)|*.pdf", "Archivo PDF (*.pdf)|*.pdf"};
constexpr Texto kPdfNoEscrito{"ERROR: Cannot write the PDF file:", "ERROR: No se puede escribir el archivo PDF:"};

// quillon::tr by its full name: inside a QObject, tr means QObject::tr.
QString qtr(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

// The PDF output: A4 portrait with margins that leave the printable area the
// pages need.
std::unique_ptr<QPrinter> impresoraPdf(QWidget* padre, QString& ruta)
{
    plataforma::PeticionArchivo p;
    p.carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    p.filtro = qtr(kFiltroPdf);
    p.titulo = qtr(kTituloPdf);
    ruta = plataforma::dialogos().guardarArchivo(padre, p);
    if (ruta.isEmpty()) return nullptr;
    if (QFileInfo(ruta).suffix().isEmpty()) ruta += QStringLiteral(".pdf");
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(ruta);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 8, 8, 8),
                                       QPageLayout::Millimeter));
    return printer;
}

std::unique_ptr<QPrinter> impresoraElegida(const AjustesImpresion& a)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(a.impresora);
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

void imprimirGrafico(QWidget* padre, GraficoELV* vle, GraficoAvance* avance, const QString& textoMensaje)
{
    if (!textoMensaje.isEmpty()) return;
    AjustesImpresion& a = ajustesImpresion();
    FormImprimir dialogo(a, impresorasInstaladas(), padre);
    dialogo.exec();
    if (!a.imprimirOK) return;

    QString ruta;
    std::unique_ptr<QPrinter> printer = a.aPdf ? impresoraPdf(padre, ruta) : impresoraElegida(a);
    if (!printer) return;
    // Copies are made by repeating the pages, so the job itself is one copy.
    printer->setCopyCount(1);
    const QRectF area = printer->pageRect(QPrinter::Millimeter);
    if (!papelSuficiente(area.width(), area.height())) {
        plataforma::mensajeError(padre, qtr(kPapelPequeno));
        return;
    }
    QPainter p;
    if (!p.begin(printer.get())) {
        // A printer's own failures are ignored; a PDF that cannot be written
        // must not pass for printed.
        if (a.aPdf) plataforma::mensajeError(padre, qtr(kPdfNoEscrito) + QStringLiteral("\r\n") + ruta);
        return;
    }
    const Superficie s = Superficie::papel(area.width(), area.height(), printer->resolution(), a.imprimirBN);
    for (int copia = 1; copia <= a.numCopias; ++copia) {
        if (avance) {
            avance->dibujarEnPapel(p, s);
            if (copia < a.numCopias) printer->newPage();
        }
        if (vle) {
            vle->dibujarEnPapel(p, s);
            vle->Dibujar_VLE();
            if (copia < a.numCopias) printer->newPage();
        }
    }
    p.end();
}

}  // namespace quillon
