#pragma once
// The captions of the main window, with their Spanish twins.

#include "model/idioma.h"

namespace quillon::textos {

inline constexpr Texto tituloVentana{"Quillon - Single/Multi-stage distillation simulator",
                                     "Quillon - Simulador de destilación mezcla binaria"};
inline constexpr Texto compAInicial{"benzene", "benceno"};
inline constexpr Texto compBInicial{"toluene", "tolueno"};

// Menus.
inline constexpr Texto menuArchivo{"&File", "&Archivo"};
inline constexpr Texto menuCalcular{"&Calculate", "&Actualizar"};
inline constexpr Texto menuAbrir{"&Open...", "&Abrir..."};
inline constexpr Texto menuGuardar{"&Save", "&Guardar"};
inline constexpr Texto menuGuardarComo{"Save &as...", "Guardar &como..."};
inline constexpr Texto menuImprimir{"&Print...", "&Imprimir..."};
inline constexpr Texto menuSalir{"&Exit", "&Salir"};
inline constexpr Texto menuEdicion{"&Edit", "&Edición"};
inline constexpr Texto menuCopiar{"&Copy", "&Copiar"};
inline constexpr Texto menuVer{"&View", "&Ver"};
inline constexpr Texto menuColorLiquido{"&Liquid color", "&Color del líquido"};
inline constexpr Texto menuAyuda{"&Help", "Ay&uda"};
inline constexpr Texto menuManual{"User's &Manual (PDF document)...", "&Manual del usuario (documento PDF)..."};
inline constexpr Texto menuAcerca{"&About...", "&Acerca de..."};

// The four views (view bar and View menu).
inline constexpr Texto vistas[4] = {
    {"Main", "Inicio"},
    {"VLE graph", "Gráfica ELV"},
    {"X vs progress graph", "Gráfica X vs Avance"},
    {"X vs progress table", "Tabla X vs Avance"},
};

// Buttons.
inline constexpr Texto editarTabla{"Edit VLE table...", "Editar tabla..."};
inline constexpr Texto predecirTabla{"Predict VLE table...", "Predecir tabla..."};
inline constexpr Texto calcular{"Calculate", "Actualizar"};
inline constexpr Texto borrar{"Clear", "Borrar"};
inline constexpr Texto copiar{"Copy", "Copiar"};

// Captions of the input panels and the side panels.
inline constexpr Texto compMasVolatil{"A: Most volatile component", "A: Componente más volátil"};
inline constexpr Texto compMenosVolatil{"B: Less volatile component", "B: Componente menos volátil"};
inline constexpr Texto nombre{"Name", "Nombre"};
inline constexpr Texto masaMolar{"Molar mass", "Masa molar"};
inline constexpr Texto equilibrio{"Vapor-liquid equilibrium", "Equilibrio líquido-vapor"};
inline constexpr Texto volatilidadAlfa{"Relative volatility alpha", "Volatilidad relativa"};
inline constexpr Texto optVolatilidad{"Relative volatility", "Volatilidad relativa"};
inline constexpr Texto optTabla{"VLE Table", "Tabla"};
inline constexpr Texto concentracionInicial{"Initial concentration of A:", "Composición inicial de componente A:"};
inline constexpr Texto fraccionMolarXo{"Mole fraction Xo", "Fracción molar Xo"};
inline constexpr Texto porcentajeMasaA{"% mass of A", "% Peso inicial"};
inline constexpr Texto masaInicial{"Initial mass of binary mixture in the still", "Masa inicial de mezcla"};
inline constexpr Texto numeroEtapas{"Number of consecutive stages of distillation", "Número de etapas de destilación"};
inline constexpr Texto calefaccion{"Heating", "Calefacción"};
inline constexpr Texto calefaccionNombre{"Heating of the still (empty: none)", "Calefacción del alambique (vacío: ninguna)"};
inline constexpr Texto unidadCalefaccion{"Unit of the heating", "Unidad de la calefacción"};
inline constexpr Texto etapaTabla{"Number of the stage", "Etapa a tabular"};
inline constexpr Texto elementosTabla{"Select items", "Elementos a tabular"};
inline constexpr Texto numeroFilas{"Number of rows", "Número de filas"};

// File dialogs and file failures of both windows; the path and the system's
// error follow a failure on their own lines.
inline constexpr Texto dialogoAbrir{"Open", "Abrir"};
inline constexpr Texto dialogoGuardarComo{"Save as", "Guardar como"};
inline constexpr Texto noSeAbrio{"ERROR: Unable to open the file:", "ERROR: No se pudo abrir el archivo:"};
inline constexpr Texto noSeSustituyo{"ERROR: Unable to replace the file:", "ERROR: No se pudo sobreescribir el archivo:"};
inline constexpr Texto noSeGuardo{"ERROR: Unable to save the file:", "ERROR: No se pudo guardar el archivo:"};
// A save wrote a letter the file cannot hold as "?": said once, in the
// status line.
inline constexpr Texto guardadoConSustitutos{"Saved. Letters the file cannot hold were written as \"?\".",
                                             "Guardado. Las letras que el archivo no admite se escribieron como \"?\"."};

// The question before unsaved changes are lost, and the manual command.
inline constexpr Texto guardarCambios{"Do you want to save changes to ", "¿Desea guardar el documento "};
inline constexpr Texto sinTitulo{"Untitled", "Sin título"};
inline constexpr Texto manualNoEncontrado{"Sorry, cannot find/open the file:", "No se encuentra o no se puede abrir el archivo:"};
inline constexpr Texto manualAsegurese{"", "Asegúrese que el archivo existe y que se halla en la carpeta correcta."};
inline constexpr Texto sinLectorPdf{"No program is set to open PDF files. The user's manual is here:",
                                    "No hay ningún programa para abrir archivos PDF. El manual del usuario está aquí:"};

// Exports.
inline constexpr Texto menuExportarCsv{"&Export table as CSV...", "&Exportar tabla como CSV..."};
inline constexpr Texto exportarCsv{"Export as CSV...", "Exportar como CSV..."};
inline constexpr Texto filtroCsv{"CSV file (*.csv)|*.csv|All files (*.*)|*.*",
                                 "Archivo CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*"};
inline constexpr Texto dialogoExportar{"Export", "Exportar"};
inline constexpr Texto menuExportarGrafico{"Export &graph...", "Exportar &gráfica..."};

// The recent documents of the File menu.
inline constexpr Texto menuRecientes{"Recent &files", "Archivos &recientes"};
inline constexpr Texto recienteDesaparecido{"ERROR: The file is no longer there:", "ERROR: El archivo ya no existe:"};

// Splash and about window.
inline constexpr Texto splashTitulo1{"Chemical Software", "Software de Química"};
inline constexpr Texto splashTitulo2{"Single/Multi-stage distillation simulator", "Simulador de destilación mezcla binaria"};
inline constexpr Texto splashVersion{"Version: ", "Versión: "};

}  // namespace quillon::textos
