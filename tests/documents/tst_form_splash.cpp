// The splash closes by itself after its timer, or at a click or a key; the
// About window (the same window) waits for the click.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "documents/form_splash.h"

using namespace quillon;

class TestFormSplash : public QObject {
    Q_OBJECT
private slots:
    void muestraTituloYVersion()
    {
        FormSplash s(false);
        QCOMPARE(s.LblTIT1->text(), QStringLiteral("Chemical Software"));
        QCOMPARE(s.LblTIT2->text(), QStringLiteral("Single/Multi-stage distillation simulator"));
        QCOMPARE(s.lblVersion->text(), QStringLiteral("Version: 1.7"));
    }

    void elArranqueSeCierraConSuTemporizador()
    {
        FormSplash s(false);
        QSignalSpy fin(&s, &FormSplash::terminado);
        s.show();
        QCOMPARE(s.Timer1->interval(), 400);
        QVERIFY(fin.wait(2000));
        QTRY_VERIFY(!s.isVisible());
        QCOMPARE(fin.count(), 1);
    }

    void unClicOUnaTeclaLoCierran_data()
    {
        QTest::addColumn<bool>("tecla");
        QTest::newRow("click") << false;
        QTest::newRow("key") << true;
    }
    void unClicOUnaTeclaLoCierran()
    {
        QFETCH(bool, tecla);
        FormSplash s(false);
        QSignalSpy fin(&s, &FormSplash::terminado);
        s.show();
        if (tecla) QTest::keyClick(&s, Qt::Key_Space);
        else QTest::mouseClick(s.LblTIT2, Qt::LeftButton);
        QCOMPARE(fin.count(), 1);
        QVERIFY(!s.isVisible());
    }

    void acercaDeEsperaAlClic()
    {
        FormSplash acerca(true);
        QVERIFY(!acerca.Timer1->isActive());
        bool cerrado = false;
        QTimer::singleShot(700, &acerca, [&] {
            // Still open well after the splash's 400 ms.
            QVERIFY(acerca.isVisible());
            QTest::mouseClick(&acerca, Qt::LeftButton);
            cerrado = true;
        });
        acerca.exec();
        QVERIFY(cerrado);
    }
};

QTEST_MAIN(TestFormSplash)
#include "tst_form_splash.moc"
