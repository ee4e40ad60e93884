#pragma once
// The side panel of the progress table view: the stage tabulated, the tick
// list of the 23 quantities (the columns; the temperatures and the column's
// two after them when offered) and the number of rows, with the table's
// "Copy" button.

#include <QWidget>
#include <array>
#include <vector>

#include "mainwindow/panel.h"
#include "model/cadena.h"

class QLabel;
class QListWidget;
class QRadioButton;

namespace quillon {

class BotonImagen;

class PanelTabla : public Panel {
    Q_OBJECT
public:
    explicit PanelTabla(QWidget* padre = nullptr);

    void ponerTextos();
    int etapa() const;                // the chosen stage, 1..6
    int intervalos() const;           // N: N + 1 rows from 0 % to 100 %
    std::vector<int> items() const;   // the ticked quantities, in list order
    // Stage options 1..n shown; selects stage 1 without a click.
    void mostrarEtapas(int n);
    // The two temperature quantities offered after the 23, or not.
    void mostrarTemperaturas(bool si);
    // The column's two quantities after them, or not.
    void mostrarColumna(bool si);
    // The time and the heat offered last, or not; their ticks stay while
    // they are offered.
    void mostrarCalor(bool tiempo, bool calor);

signals:
    void etapaElegida(int k);
    // A quantity ticked or unticked, or another number of rows.
    void eleccionCambiada();
    void copiar();
    void exportar();

private:
    // Two quantities from `primera` on, offered at row `donde` or taken away.
    void mostrarGrupo(bool si, int donde, int primera, const std::array<QString, 2>& nombres);
    int filaDe(int q) const;  // the row of quantity q, -1 when not offered

    std::array<QRadioButton*, kMaxEtapas + 1> OptETATAB{};  // 1..6
    std::array<QRadioButton*, 5> OptFILTAB{};               // 10, 20, 50, 100, 200 rows
    QListWidget* LstTABLA = nullptr;
    QLabel *tituloEtapa_ = nullptr, *tituloElementos_ = nullptr, *tituloFilas_ = nullptr;
    BotonImagen *botonCopiar_ = nullptr, *botonExportar_ = nullptr;
};

}  // namespace quillon
