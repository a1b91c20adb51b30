// The real platform's single-instance lock: a second copy is refused, a crashed one's lock is not.
#include "shell/platforma.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class tst_platforma : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void druha_instance()
    {
        const QString zamek = dir_.filePath(QStringLiteral("a.lock"));
        {
            skutecna_platforma_t prvni(zamek);
            QVERIFY(prvni.zamkni_jedinou_instanci());
            QVERIFY(prvni.zamkni_jedinou_instanci());
            skutecna_platforma_t druha(zamek);
            QVERIFY(!druha.zamkni_jedinou_instanci());
        }
        // When the first copy is gone the next one starts.
        skutecna_platforma_t treti(zamek);
        QVERIFY(treti.zamkni_jedinou_instanci());
    }

    void zamek_spadle_kopie_neblokuje()
    {
        const QString zamek = dir_.filePath(QStringLiteral("b.lock"));
        // A lock file left behind by a process that no longer exists.
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        QFile f(zamek);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("999999\n") + QCoreApplication::applicationName().toUtf8() + "\n" + host + "\n");
        f.close();
        skutecna_platforma_t kopie(zamek);
        QVERIFY(kopie.zamkni_jedinou_instanci());
    }

    void male_fonty()
    {
        skutecna_platforma_t p(dir_.filePath(QStringLiteral("c.lock")));
        // The program draws at the 96 dpi design scale on every display.
        QCOMPARE(p.twipu_na_pixel_x(), 15);
        QCOMPARE(p.twipu_na_pixel_y(), 15);
    }
};

QTEST_GUILESS_MAIN(tst_platforma)
#include "tst_platforma.moc"
