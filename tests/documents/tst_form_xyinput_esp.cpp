// The table editor of the Spanish build: captions, dialogs and messages.

#include "documents/editor_tabla.h"
#include "platform/boton_imagen.h"

using namespace quillon;
using namespace quillon::prueba;

class TstFormXYinputEsp : public QObject {
    Q_OBJECT

private slots:
    // The captions, then the message of each rule of Ok and of each file
    // failure (their first lines), then the titles of the file dialogs.
    void textos()
    {
        Editor e;
        e.abrir();
        QStringList vistos{e.v->windowTitle()};
        for (const char* b : {"botonAceptar", "botonCancelar", "botonBorrar", "botonAbrir", "botonGuardarComo"})
            vistos << e.hijo<BotonImagen>(b)->texto();
        vistos << e.hijo<QLabel>("explicacionX")->text() << e.hijo<QLabel>("explicacionY")->text();
        for (const char* filas : {"0.2;0.3 0.2;0.4", "0;0.1", "0.5;2"}) {
            e.pulsar("botonBorrar");
            e.escribirFilas(filas);
            e.pulsar("botonAceptar");
        }
        e.dialogos.rutasAbrir << "/no/such/folder/t.vle";
        e.dialogos.rutasGuardar << "/no/such/folder/t.vle";
        e.pulsar("botonAbrir");
        e.pulsar("botonGuardarComo");
        for (const QString& m : e.dialogos.mensajes) vistos << m.section("\r\n", 0, 0);
        vistos << e.dialogos.peticiones[0].titulo << e.dialogos.peticiones[1].titulo;
        QCOMPARE(vistos, (QStringList{"Tabla de equilibrio Líquido-Vapor", "Aceptar", "Cancelar", "Borrar", "Abrir...",
                                      "Guardar como...",
                                      "X: Fracción molar del componente más volátil en fase líquida.",
                                      "Y: Fracción molar del componente más volátil en equilibrio en fase vapor.",
                                      "ERROR: Los valores no son consecutivos",
                                      "ERROR: Valores incompatibles para disolución pura de un componente",
                                      "ERROR: Datos fuera del rango [0, 1]", "ERROR: No se pudo abrir el archivo:",
                                      "ERROR: No se pudo guardar la tabla:", "Abrir", "Guardar como"}));
    }
};

QTEST_MAIN(TstFormXYinputEsp)
#include "tst_form_xyinput_esp.moc"
