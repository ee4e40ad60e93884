// The input column of the main window: components, initial composition,
// equilibrium, mass and stages. Inner positions are the window's design.

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "graphs/cursor_deslizante.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "platform/boton_imagen.h"

namespace quillon {
namespace {

QLabel* etiqueta(QWidget* padre, int x, int y, bool negrita = false)
{
    auto* l = new QLabel(padre);
    QFont f(QStringLiteral("Arial"), 9);
    f.setBold(negrita);
    l->setFont(f);
    l->move(x, y);
    return l;
}

QLineEdit* caja(QWidget* padre, int x, int y, int ancho)
{
    auto* c = new QLineEdit(padre);
    c->setGeometry(x, y, ancho, 22);
    c->setFont(QFont(QStringLiteral("Arial"), 9));
    return c;
}

QRadioButton* opcion(QWidget* padre, const QString& texto, int x, int y)
{
    auto* o = new QRadioButton(texto, padre);
    o->setFont(QFont(QStringLiteral("Arial"), 9));
    o->move(x, y);
    o->adjustSize();
    return o;
}

}  // namespace

void FormMain::crearPanelComponentes(QWidget* central)
{
    PicNCom = new Panel(central);
    Label3[8] = etiqueta(PicNCom, 8, 6, true);
    Label3[9] = etiqueta(PicNCom, 14, 31);
    TxtCompA = caja(PicNCom, 92, 28, 188);
    Label3[7] = etiqueta(PicNCom, 14, 59);
    TxtMMA = caja(PicNCom, 92, 56, 110);
    Label3[6] = etiqueta(PicNCom, 208, 59);
    Label3[12] = etiqueta(PicNCom, 8, 96, true);
    Label3[13] = etiqueta(PicNCom, 14, 121);
    TxtCompB = caja(PicNCom, 92, 118, 188);
    Label3[11] = etiqueta(PicNCom, 14, 149);
    txtMMB = caja(PicNCom, 92, 146, 110);
    Label3[10] = etiqueta(PicNCom, 208, 149);
}

void FormMain::crearPanelComposicion(QWidget* central)
{
    auto* panel = new Panel(central);
    PicComp0 = panel;
    Label3[3] = etiqueta(panel, 8, 6, true);
    Label3[2] = etiqueta(panel, 14, 31);
    TxtX0A = caja(panel, 150, 28, 100);
    Label3[4] = etiqueta(panel, 14, 59);
    TxtP0A = caja(panel, 150, 56, 100);
    Label3[5] = etiqueta(panel, 256, 59);
    Image2[1] = new CursorDeslizante(estado_, panel);
    Image2[1]->move(100, 87 + 1);
}

void FormMain::crearPanelEquilibrio(QWidget* central)
{
    auto* panel = new Panel(central);
    PicAlfa = panel;
    Label3[0] = etiqueta(panel, 8, 4, true);
    Label3[0]->setWordWrap(true);
    Label3[0]->setFixedWidth(130);
    // The equilibrium source options sit on their own tinted box.
    auto* opciones = new Panel(panel, QColor(207, 232, 255));
    opciones->setGeometry(142, 4, 144, 40);
    OptVOL = opcion(opciones, QString(), 6, 2);
    OptTAB = opcion(opciones, QString(), 6, 20);
    OptVOL->setChecked(true);
    Label3[1] = etiqueta(panel, 14, 55);
    TxtAlfa = caja(panel, 170, 52, 80);
    LabelB[0] = new BotonImagen(QString(), panel);
    LabelB[0]->move(2, 42);
    LabelB[0]->hide();
    Image2[0] = new CursorDeslizante(estado_, panel);
    Image2[0]->move(100, 84 + 1);
}

void FormMain::crearPanelMasa(QWidget* central)
{
    PicMEB = new Panel(central);
    Label3[15] = etiqueta(PicMEB, 8, 6, true);
    TxtMasa0 = caja(PicMEB, 14, 28, 90);
    static const char* const unidades[4] = {"g", "kg", "oz", "lb"};
    for (int i = 0; i < 4; ++i) OptUNIT[static_cast<std::size_t>(i)] = opcion(PicMEB, QString::fromLatin1(unidades[i]), 112 + i * 44, 30);
    OptUNIT[0]->setChecked(true);
    auto* grupoUnidades = new QButtonGroup(PicMEB);
    for (QRadioButton* o : OptUNIT) grupoUnidades->addButton(o);
    Label3[14] = etiqueta(PicMEB, 8, 64, true);
    for (int k = 1; k <= kMaxEtapas; ++k)
        OptETAP[static_cast<std::size_t>(k)] = opcion(PicMEB, QString::number(k), 14 + (k - 1) * 44, 86);
    OptETAP[1]->setChecked(true);
    auto* etapas = new QButtonGroup(PicMEB);
    for (int k = 1; k <= kMaxEtapas; ++k) etapas->addButton(OptETAP[static_cast<std::size_t>(k)]);
    LabelB[1] = new BotonImagen(QString(), PicMEB);
    LabelB[1]->move(4, 121);
    LabelB[2] = new BotonImagen(QString(), PicMEB);
    LabelB[2]->move(145, 121);
}

}  // namespace quillon
