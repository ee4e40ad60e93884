// Quillon: a simulator of the simple batch distillation of a binary mixture.

#include <QApplication>

#include "documents/form_splash.h"
#include "mainwindow/formmain.h"

int main(int argc, char** argv)
{
    // The pictures live in the static window library: register them.
    Q_INIT_RESOURCE(quillon);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillon"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillon.svg")));

    // A file handed over by the desktop (quillon FILE) opens once the window
    // is up.
    const QStringList argumentos = QCoreApplication::arguments().mid(1);
    const QString archivo = argumentos.isEmpty() ? QString() : argumentos.first();

    // The splash shows first; its timer (or a click) brings up the window.
    quillon::FormSplash splash(false);
    quillon::FormMain* ventana = nullptr;
    QObject::connect(&splash, &quillon::FormSplash::terminado, [&ventana, archivo] {
        if (ventana) return;
        ventana = new quillon::FormMain;
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        ventana->show();
        if (!archivo.isEmpty()) ventana->abrirArgumento(archivo);
    });
    splash.show();
    return app.exec();
}
