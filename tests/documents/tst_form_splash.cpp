// The start-up splash closes by itself after its timer, or at a click or a
// key, and says so once; the About window (the same window) waits for the
// user.

#include <QSignalSpy>
#include <QTest>

#include "documents/form_splash.h"

using namespace quillon;

class TstFormSplash : public QObject {
    Q_OBJECT
private slots:
    // esperar: first give the timer (400 ms) time to close it.
    // gesto: a key, a close by the window system, or a click on the named
    // label ("" for the window).
    void cierre_data()
    {
        QTest::addColumn<bool>("acerca");
        QTest::addColumn<bool>("esperar");
        QTest::addColumn<QString>("gesto");
        QTest::newRow("splash: its timer, then a key") << false << true << "key";
        QTest::newRow("splash: a click on a text") << false << false << "rotuloSimulador";
        QTest::newRow("splash: a click on the window") << false << false << "";
        QTest::newRow("splash: closed by the system") << false << false << "close";
        QTest::newRow("about: stays, then a click") << true << true << "rotuloVersion";
        QTest::newRow("about: stays, then a key") << true << true << "key";
    }
    void cierre()
    {
        QFETCH(bool, acerca);
        QFETCH(bool, esperar);
        QFETCH(QString, gesto);
        FormSplash s(acerca);
        QSignalSpy fin(&s, &FormSplash::terminado);
        s.show();
        if (esperar) {
            QCOMPARE(fin.wait(1000), !acerca);
            QCOMPARE(s.isVisible(), acerca);
        }
        if (gesto == "key") QTest::keyClick(&s, Qt::Key_Space);
        else if (gesto == "close") s.close();
        else QTest::mouseClick(gesto.isEmpty() ? &s : s.findChild<QWidget*>(gesto), Qt::LeftButton);
        QCOMPARE(fin.count(), 1);
        QVERIFY(!s.isVisible());
    }
};

QTEST_MAIN(TstFormSplash)
#include "tst_form_splash.moc"
