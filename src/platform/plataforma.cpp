#include "platform/plataforma.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

namespace quillon::plataforma {
namespace {

class DialogosQt final : public Dialogos {
public:
    Respuesta mensaje(QWidget* padre, const QString& texto, Icono icono, Botones botones,
                      const QString& titulo) override
    {
        QMessageBox caja(padre);
        caja.setWindowTitle(titulo);
        caja.setText(texto);
        caja.setIcon(icono == Icono::Exclamacion ? QMessageBox::Warning
                     : icono == Icono::Pregunta  ? QMessageBox::Question
                                                 : QMessageBox::Information);
        if (botones == Botones::SiNoCancelar) {
            caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            caja.setDefaultButton(QMessageBox::Yes);
            caja.setEscapeButton(QMessageBox::Cancel);
        }
        switch (caja.exec()) {
        case QMessageBox::Yes: return Respuesta::Si;
        case QMessageBox::No: return Respuesta::No;
        case QMessageBox::Cancel: return Respuesta::Cancelar;
        default: return Respuesta::Aceptar;
        }
    }
    QString abrirArchivo(QWidget* padre, const PeticionArchivo& p) override
    {
        return QFileDialog::getOpenFileName(padre, p.titulo, p.carpeta, filtroQt(p.filtro));
    }
    QString guardarArchivo(QWidget* padre, const PeticionArchivo& p) override
    {
        // The dialog adds the extension itself, so that it also asks before
        // overwriting the file that the name with its extension names.
        QFileDialog dialogo(padre, p.titulo, p.carpeta, filtroQt(p.filtro));
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(p.sufijo);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
        return dialogo.selectedFiles().constFirst();
    }
    void abrirConShell(const QString& ruta, QObject* contexto, std::function<void()> fallo) override
    {
        abrirConEscritorio(ruta, contexto, std::move(fallo));
    }
};

Dialogos* instalados = nullptr;

QSettings ajustes()
{
    return QSettings(QStringLiteral("ALMB"), QStringLiteral("ALMB"));
}

}  // namespace

Dialogos& dialogos()
{
    static DialogosQt reales;
    return instalados ? *instalados : reales;
}

void fijarDialogos(Dialogos* d) { instalados = d; }

namespace {

// "mix 1.5" has a dot but no extension: an extension is a short word with a
// letter in it after the last dot.
bool tieneExtension(const QString& ruta)
{
    const QString sufijo = QFileInfo(ruta).suffix();
    if (sufijo.isEmpty() || sufijo.size() > 5 || sufijo.contains(QLatin1Char(' '))) return false;
    return std::any_of(sufijo.begin(), sufijo.end(), [](QChar c) { return c.isLetter(); });
}

}  // namespace

QString elegirRutaGuardar(QWidget* padre, const PeticionArchivo& p)
{
    const QString ruta = dialogos().guardarArchivo(padre, p);
    if (ruta.isEmpty() || p.sufijo.isEmpty() || tieneExtension(ruta)) return ruta;
    return ruta + QLatin1Char('.') + p.sufijo;
}

void mensajeError(QWidget* padre, const QString& texto)
{
    dialogos().mensaje(padre, texto, Icono::Exclamacion, Botones::Aceptar, QStringLiteral("Error"));
}

void abrirConEscritorio(const QString& ruta, QObject* contexto, std::function<void()> fallo)
{
    if (!QFileInfo::exists(ruta)) return fallo();
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ruta))) fallo();
        return;
    }
    // The process outlives the window if it must: closing the window does
    // not close the program the opener started.
    auto* proceso = new QProcess(qApp);
    QObject::connect(proceso, &QProcess::finished, contexto, [fallo](int codigo, QProcess::ExitStatus estado) {
        if (codigo != 0 || estado != QProcess::NormalExit) fallo();
    });
    QObject::connect(proceso, &QProcess::errorOccurred, contexto, [fallo](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) fallo();
    });
    QObject::connect(proceso, &QProcess::finished, proceso, &QObject::deleteLater);
    QObject::connect(proceso, &QProcess::errorOccurred, proceso, [proceso](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) proceso->deleteLater();
    });
    proceso->start(abridor, {ruta});
}

void notaDeEstado(QWidget* w, const QString& texto)
{
    for (; w; w = w->parentWidget()) {
        if (auto* ventana = qobject_cast<QMainWindow*>(w)) return ventana->statusBar()->showMessage(texto, 15000);
    }
}

QString filtroQt(const QString& filtro)
{
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList pares;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        // Qt takes the patterns from the parentheses; make sure they are there.
        const QString& descripcion = partes[i];
        pares << (descripcion.contains(QLatin1Char('(')) ? descripcion
                                                          : descripcion + QStringLiteral(" (") + partes[i + 1] + QLatin1Char(')'));
    }
    return pares.join(QStringLiteral(";;"));
}

void copiarTexto(const QString& texto, const QString& html)
{
    QClipboard* c = QGuiApplication::clipboard();
    c->clear();
    if (html.isEmpty()) return c->setText(texto);
    auto* datos = new QMimeData;
    datos->setText(texto);
    datos->setHtml(html);
    c->setMimeData(datos);
}

void copiarImagen(const QImage& imagen)
{
    QClipboard* c = QGuiApplication::clipboard();
    c->clear();
    c->setImage(imagen);
}

QString leerAjuste(const QString& clave, const QString& porDefecto)
{
    return ajustes().value(QStringLiteral("SETUP/") + clave, porDefecto).toString();
}

void guardarAjuste(const QString& clave, const QString& valor)
{
    ajustes().setValue(QStringLiteral("SETUP/") + clave, valor);
}

QStringList leerLista(const QString& clave)
{
    return ajustes().value(QStringLiteral("SETUP/") + clave).toStringList();
}

void guardarLista(const QString& clave, const QStringList& valores)
{
    ajustes().setValue(QStringLiteral("SETUP/") + clave, valores);
}

QPoint posicionCursor() { return QCursor::pos(); }

char separadorDecimalSistema()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

QString carpetaPrograma() { return QCoreApplication::applicationDirPath(); }

QString carpetaInicial(const QString& recordada)
{
    if (!recordada.isEmpty()) return recordada;
    // Never the program's own folder: installed, that is /usr/bin.
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

CursorEspera::CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }

CursorEspera::~CursorEspera() { QApplication::restoreOverrideCursor(); }

}  // namespace quillon::plataforma
