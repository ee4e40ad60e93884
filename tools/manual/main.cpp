// quillon-manual: turns the manual written in Markdown into a PDF with Qt's
// own text document and PDF writer. Run at build time:
//   quillon-manual [--title T] [--subtitle S] [--document D] [--version V] manual.md Manual_ALMB.pdf
// Figures are PNG files named in the Markdown relative to its folder; a
// missing one fails the build instead of leaving a hole in the manual.

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

#include "estilo.h"
#include "paginacion.h"
#include "pdf.h"

namespace {

int fallo(const QString& mensaje)
{
    std::fprintf(stderr, "quillon-manual: %s\n", qPrintable(mensaje));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing is shown: the offscreen platform serves where no display is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser args;
    args.addHelpOption();
    const QCommandLineOption titulo("title", "Title page: name.", "text", "Quillon");
    const QCommandLineOption subtitulo("subtitle", "Title page: what it is.", "text",
                                       "Single/Multi-stage distillation simulator");
    const QCommandLineOption documento("document", "Title page: document name.", "text", "User's Manual");
    const QCommandLineOption version("version", "Title page: version line.", "text", "");
    args.addOptions({titulo, subtitulo, documento, version});
    args.addPositionalArgument("input", "The manual in Markdown.");
    args.addPositionalArgument("output", "The PDF to write.");
    args.process(app);
    if (args.positionalArguments().size() != 2) return fallo("expected an input .md and an output .pdf");
    const QString entrada = args.positionalArguments().at(0);
    const QString salida = args.positionalArguments().at(1);

    QFile md(entrada);
    if (!md.open(QIODevice::ReadOnly)) return fallo("cannot read " + entrada);
    QTextDocument cuerpo;
    cuerpo.setMarkdown(QString::fromUtf8(md.readAll()), QTextDocument::MarkdownDialectGitHub);

    QPdfWriter pdf(salida);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(22, 16, 22, 14), QPageLayout::Millimeter);
    pdf.setTitle(args.value(titulo) + " " + args.value(documento));
    pdf.setCreator("quillon-manual");
    const manual::Plana plana = manual::planaDe(pdf);

    const manual::Letras letras;
    cuerpo.documentLayout()->setPaintDevice(&pdf);
    cuerpo.setPageSize(plana.cuerpo.size());
    manual::aplicarEstilo(cuerpo, letras);
    // Figures: the text's width, and short enough to share a page with their
    // caption (image units are 1/96 inch).
    const double aUnidades = 96.0 / pdf.resolution();
    const QSizeF caja(plana.cuerpo.width() * aUnidades, plana.cuerpo.height() * aUnidades * 0.8);
    const QStringList faltan = manual::ajustarFiguras(cuerpo, QFileInfo(entrada).absoluteDir(), caja);
    if (!faltan.isEmpty()) return fallo("missing figures: " + faltan.join(", "));
    manual::mantenerConSiguiente(cuerpo);

    const manual::Portada portada{args.value(titulo), args.value(subtitulo), args.value(documento),
                                  args.value(version)};
    const int paginas = manual::escribirManual(pdf, plana, cuerpo, portada, letras);
    std::printf("%s: %d pages\n", qPrintable(salida), paginas);
    return 0;
}
