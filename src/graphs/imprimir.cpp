#include "graphs/imprimir.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <memory>

#include "platform/escritura.h"
#include "model/textos.h"
#include "graphs/form_imprimir.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "platform/archivos.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kPapelPequeno{"ERROR: Paper size too small.",
                              "ERROR: El tamaño del papel de la impresora es demasiado pequeño."};
constexpr Texto kTituloPdf{"Print to a PDF file", "Imprimir en un archivo PDF"};
constexpr Texto kFiltroPdf{"PDF file (*.pdf)|*.pdf", "Archivo PDF (*.pdf)|*.pdf"};

// Where the pages go: an installed printer, or a PDF drawn in memory and
// written to its file only once complete, through the same checked write as
// the documents, so a full disk keeps the old file and says so.
struct Destino {
    std::unique_ptr<QPrinter> impresora;
    QBuffer pdf;
    std::unique_ptr<QPdfWriter> escritor;
    QString ruta;

    QPagedPaintDevice* dispositivo()
    {
        return impresora ? static_cast<QPagedPaintDevice*>(impresora.get()) : escritor.get();
    }
    double dpi() const { return impresora ? impresora->resolution() : escritor->resolution(); }
};

// The PDF output: A4 portrait with margins that leave the printable area the
// pages need, at the resolution of a printer's high-resolution mode.
bool prepararPdf(QWidget* padre, Destino& d)
{
    plataforma::PeticionArchivo p;
    p.carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    p.filtro = qtr(kFiltroPdf);
    p.titulo = qtr(kTituloPdf);
    p.sufijo = QStringLiteral("pdf");
    d.ruta = plataforma::elegirRutaGuardar(padre, p);
    if (d.ruta.isEmpty()) return false;
    d.pdf.open(QIODevice::WriteOnly);
    d.escritor = std::make_unique<QPdfWriter>(&d.pdf);
    d.escritor->setResolution(1200);
    d.escritor->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 8, 8, 8),
                                          QPageLayout::Millimeter));
    return true;
}

bool prepararImpresora(const AjustesImpresion& a, Destino& d)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(a.impresora);
    if (info.isNull()) return false;
    d.impresora = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Copies are made by repeating the pages, so the job itself is one copy.
    d.impresora->setCopyCount(1);
    return true;
}

}  // namespace

void imprimirGrafico(QWidget* padre, GraficoELV* vle, GraficoAvance* avance, const QString& textoMensaje)
{
    if (!textoMensaje.isEmpty()) return;
    AjustesImpresion& a = ajustesImpresion();
    FormImprimir dialogo(a, impresorasInstaladas(), padre);
    dialogo.exec();
    if (!a.imprimirOK) return;

    Destino destino;
    if (!(a.aPdf ? prepararPdf(padre, destino) : prepararImpresora(a, destino))) return;
    QPagedPaintDevice* dispositivo = destino.dispositivo();
    const QRectF area = dispositivo->pageLayout().paintRect(QPageLayout::Millimeter);
    if (!papelSuficiente(area.width(), area.height())) {
        plataforma::mensajeError(padre, qtr(kPapelPequeno));
        return;
    }
    QPainter p;
    // A printer's own failures are ignored, as they have always been.
    if (!p.begin(dispositivo)) return;
    const Superficie s = Superficie::papel(area.width(), area.height(), destino.dpi(), a.imprimirBN);
    for (int copia = 1; copia <= a.numCopias; ++copia) {
        if (avance) {
            avance->dibujarEnPapel(p, s);
            if (copia < a.numCopias) dispositivo->newPage();
        }
        if (vle) {
            vle->dibujarEnPapel(p, s);
            vle->Dibujar_VLE();
            if (copia < a.numCopias) dispositivo->newPage();
        }
    }
    p.end();
    if (!a.aPdf) return;
    // A PDF that cannot be written must not pass for printed.
    const QByteArray& bytes = destino.pdf.data();
    const std::string_view pdf(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const auto mensaje = guardarArchivo(destino.ruta, pdf)) plataforma::mensajeError(padre, *mensaje);
}

}  // namespace quillon
