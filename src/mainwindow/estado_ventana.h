#pragma once
// The state the main window owns for the whole run, shared by reference with
// the child widgets that draw from it (the stage row, the graphs, the table).

#include <QString>
#include <array>
#include <functional>
#include <string>

#include "model/cadena.h"
#include "model/equilibrio.h"
#include "model/numero.h"

namespace quillon {

struct EstadoVentana {
    EstadoNumerico numero;        // SepDecimal and ErrorEntrada
    bool escribiendoTexto = false;  // EscribiendoTexto: the program is writing into a box
    bool modificado = false;        // Modificado: the document changed since open/save
    bool arrastrandoCursor = false; // ArrastrandoCursor: a slider cursor of the inputs is dragged

    TablaELV tablaElv;            // TablaELV_X, TablaELV_Y, UltPuntoELV (zeros at start)
    SuperTablaELV superTabla{};   // SuperTABLA_ELV
    bool modoTablaElv = false;    // ModoTablaELV

    CadenaEtapas cadena;          // TablaAvance, EtapaCalculada, X0Etapa
    int numEtapas = 1;            // NumEtapas

    // Parses the input boxes (LeerNumero on each; updates SepDecimal).
    std::function<Entradas()> leerEntradas;
    // The text of the name box of A, as typed (the diagram's axis titles).
    std::function<std::string()> nombreA;
    // The effective cut of every stage, as the stage row draws them.
    std::function<std::array<double, kMaxEtapas>()> cortes;
    // Writes the caption of the message line LblMSG ("" clears it).
    std::function<void(const QString&)> mensaje;

    ModeloELV modelo(double alfa) const { return {modoTablaElv, alfa, &superTabla}; }
    char sep() const { return numero.sepDecimal; }
};

// Sets the guard for the lifetime of the object: the program writes into a
// box and the box's change handler must stay quiet.
class Escribiendo {
public:
    explicit Escribiendo(EstadoVentana& e) : e_(e), antes_(e.escribiendoTexto) { e_.escribiendoTexto = true; }
    ~Escribiendo() { e_.escribiendoTexto = antes_; }
    Escribiendo(const Escribiendo&) = delete;
    Escribiendo& operator=(const Escribiendo&) = delete;

private:
    EstadoVentana& e_;
    bool antes_;
};

}  // namespace quillon
