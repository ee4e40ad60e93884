#pragma once
// The main window: the input panels on the left, the train of stills and the
// three other views on the right, the view bar on top, the message bar.
// It owns the state of the whole run (EstadoVentana); the model does the
// arithmetic and the child widgets draw.

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "mainwindow/estado_ventana.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTimer;

namespace quillon {

class BotonImagen;
class CursorDeslizante;
class FilaEtapas;
class GraficoAvance;
class GraficoELV;
class PanelAvance;

class FormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMain(QWidget* padre = nullptr);
    ~FormMain() override;

    // Input boxes and options (the simulation's inputs are their texts).
    QLineEdit *TxtCompA = nullptr, *TxtCompB = nullptr, *TxtMMA = nullptr, *txtMMB = nullptr;
    QLineEdit *TxtAlfa = nullptr, *TxtX0A = nullptr, *TxtP0A = nullptr, *TxtMasa0 = nullptr;
    std::array<QRadioButton*, 4> OptUNIT{};
    std::array<QRadioButton*, kMaxEtapas + 1> OptETAP{};  // 1..6
    QRadioButton *OptVOL = nullptr, *OptTAB = nullptr;

    // Panels and views.
    QFrame *PicBarTool = nullptr, *PicNCom = nullptr, *PicComp0 = nullptr, *PicAlfa = nullptr, *PicMEB = nullptr;
    FilaEtapas* PicMain = nullptr;
    GraficoELV* PicVLE = nullptr;
    GraficoAvance* PicXAvan = nullptr;
    PanelAvance* PicPanelXAV = nullptr;
    QFrame* PicTABLA = nullptr;
    QPlainTextEdit* TxtXAvan = nullptr;
    QListWidget* LstTABLA = nullptr;
    std::array<QRadioButton*, 6> OptFILTAB{};             // 1..5
    std::array<QRadioButton*, kMaxEtapas + 1> OptETATAB{};  // 1..6
    QFrame* PicMSG = nullptr;
    QLabel* LblMSG = nullptr;
    std::array<BotonImagen*, 4> LblMENU{};
    std::array<BotonImagen*, 7> LabelB{};
    std::array<CursorDeslizante*, 2> Image2{};
    std::array<QLabel*, 22> Label3{};

    // Menus.
    QAction *mnu_Archivo_CALC = nullptr, *mnu_Archivo_OPEN = nullptr, *mnu_Archivo_SAVE = nullptr;
    QAction *mnu_Archivo_SAVEAS = nullptr, *mnu_Archivo_PRINT = nullptr, *mnu_archivo_salir = nullptr;
    QAction* mnu_edicion_copy = nullptr;
    std::array<QAction*, 4> mnu_ver_panel{};
    std::array<QAction*, 5> mnu_ver_colorix{};
    QAction *mnu_Ayuda_Manual = nullptr, *mnu_Ayuda_Acerca = nullptr;
    // Page Up / Page Down scroll the row of stills, whatever has the focus,
    // while the Main view is shown.
    QAction *paginaAnterior = nullptr, *paginaSiguiente = nullptr;

    QTimer *TmrACT = nullptr, *TmrMSG = nullptr;

    EstadoVentana& estado() { return estado_; }
    int VistaActual() const { return vistaActual_; }
    QString NombreArchivo() const { return nombreArchivo_; }
    bool Modificado() const { return estado_.modificado; }

    // Procedures other parts call.
    void Actualizar();
    void Espoleta();
    void Borrar();
    void ReajustarCursores();
    void LblMENU_Click(int i);
    void LabelB_Click(int i);
    void CrearTabla();
    void CopiarTabla();
    void EditarTABLA_ELV();
    void mnu_ver_colorix_Click(int i);
    void OptETAP_Click(int k);

    // Documents.
    void Abrir();
    void AbrirRuta(const QString& ruta);  // Abrir without the dialog
    void Save(const QString& ruta);
    void Save_As();
    bool preguntarGuardar();  // the unsaved-changes question; false stops the command
    QString PathFile, PathTabla;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Construction (formmain.cpp, formmain_paneles.cpp).
    void ColocarControles();
    void crearBarraVistas(QWidget* central);
    void crearPanelComponentes(QWidget* central);
    void crearPanelComposicion(QWidget* central);
    void crearPanelEquilibrio(QWidget* central);
    void crearPanelMasa(QWidget* central);
    void crearVistas(QWidget* central);
    void crearPanelTabla(QWidget* central);
    void crearMenus();
    void conectarEntradas();
    void SetIDIOM_ENG();
    void Form_Resize();
    void leerAjustes();
    void guardarAjustes();

    // Input handlers (formmain_entradas.cpp).
    Entradas leerEntradas();
    std::string textoDe(const QLineEdit* caja) const;
    void escribirCaja(QLineEdit* caja, const QString& texto);  // guarded write
    void TxtX0A_Change();
    void TxtP0A_Change();
    void TxtMM_Change();
    void TxtAlfa_Change();
    void TxtMasa0_Change();
    void TxtCompA_Change();
    void TxtCompB_Change();
    void buscarMasaMolar(const QLineEdit* nombre, QLineEdit* masa);
    void invalidarEtapas();
    void marcarModificado();
    void arrastrarCursor(int i, double porcentaje);

    // Views (formmain_vistas.cpp).
    void Set_Option_Inicio();
    void Set_Option_VLE();
    void Set_Option_GRAFXAVAN();
    void Set_Option_TABLXAVAN();
    void mostrarSolo(QWidget* vista);
    void mnu_edicion_copy_Click();
    void TmrACT_Timer();
    void TmrMSG_Timer();
    void OptVOL_Click();
    void mostrarControlesAlfa(bool alfa);
    void OptTAB_Click();
    void OptETATAB_Click(int i);
    void OptETAXAV_Click(int i);
    void OptUNIT_Click(int i);
    void redibujarVLESiVisible();
    void mnu_Ayuda_Manual_Click();
    void mnu_Ayuda_Acerca_Click();
    void mnu_Archivo_PRINT_Click();

    // Documents (formmain_documento.cpp).
    void mnu_Archivo_OPEN_Click();
    void mnu_Archivo_SAVE_Click();

    EstadoVentana estado_;
    int vistaActual_ = 0;
    double marcaCarga_ = -1;  // -1 from load until the first refresh
    QString nombreArchivo_;
};

}  // namespace quillon
