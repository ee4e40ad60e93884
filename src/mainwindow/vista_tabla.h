#pragma once
// The progress table view: the text of the chosen quantities of one stage at
// regular steps of progress, built from the simulation for the choices of its
// side panel. It follows the simulation's announcements and the panel's
// choices; Copy and the CSV export take the numbers it shows.

#include <QPlainTextEdit>

#include "model/tabla_texto.h"

namespace quillon {

class PanelTabla;
class Simulacion;
struct Cambios;

class VistaTabla : public QPlainTextEdit {
    Q_OBJECT
public:
    VistaTabla(Simulacion& sim, PanelTabla& panel, QWidget* padre = nullptr);

    // Builds the table again (the message line says why when it cannot).
    void crearTabla();
    // The text, with its CR LF line ends, and its numbers as an HTML table
    // for a spreadsheet.
    void copiar();
    // The numbers of every row in full precision into a CSV file, through a
    // save dialog that starts in `carpeta`.
    void exportarCsv(const QString& carpeta);
    bool tieneNumeros() const { return !mostrada_.filas.empty(); }

signals:
    // The building's message for the message line ("" clears it).
    void mensaje(const QString& texto);

private:
    void seguir(const Cambios& c);

    Simulacion& sim_;
    PanelTabla& panel_;
    // The numbers shown, and their separator.
    ValoresTabla mostrada_;
    char sep_ = '.';
};

}  // namespace quillon
