#pragma once
// The thin layer over Qt's services that the rest of the program calls.
// Everything modal (message boxes, file dialogs) and everything that leaves
// the program (clipboard, shell, settings) goes through here, so that tests
// can answer a dialog without a person.

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;

namespace quillon::plataforma {

enum class Icono { Exclamacion, Pregunta, Informacion };
enum class Botones { Aceptar, SiNoCancelar };
enum class Respuesta { Aceptar, Si, No, Cancelar };

// A file dialog request. `filtro` is given as "Description (*.x)|*.x|..."
// pairs joined by "|", the form the texts use.
struct PeticionArchivo {
    QString carpeta;
    QString filtro;
    QString titulo;
    QString sufijo;  // save dialogs: the extension a name typed without one gets
};

// The modal services. The program uses the real Qt dialogs; a test installs
// its own implementation with fijarDialogos() and answers them.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    virtual Respuesta mensaje(QWidget* padre, const QString& texto, Icono icono, Botones botones,
                              const QString& titulo) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString abrirArchivo(QWidget* padre, const PeticionArchivo& p) = 0;
    virtual QString guardarArchivo(QWidget* padre, const PeticionArchivo& p) = 0;
    // The shell's "open" on a file. `fallo` runs, while `contexto` lives,
    // when nothing opens it: at once, or when the opener ends in failure.
    virtual void abrirConShell(const QString& ruta, QObject* contexto, std::function<void()> fallo) = 0;
};

Dialogos& dialogos();
// Installs `d` (not owned) until it is called again with nullptr.
void fijarDialogos(Dialogos* d);

// The save dialog, with ".sufijo" added to a chosen name that has no
// extension (saved without it, the file would be hidden by the Open dialog's
// filter). Empty when the user cancelled.
QString elegirRutaGuardar(QWidget* padre, const PeticionArchivo& p);

// What the real dialogs do for the shell's "open": where the desktop's
// opener, xdg-open, is found, it is run and its exit status watched (it also
// ends in failure when no program opens the file's type); elsewhere Qt's own.
// The opener may wait for the program it starts: nothing waits for it.
void abrirConEscritorio(const QString& ruta, QObject* contexto, std::function<void()> fallo);

// Shorthand for the error box: exclamation icon, title "Error", OK.
void mensajeError(QWidget* padre, const QString& texto);

// A passing note in the status line of the main window that `w` is, or
// belongs to (a dialog's owner's).
void notaDeEstado(QWidget* w, const QString& texto);

// "Description (*.x)|*.x|..." to Qt's "Description (*.x);;...".
QString filtroQt(const QString& filtro);

// Clipboard. With `html`, an HTML version goes beside the plain text, for
// programs that take it (a spreadsheet fills its cells from a table).
void copiarTexto(const QString& texto, const QString& html = QString());
void copiarImagen(const QImage& imagen);

// Per-user settings: application "ALMB", section "SETUP".
QString leerAjuste(const QString& clave, const QString& porDefecto);
void guardarAjuste(const QString& clave, const QString& valor);
QStringList leerLista(const QString& clave);
void guardarLista(const QString& clave, const QStringList& valores);

// The mouse pointer's position in screen pixels.
QPoint posicionCursor();

// The decimal separator of the user's locale, "." or ",": the files write
// their table numbers with it.
char separadorDecimalSistema();

// The folder of the program's executable.
QString carpetaPrograma();
// Where a file dialog starts: the folder remembered, or else the user's
// documents folder, or their home when there is none.
QString carpetaInicial(const QString& recordada);

// The hourglass while a file is read or written or a table computed.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

}  // namespace quillon::plataforma
