#pragma once
// frmImprimir: the small print dialog. The printer (every installed printer
// plus a "PDF file" entry), the number of copies 1..1999 in a box with its
// spinner, black and white, and the Print and Cancel buttons.

#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace quillon {

class BotonImagen;

// The print settings of the run (ImprimirOK, ImprimirBN, NumCopias) and the
// current printer, which the dialog replaces.
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

    void Aceptar();
    void Cancelar();
    void reject() override { Cancelar(); }

    // The number in the copies box: its leading number, rounded.
    long numeroEnCaja() const;
    // The number of copies the spinner shows.
    int copiasDelSpinner() const;

    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QCheckBox* ChK_BN = nullptr;
    std::array<BotonImagen*, 2> Image1{};  // "Print", "Cancel"

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void llenarImpresoras(const QStringList& impresoras);
    void Combo1_Click(int indice);
    void Text1_Change();
    void normalizarCopias();  // Text1_LostFocus
    void fijarSpinner(long copias);
    bool Text1_KeyDown(QKeyEvent* e);

    AjustesImpresion& ajustes_;
    bool moviendoSpinner_ = false;
};

}  // namespace quillon
