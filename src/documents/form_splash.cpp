#include "documents/form_splash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

#include "model/textos.h"
#include "model/termo.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

QLabel* rotulo(QWidget* padre, const char* nombre, const QString& texto, int tam, bool negrita, int y)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    QFont f(QStringLiteral("Arial"), tam);
    f.setBold(negrita);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: rgb(20, 40, 90); background: transparent;"));
    l->setGeometry(170, y, 300, tam * 2 + 6);
    return l;
}

constexpr Texto kFuentes{"Boiling temperatures and predicted equilibrium, from:",
                         "Temperaturas de ebullición y equilibrio predicho, con datos de:"};
constexpr Texto kAcercaDe{"About Quillon", "Acerca de Quillon"};
constexpr Texto kCerrar{"Close", "Cerrar"};

}  // namespace

FormSplash::FormSplash(bool acerca, QWidget* padre) : QDialog(padre)
{
    // The About window is a window like any other: a title and a close box.
    if (acerca) {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        setWindowTitle(qtr(kAcercaDe));
    } else {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    }
    setFixedSize(480, 260);
    setModal(acerca);
    const QString version =
        QString::number(QUILLON_VERSION_MAJOR) + QLatin1Char('.') + QString::number(QUILLON_VERSION_MINOR);
    QLabel* rotulos[] = {
        rotulo(this, "rotuloSoftware", qtr(textos::splashTitulo1), 10, false, 40),
        rotulo(this, "rotuloNombre", QStringLiteral("Quillon"), 26, true, 66),
        rotulo(this, "rotuloSimulador", qtr(textos::splashTitulo2), 11, false, 130),
        rotulo(this, "rotuloVersion", qtr(textos::splashVersion) + version, 9, false, 190),
    };
    rotulos[2]->setWordWrap(true);
    for (QLabel* l : rotulos) l->installEventFilter(this);
    if (acerca) mostrarFuentes();

    temporizadorCierre_ = new QTimer(this);
    temporizadorCierre_->setObjectName(QStringLiteral("temporizadorCierre"));
    temporizadorCierre_->setSingleShot(true);
    temporizadorCierre_->setInterval(400);
    connect(temporizadorCierre_, &QTimer::timeout, this, &FormSplash::cerrar);
    if (!acerca) temporizadorCierre_->start();
}

void FormSplash::mostrarFuentes()
{
    // Where the numbers of the temperatures and the predicted tables come from.
    QString texto = qtr(kFuentes);
    for (std::string_view f : termo::fuentesTermo()) texto += QStringLiteral("\n• ") + qtexto(f);
    auto* fuentes = new QLabel(texto, this);
    fuentes->setObjectName(QStringLiteral("rotuloFuentes"));
    fuentes->setFont(QFont(QStringLiteral("Arial"), 8));
    fuentes->setStyleSheet(QStringLiteral("color: rgb(20, 40, 90); background: transparent;"));
    fuentes->setWordWrap(true);
    // As tall as the list of sources needs.
    const int alto = fuentes->heightForWidth(440);
    fuentes->setGeometry(20, 240, 440, alto);
    fuentes->installEventFilter(this);
    // And, under the sources, a button that says how it closes.
    auto* cerrarBoton = new QPushButton(qtr(kCerrar), this);
    cerrarBoton->setObjectName(QStringLiteral("botonCerrar"));
    cerrarBoton->setDefault(true);
    cerrarBoton->adjustSize();
    cerrarBoton->move(480 - 20 - cerrarBoton->width(), 246 + alto);
    connect(cerrarBoton, &QPushButton::clicked, this, &FormSplash::cerrar);
    setFixedSize(480, 246 + alto + cerrarBoton->height() + 14);
}

void FormSplash::cerrar()
{
    temporizadorCierre_->stop();
    if (!terminado_) {
        terminado_ = true;
        emit terminado();
    }
    accept();
}

// Closed without showing the main window, the splash would end the program
// unseen.
void FormSplash::reject() { cerrar(); }

void FormSplash::mousePressEvent(QMouseEvent*) { cerrar(); }

void FormSplash::keyPressEvent(QKeyEvent*) { cerrar(); }

bool FormSplash::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        cerrar();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void FormSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, height());
    fondo.setColorAt(0, QColor(236, 244, 255));
    fondo.setColorAt(1, QColor(196, 222, 250));
    p.fillRect(rect(), fondo);
    p.setPen(QPen(QColor(90, 120, 170), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));

    // A round-bottom flask with a blue-green liquid: the program's emblem.
    const QPointF c(85, 150);
    const double r = 52;
    QPainterPath matraz;
    matraz.addEllipse(c, r, r);
    QPainterPath cuello;
    cuello.addRect(c.x() - 13, c.y() - r - 58, 26, 64);
    matraz = matraz.united(cuello);
    QPainterPath liquido;
    liquido.addRect(c.x() - r, c.y() - 8, 2 * r, r + 8);
    liquido = liquido.intersected(matraz);
    QLinearGradient tinte(0, c.y() - 8, 0, c.y() + r);
    tinte.setColorAt(0, QColor(90, 200, 170));
    tinte.setColorAt(1, QColor(10, 110, 90));
    p.fillPath(matraz, QColor(255, 255, 255, 170));
    p.fillPath(liquido, tinte);
    p.setPen(QPen(QColor(40, 70, 110), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(matraz);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r + 10, c.y() - r + 10, 2 * r - 20, 2 * r - 20), 100 * 16, 50 * 16);
}

}  // namespace quillon
