#pragma once
// The main window: the input panels on the left, the row of stills and the
// three other views on the right, the view bar on top, the message bar. It
// owns the simulation and the document's name, switches the views and runs
// the menus; the panels, the row and the views do the rest, each following
// the simulation's announcements.

#include <QMainWindow>
#include <array>

class QAction;
class QFrame;
class QMenu;
class QScrollArea;
class QLabel;

namespace quillon {

class BotonImagen;
class FilaEtapas;
class GraficoAvance;
class GraficoELV;
class Panel;
class PanelAvance;
class PanelTabla;
class PanelesEntrada;
class Simulacion;
class VistaTabla;
struct Cambios;

class FormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMain(QWidget* padre = nullptr);
    ~FormMain() override;

    Simulacion& simulacion() { return *sim_; }
    QString nombreArchivo() const { return nombreArchivo_; }
    // Opens a distillation file as File > Open does after its dialog.
    void abrirDocumento(const QString& ruta);
    // Opens what the desktop hands the program: a table file (.vle) in the
    // table editor, anything else as a distillation file.
    void abrirArgumento(const QString& ruta);

    // The four views, in the order of the view bar.
    enum Vista { Inicio, DiagramaELV, GraficoProgreso, TablaProgreso };

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Construction, layout, settings, messages (formmain.cpp).
    void crearBarraVistas(QWidget* central);
    void crearEntradas(QWidget* central);
    void crearVistas(QWidget* central);
    void crearBarraMensajes(QWidget* central);
    void conectarSimulacion();
    void ponerTextos();
    void disponer();
    void cubrirEntradas();
    void leerAjustes();
    void guardarAjustes();
    // What the window itself follows of the simulation's announcement.
    void seguir(const Cambios& c);
    // The message line, with its bar shown while it holds a text.
    void mostrarMensaje(const QString& texto);

    // Views, options and commands (formmain_vistas.cpp).
    void elegirVista(int i);
    void mostrarSolo(QWidget* vista);
    void calcular();
    void copiar();
    void imprimir();
    void borrar();
    void elegirEtapaVista(int k);
    void elegirColor(int i, bool redibujar = true);
    void exportarGrafico();

    // Menus and help (formmain_menus.cpp).
    void crearMenus();
    void abrirManual();
    void manualNoAbierto(const QString& ruta);
    void acercaDe();

    // The document (formmain_documento.cpp).
    void fijarNombreArchivo(const QString& ruta);
    void ponerTitulo();
    void mostrarRecientes();
    void abrirReciente(const QString& ruta);
    void abrir();
    void guardar();
    void guardarEn(const QString& ruta);
    void guardarComo();
    bool preguntarGuardar();  // the unsaved-changes question; false stops the command
    // Predict VLE table: the predicted table, or its fitted alpha, takes over.
    void predecirTabla();
    // The table editor, with the table of `archivoTabla` when one is given.
    void editarTablaELV(const QString& archivoTabla = QString());

    Simulacion* sim_ = nullptr;
    QScrollArea* entradas_ = nullptr;  // holds the input panels
    PanelesEntrada* paneles_ = nullptr;
    FilaEtapas* fila_ = nullptr;
    GraficoELV* graficoELV_ = nullptr;
    PanelAvance* panelAvance_ = nullptr;
    GraficoAvance* graficoAvance_ = nullptr;
    PanelTabla* panelTabla_ = nullptr;
    VistaTabla* TxtXAvan = nullptr;  // the table view
    Panel* barraVistas_ = nullptr;
    std::array<BotonImagen*, 4> pestanas_{};  // the view bar's buttons
    QFrame* barraMensajes_ = nullptr;
    QLabel* LblMSG = nullptr;

    QAction *accionCalcular_ = nullptr, *accionImprimir_ = nullptr, *accionExportarCsv_ = nullptr;
    QAction* accionExportarGrafico_ = nullptr;
    std::array<QAction*, 4> accionesVista_{};
    std::array<QAction*, 5> accionesColor_{};
    // Page Up / Page Down scroll the row of stills, whatever has the focus,
    // while the Main view is shown.
    QAction *paginaAnterior_ = nullptr, *paginaSiguiente_ = nullptr;
    QMenu* menuRecientes_ = nullptr;  // the last documents opened or saved

    int vistaActual_ = Inicio;
    bool primerRefresco_ = true;  // from load until the first deferred refresh
    QString nombreArchivo_;
    QString PathFile, PathTabla;  // the folders remembered between runs
};

}  // namespace quillon
