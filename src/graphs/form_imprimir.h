#pragma once
// The small print dialog: the printer (every installed printer plus a "PDF
// file" entry), the number of copies 1..1999 in a box with its spinner, black
// and white, and the Print and Cancel buttons.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace quillon {

class BotonImagen;

// The print settings of the run: confirmed or not, black and white, the
// number of copies, and the current printer, which the dialog replaces.
struct AjustesImpresion {
    bool imprimirOK = false;
    bool imprimirBN = false;
    int numCopias = 1;
    bool aPdf = false;   // the "PDF file" entry is the current printer
    QString impresora;   // device name of the current printer otherwise
};

// The settings kept for the whole run; the current printer starts as the
// system's default printer, or the PDF entry when there is none.
AjustesImpresion& ajustesImpresion();

// Device names of the installed printers, in the platform's order.
QStringList impresorasInstaladas();

inline constexpr int kMaxCopias = 1999;

class FormImprimir : public QDialog {
    Q_OBJECT
public:
    FormImprimir(AjustesImpresion& ajustes, const QStringList& impresoras, QWidget* padre = nullptr);

    // Print: keeps the settings and closes, unless the number of copies is
    // outside 1..1999 (then a message, and the dialog stays).
    void Aceptar();
    // Cancel, and Escape anywhere in the dialog.
    void Cancelar();
    void reject() override { Cancelar(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void llenarImpresoras(const QStringList& impresoras);
    void elegirImpresora(int indice);
    // The number in the copies box: its leading number, rounded.
    long numeroEnCaja() const;
    int copiasDelSpinner() const;
    void fijarSpinner(long copias);
    // Every change of the box moves the spinner; an emptied box shows 1.
    void copiasEditadas();
    // Leaving the box: the number the spinner can hold, written back.
    void normalizarCopias();
    // Digits and editing keys pass, Up and Down step, the rest is dropped.
    bool teclaEnCopias(QKeyEvent* e);

    AjustesImpresion& ajustes_;
    QLabel* etiquetaImpresora_ = nullptr;
    QComboBox* listaImpresoras_ = nullptr;
    QLabel* etiquetaCopias_ = nullptr;
    QLineEdit* cajaCopias_ = nullptr;
    QScrollBar* spinnerCopias_ = nullptr;
    QCheckBox* casillaBlancoYNegro_ = nullptr;
    BotonImagen* botonImprimir_ = nullptr;
    BotonImagen* botonCancelar_ = nullptr;
};

}  // namespace quillon
