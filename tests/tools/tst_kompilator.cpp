// The data compiler: what it writes, and every content error it must stop on.
#include "common/soubory.h"
#include "data/kontejner.h"
#include "kompilator.h"
#include "pomoc/maly_disk.h"
#include "spolecne.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_kompilator : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString vystup(const QString &soubor = {}) const { return dir_->filePath(QStringLiteral("data/") + soubor); }

    void zapis(const QString &relativni, const QString &text)
    {
        const QString cesta = dir_->filePath(QStringLiteral("content/") + relativni);
        QDir().mkpath(QFileInfo(cesta).path());
        QFile f(cesta);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0);
    }

    vysledek_kompilace_t kompiluj_vse()
    {
        return kompiluj({dir_->filePath("content"), vystup(), vychozi_kontroly_vet(), vychozi_kontroly_vyjimek(),
                         vychozi_hunspell});
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        zapis(QStringLiteral("ZNAMKY.txt"), QStringLiteral("90|100|1\n75|90|2\n50|75|3\n30|50|4\n0|30|5\n"));
        zapis(QStringLiteral("vety/5_1.txt"),
              QStringLiteral("[5_1]\nNa dvore stál ve<ľ#l>ký d<u#ú>b.*1\nPes Bodrík le<ž#š>al pod ním.*2\n"));
        zapis(QStringLiteral("slovnik.txt"), QStringLiteral("# names\nBodrík  # a dog\n"));
        zapis(QStringLiteral("vyjimky/5_1.txt"), QStringLiteral("[5_1]\nPes ležal pod ním.*2\n"));
    }

    // Scrambled Windows-1250 lines ended by CR LF that the program's reader gives back, a
    // whole-text section, the exceptions, the mark bands, the summary and warnings per section.
    void zapise_zakodovana_data()
    {
        QString text = QStringLiteral("[5_9]abc\n");
        for (int d = 0; d < 10; ++d)
            text += QStringLiteral("Veta číslo <%1#x>, <my#mi> sme %1.*1%1\n").arg(d);
        zapis(QStringLiteral("vety/5_9.txt"), text);
        const vysledek_kompilace_t v = kompiluj_vse();
        QVERIFY2(v.ok(), qPrintable(v.chyby.join(QLatin1Char('\n'))));

        const QString dat = vystup(QStringLiteral("VERBANO2.DAT"));
        const QByteArray surove = obsah(dat);
        QVERIFY(surove.endsWith("\r\n") && !surove.contains("Na dvore"));
        QCOMPARE(nacti_sekci(dat, QStringLiteral("5_1")).radky,
                 (QStringList{"Na dvore stál ve<ľ#l>ký d<u#ú>b.*1", "Pes Bodrík le<ž#š>al pod ním.*2"}));
        QVERIFY(nacti_sekci(dat, QStringLiteral("5_9")).souvisly_text);
        QCOMPARE(nacti_sekci(vystup(QStringLiteral("VYJIMKY.DAT")), QStringLiteral("5_1")).radky,
                 QStringList{"Pes ležal pod ním.*2"});
        QCOMPARE(nacti_radky_cp1250(vystup(QStringLiteral("ZNAMKY.DAT")))->first(), QStringLiteral("90|100|1"));
        const auto &s = v.souhrn;
        QCOMPARE((QList<int>{s[0].vet, s[0].polozek, s[0].vyjimek, s[1].textu, s[1].varovani}),
                 (QList<int>{2, 3, 1, 1, 10}));
    }

    void chyby_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("chyba");
        const struct {
            const char *jmeno, *soubor, *text, *chyba;
        } radky[] = {
            {"wrong header", "vety/5_2.txt", "[5_3]\nA<b#c>*1\n", "content/vety/5_2.txt:1:"},
            {"malformed item", "vety/5_2.txt", "[5_2]\nA<b#c>*1\nA<bc>*2\n", "content/vety/5_2.txt:3:"},
            {"number twice", "vety/5_2.txt", "[5_2]\nA<b#c>*1\nB<b#c>*1\n", "used twice"},
            {"sentence without item", "vety/5_2.txt", "[5_2]\nBez položky.*1\n", "no item"},
            {"empty line", "vety/5_2.txt", "[5_2]\nA<b#c>*1\n\nB<b#c>*2\n", "content/vety/5_2.txt:3:"},
            {"not in Windows-1250", "vety/5_2.txt", "[5_2]\nA<b#c> → *1\n", "Windows-1250"},
            {"tab", "vety/5_2.txt", "[5_2]\nA\t<b#c>*1\n", "control character"},
            {"whole text out of order", "vety/5_9.txt", "[5_9]abc\nA<b#c>*10\nA<b#c>*12\n", "should carry *11"},
            {"whole text incomplete", "vety/5_9.txt", "[5_9]abc\nA<b#c>*10\n", "ten sentences"},
            {"unknown topic file", "vety/5_10.txt", "[5_10]\nA<b#c>*1\n", "not a topic"},
            {"exception for a missing sentence", "vyjimky/5_1.txt", "[5_1]\nNiečo.*9\n", "no sentence 9"},
            {"exception with markup", "vyjimky/5_1.txt", "[5_1]\nPes le<ž#š>al.*1\n", "without markup"},
            {"exception without number", "vyjimky/5_1.txt", "[5_1]\nPes ležal.\n", "content/vyjimky"},
            {"misspelt form", "vety/5_2.txt", "[5_2]\nMačka chytila m<i#y>š.*1\n", "5_2.txt:2: unknown word \"miš\""},
            {"misspelt exception", "vyjimky/5_1.txt", "[5_1]\nPes Bodrík lezal pod ním.*2\n", "unknown word \"lezal\""},
            {"listed word the dictionary knows", "slovnik.txt", "Bodrík\npes\n", "content/slovnik.txt:2:"},
            {"duplicate", "vety/5_2.txt", "[5_2]\nNa dvore stál veľmi veľký d<u#ú>b.*1\n", "as content/vety/5_2.txt:2"},
            {"mark bands leave a gap", "ZNAMKY.txt", "90|100|1\n0|80|2\n", "no band covers"},
            {"mark band malformed", "ZNAMKY.txt", "90|100\n0|90|2\n", "lower|upper|mark"},
            {"mark band 1e2", "ZNAMKY.txt", "90|1e2|1\n0|90|2\n", "content/ZNAMKY.txt:1:"},
            {"section key in a sentence", "vety/5_2.txt", "[5_2]\nA<b#c> [5_3 *1\n", "content/vety/5_2.txt:2:"},
            {"exception starts a section", "vyjimky/5_1.txt", "[5_1]\n[5_2]*1\n", "content/vyjimky/5_1.txt:2:"},
            {"word longer than a line", "vety/5_2.txt", "[5_2]\nA<b#c>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa*1\n",
             "longer than"},
        };
        for (const auto &r : radky)
            QTest::newRow(r.jmeno) << QString::fromUtf8(r.soubor) << QString::fromUtf8(r.text)
                                   << QString::fromUtf8(r.chyba);
    }
    // A full disk: every data file is written whole or left as it was, and it is reported.
    void plny_disk()
    {
        const maly_disk disk;
        if (!disk.chyba().isEmpty())
            QSKIP(qPrintable(disk.chyba()));
        const QStringList soubory{"VERBANO2.DAT", "VYJIMKY.DAT", "ZNAMKY.DAT"};
        for (const QString &soubor : soubory)
            QVERIFY(zapis_cely_soubor(disk.cesta(soubor), "stare"));
        QVERIFY(disk.zaplni(0));
        const vysledek_kompilace_t v =
            kompiluj({dir_->filePath(QStringLiteral("content")), disk.cesta({}), {}, {}, {}});
        QVERIFY2(v.chyby.join('\n').contains("VERBANO2.DAT: cannot write"), qPrintable(v.chyby.join('\n')));
        for (const QString &soubor : soubory)
            QCOMPARE(obsah(disk.cesta(soubor)), QByteArray("stare"));
        QCOMPARE(QDir(disk.cesta({})).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // A content error is reported with its file and line, and writes nothing.
    void chyby()
    {
        QFETCH(QString, soubor);
        QFETCH(QString, text);
        QFETCH(QString, chyba);
        zapis(soubor, text);
        const QString chyby = kompiluj_vse().chyby.join(QLatin1Char('\n'));
        QVERIFY2(chyby.contains(chyba), qPrintable(chyby));
        QVERIFY(!QFile::exists(vystup(QStringLiteral("VERBANO2.DAT"))));
    }
};

QTEST_MAIN(tst_kompilator)
#include "tst_kompilator.moc"
