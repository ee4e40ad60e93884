#include "documents/form_splash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "documents/textos.h"

namespace quillon {
namespace {

QLabel* rotulo(QWidget* padre, const QString& texto, int tam, bool negrita, int y)
{
    auto* l = new QLabel(texto, padre);
    QFont f(QStringLiteral("Arial"), tam);
    f.setBold(negrita);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: rgb(20, 40, 90); background: transparent;"));
    l->setGeometry(170, y, 300, tam * 2 + 6);
    return l;
}

}  // namespace

FormSplash::FormSplash(bool acerca, QWidget* padre) : QDialog(padre)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(480, 260);
    setModal(acerca);
    LblTIT1 = rotulo(this, QString::fromUtf8(quillon::tr(textos::splashTitulo1)), 10, false, 40);
    auto* nombre = rotulo(this, QStringLiteral("Quillon"), 26, true, 66);
    LblTIT2 = rotulo(this, QString::fromUtf8(quillon::tr(textos::splashTitulo2)), 11, false, 130);
    LblTIT2->setWordWrap(true);
    lblVersion = rotulo(this, QString::fromUtf8(quillon::tr(textos::splashVersion)) + QString::number(QUILLON_VERSION_MAJOR).trimmed() +
                                  QLatin1Char('.') + QString::number(QUILLON_VERSION_MINOR).trimmed(),
                        9, false, 190);
    for (QLabel* l : {LblTIT1, nombre, LblTIT2, lblVersion}) l->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(400);
    connect(Timer1, &QTimer::timeout, this, &FormSplash::cerrar);
    if (!acerca) Timer1->start();
}

void FormSplash::cerrar()
{
    Timer1->stop();
    if (!terminado_) {
        terminado_ = true;
        emit terminado();
    }
    accept();
}

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
