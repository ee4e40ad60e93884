#pragma once
// The VLE table editor: a modal window over a private copy of the x-y
// equilibrium table, with its own Open and Save as for table files. The main
// window reads the outcome with resultado() once the dialog has closed.

#include <QDialog>
#include <QString>
#include <array>

#include "documents/form_xyinput_navegacion.h"
#include "model/equilibrio.h"
#include "model/numero.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace quillon {

class BotonImagen;

// The main window's TxtCompA, TxtCompB, TxtMMA and TxtMMB texts.
struct DatosCompuestos {
    QString nombreA, nombreB, masaA, masaB;
    bool operator==(const DatosCompuestos&) const = default;
};

class FormXYinput : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFilasVisibles = 12;
    static constexpr int kMaxScroll = kFilasTablaELV - kFilasVisibles - 1;  // 87: shows rows 1 to 99

    // tabla: the shared table, copied into the working rows TablaX/TablaY.
    // pathTabla: the remembered folder, read and updated by Open and Save as.
    // estado: the decimal separator of the display and the key filter; typing
    // a number updates it as LeerNumero does everywhere.
    // exec() gives Accepted only for Resultado::Aceptada.
    FormXYinput(const TablaELV& tabla, const DatosCompuestos& datos, QString& pathTabla, EstadoNumerico& estado,
                QWidget* padre = nullptr);

    enum class Resultado {
        Aceptada,               // write tabla() and datos() back and set table mode
        Cancelada,              // nothing changes
        CanceladaTrasOkFallido, // closed after an Ok that failed its checks: back to alpha mode
        SinTabla                // Ok with the first row empty: back to alpha mode
    };
    Resultado resultado() const { return resultado_; }

    // After Aceptada: the completed table (with ultPunto) and the names and
    // molar masses to write back.
    const TablaELV& tabla() const { return tabla_; }
    const DatosCompuestos& datos() const { return datos_; }

    // Cancel and the close box.
    void reject() override;
    // Reads a table file as Open... does after its dialog.
    void abrirArchivo(const QString& ruta);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // The actions of the five buttons.
    void Aceptar();
    void Cancelar();
    void Borrar();
    void Abrir();
    void Guardar();

    using Columna = navegacion_xy::Columna;

    void crearControles();
    void crearBotones();
    void ponerTextos();
    void refrescarFilas();
    void mostrarDesdeArriba();
    void textoCambiado(Columna columna, int k);
    bool teclaEnCaja(QLineEdit* caja, Columna columna, int k, QKeyEvent* evento);
    bool ubicarCaja(const QObject* objeto, Columna& columna, int& k) const;
    void moverConRueda(int rotacion);
    QString leerTabla(const QString& ruta);
    QString escribirTabla(const QString& ruta) const;
    QLineEdit* caja(Columna columna, int k) const;
    std::array<double, kFilasTablaELV>& filas(Columna columna);

    std::array<double, kFilasTablaELV> TablaX{}, TablaY{};
    DatosCompuestos datos_;
    QString& pathTabla_;
    EstadoNumerico& estado_;
    bool escribiendoTexto_ = false;  // the editor writes into its boxes
    bool okFallido_ = false;         // an Ok failed its checks: table mode was cleared
    bool seleccionarAlPulsar_ = false;  // a click gave a box the focus
    Resultado resultado_ = Resultado::Cancelada;
    TablaELV tabla_;

    std::array<QLabel*, kFilasVisibles> numerosFila_{};
    std::array<QLineEdit*, kFilasVisibles> TxtX{}, TxtY{};
    QScrollBar* barraFilas_ = nullptr;  // its value is the table row shown in visible row 0
    QLabel *explicacionX_ = nullptr, *explicacionY_ = nullptr;
    BotonImagen *botonAceptar_ = nullptr, *botonCancelar_ = nullptr, *botonBorrar_ = nullptr,
                *botonAbrir_ = nullptr, *botonGuardarComo_ = nullptr;
};

}  // namespace quillon
