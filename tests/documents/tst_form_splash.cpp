// The start-up splash closes by itself after its timer, or at a click or a
// key, and says so once; the About window (the same window) waits for the
// user.

#include <QSignalSpy>
#include <QTest>

#include "documents/form_splash.h"

using namespace quillon;

// The About window or the splash; whether its timer (400 ms) is first given
// time to close it; then a key, a close by the window system, or a click on
// the named label ("" for the window).
struct Cierre { bool acerca; bool esperar; QString gesto; };
Q_DECLARE_METATYPE(Cierre)

class TstFormSplash : public QObject {
    Q_OBJECT
private slots:
    void cierre_data()
    {
        QTest::addColumn<Cierre>("c");
        QTest::newRow("splash: its timer, then a key") << Cierre{false, true, "key"};
        QTest::newRow("splash: a click on a text") << Cierre{false, false, "rotuloSimulador"};
        QTest::newRow("splash: a click on the window") << Cierre{false, false, ""};
        QTest::newRow("splash: closed by the system") << Cierre{false, false, "close"};
        QTest::newRow("about: stays, then a key") << Cierre{true, true, "key"};
        QTest::newRow("about: its close button") << Cierre{true, false, "botonCerrar"};
    }
    void cierre()
    {
        QFETCH(Cierre, c);
        FormSplash s(c.acerca);
        QSignalSpy fin(&s, &FormSplash::terminado);
        s.show();
        if (c.esperar) {
            QCOMPARE(fin.wait(1000), !c.acerca);
            QCOMPARE(s.isVisible(), c.acerca);
        }
        if (c.gesto == "key") QTest::keyClick(&s, Qt::Key_Space);
        else if (c.gesto == "close") s.close();
        else if (c.gesto.isEmpty()) QTest::mouseClick(&s, Qt::LeftButton);
        else if (QWidget* w = s.findChild<QWidget*>(c.gesto)) QTest::mouseClick(w, Qt::LeftButton);
        else QFAIL(qPrintable(QStringLiteral("no ") + c.gesto));
        QCOMPARE(fin.count(), 1);
        QVERIFY(!s.isVisible());
    }
};

QTEST_MAIN(TstFormSplash)
#include "tst_form_splash.moc"
