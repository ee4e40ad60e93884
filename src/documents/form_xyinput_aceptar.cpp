// The table editor's Ok, Cancel and Clear.

#include "documents/form_xyinput.h"
#include "documents/form_xyinput_textos.h"
#include "formats/documento.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

// Index of the last row Ok takes: the rows before the first one not in use,
// up to and including a row whose X is 1. -1 when the first row is empty.
int ultimaFilaAceptada(const std::array<double, kFilasTablaELV>& x)
{
    for (int i = 0; i < kFilasTablaELV; ++i) {
        const double v = x[static_cast<std::size_t>(i)];
        if (v == -1) return i - 1;
        if (v == 1) return i;
    }
    return kFilasTablaELV - 1;
}

}  // namespace

void FormXYinput::Aceptar()
{
    // Whatever happens now, the table in force is no longer the old one
    // unless this Ok succeeds.
    okFallido_ = true;
    int ultimo = ultimaFilaAceptada(TablaX);
    if (ultimo == -1) {
        resultado_ = Resultado::SinTabla;
        done(QDialog::Rejected);
        return;
    }
    // Rows after a row with X = 1 are dropped; show that they are gone.
    bool descartadas = false;
    for (int i = ultimo + 1; i < kFilasTablaELV; ++i) {
        descartadas = descartadas || TablaX[static_cast<std::size_t>(i)] != -1;
        TablaX[static_cast<std::size_t>(i)] = -1;
    }
    if (descartadas) refrescarFilas();

    TablaELV completa;
    const Texto* fallo = tablaComprobada(TablaX, TablaY, ultimo, completa);
    // Only pure components: the volatility would be undefined everywhere.
    if (!fallo && !tablaUtilizable(completa)) fallo = &textos_xy::sinPuntoIntermedio;
    if (fallo) {
        plataforma::mensajeError(this, qtr(*fallo));
        return;
    }
    TablaX = completa.x;
    TablaY = completa.y;
    tabla_ = completa;
    okFallido_ = false;
    resultado_ = Resultado::Aceptada;
    done(QDialog::Accepted);
}

void FormXYinput::Cancelar() { reject(); }

// Cancel and the close box: nothing is handed back.
void FormXYinput::reject()
{
    resultado_ = okFallido_ ? Resultado::CanceladaTrasOkFallido : Resultado::Cancelada;
    QDialog::reject();
}

void FormXYinput::Borrar()
{
    TablaX.fill(-1);
    TablaY.fill(-1);
    mostrarDesdeArriba();
}

}  // namespace quillon
