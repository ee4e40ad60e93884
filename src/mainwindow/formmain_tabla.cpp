// The "X vs progress table" view: its side panel and the table text.

#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "model/tabla_texto.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"

namespace quillon {

void FormMain::crearPanelTabla(QWidget* central)
{
    PicTABLA = new Panel(central);
    PicTABLA->setGeometry(2, 33, 290, 518);
    PicTABLA->hide();
    QFont arial(QStringLiteral("Arial"), 9);
    QFont negrita = arial;
    negrita.setBold(true);
    auto etiqueta = [&](int indice, int y) {
        auto* l = new QLabel(PicTABLA);
        l->setFont(negrita);
        l->move(8, y);
        Label3[static_cast<std::size_t>(indice)] = l;
    };
    etiqueta(16, 8);
    for (int j = 1; j <= kMaxEtapas; ++j) {
        auto* o = new QRadioButton(QString::number(j), PicTABLA);
        o->setFont(arial);
        o->move(14 + (j - 1) * 44, 28);
        OptETATAB[static_cast<std::size_t>(j)] = o;
    }
    OptETATAB[1]->setChecked(true);
    // The two option rows share the panel: each is its own group.
    auto* etapas = new QButtonGroup(PicTABLA);
    for (int j = 1; j <= kMaxEtapas; ++j) etapas->addButton(OptETATAB[static_cast<std::size_t>(j)]);
    for (int j = 1; j <= kMaxEtapas; ++j)
        connect(OptETATAB[static_cast<std::size_t>(j)], &QRadioButton::toggled, this, [this, j](bool activa) {
            if (activa) OptETATAB_Click(j);
        });
    etiqueta(21, 58);
    LstTABLA = new QListWidget(PicTABLA);
    LstTABLA->setFont(arial);
    LstTABLA->setGeometry(8, 78, 274, 330);
    etiqueta(17, 416);
    static const char* const filas[5] = {"10", "20", "50", "100", "200"};
    for (int i = 1; i <= 5; ++i) {
        auto* o = new QRadioButton(QString::fromLatin1(filas[i - 1]), PicTABLA);
        o->setFont(arial);
        o->move(14 + (i - 1) * 54, 436);
        OptFILTAB[static_cast<std::size_t>(i)] = o;
    }
    OptFILTAB[2]->setChecked(true);
    auto* grupoFilas = new QButtonGroup(PicTABLA);
    for (int i = 1; i <= 5; ++i) grupoFilas->addButton(OptFILTAB[static_cast<std::size_t>(i)]);
    LabelB[5] = new BotonImagen(QString(), PicTABLA);
    LabelB[5]->move(145, 480);
    connect(LabelB[5], &BotonImagen::clicked, this, [this] { LabelB_Click(5); });
}

void FormMain::CrearTabla()
{
    TxtXAvan->setPlainText(QString());
    LblMSG->setText(QString());

    PeticionTabla p;
    p.nombreA = textoDe(TxtCompA);
    p.nombreB = textoDe(TxtCompB);
    for (int j = 1; j <= kMaxEtapas; ++j)
        if (OptETATAB[static_cast<std::size_t>(j)]->isChecked()) p.etapa = j;
    for (int i = 1; i <= 5; ++i)
        if (OptFILTAB[static_cast<std::size_t>(i)]->isChecked()) p.intervalos = OptFILTAB[static_cast<std::size_t>(i)]->text().toInt();
    for (int q = 0; q < LstTABLA->count(); ++q)
        if (LstTABLA->item(q)->checkState() == Qt::Checked) p.items.push_back(q);

    const Entradas e = leerEntradas();
    p.sep = estado_.sep();
    plataforma::CursorEspera espera;
    const ResultadoTabla r = CrearTablaTexto(estado_.cadena, estado_.modelo(e.alfa), e, PicMain->cortes(), p);
    if (r.error) {
        LblMSG->setText(QString::fromUtf8(quillon::tr(*r.error)));
        return;
    }
    TxtXAvan->setPlainText(QString::fromStdString(r.texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FormMain::CopiarTabla()
{
    const QString texto = TxtXAvan->toPlainText();
    if (texto.trimmed().isEmpty()) return;
    // The clipboard gets the table with its CR LF line ends.
    QString conFinales = texto;
    conFinales.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    plataforma::copiarTexto(conFinales);
}

void FormMain::OptETATAB_Click(int)
{
    if (estado_.escribiendoTexto) return;
    estado_.cadena.invalidar();
    PicMain->fijarPrimeraEtapa(0);
    Actualizar();
    if (TxtXAvan->isVisible()) CrearTabla();
}

}  // namespace quillon
