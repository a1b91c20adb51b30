#include "pomoc/cesta_programu.h"

#include "common/geometrie.h"
#include "common/soubory.h"
#include "nahrady/instalace.h"
#include "pomoc/ovladani_x.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <functional>

namespace cesta_programu
{

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;
using test_t = std::function<bool(const QImage &)>;

QString program() { return QStringLiteral(ORTANEL_BUILD_DIR "/ortanel-verbano2"); }

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Processor time of every thread of the process, in ms.
double procesor_ms(qint64 pid)
{
    double ns = 0;
    const QDir vlakna(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &v : vlakna.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ns += obsah(vlakna.filePath(v + QStringLiteral("/schedstat"))).split(' ').value(0).toDouble();
    return ns / 1e6;
}

// The process's peak resident memory so far, in kB.
long spicka_kb(qint64 pid)
{
    static const QRegularExpression vmhwm(QStringLiteral("VmHWM:\\s*(\\d+)"));
    return vmhwm.match(QString::fromLatin1(obsah(QStringLiteral("/proc/%1/status").arg(pid)))).captured(1).toLong();
}

test_t ne(const test_t &t)
{
    return [t](const QImage &s) { return !t(s); };
}

const QString zalozka = QStringLiteral("GRAFIKA/TABS/L_41_CV.BMP");
const QString pokracuj = QStringLiteral("GRAFIKA/POKRACUJ.BMP");
const QString titulek = QStringLiteral("GRAFIKA/TITLE.BMP");
// The top bar right of the title tab: the exercise's buttons, or the results' heading.
const QRect horni_lista(280, 8, 250, 69);
const QPoint stred_pokracuj = gc::pokracuj + QPoint(geometrie::posuvne_tlacitko.width() / 2, 11);

class pruvodce_t
{
public:
    pruvodce_t(const volby_t &volby, vysledek_t &vysledek, qint64 pid)
        : volby_(volby), v_(vysledek), pid_(pid), jeviste_(ovladani_x::snimek().size())
    {
    }

    bool projdi();

private:
    // Photographs the screen until the test passes; records the step as failed after the time.
    bool dockej(const QString &krok, const test_t &test, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            v_.spicka_kb = std::max(v_.spicka_kb, spicka_kb(pid_));
            snimek_ = ovladani_x::snimek();
            const bool hotovo = !snimek_.isNull() && test(snimek_);
            if (hotovo || t.elapsed() > ms) {
                if (!volby_.snimky.isEmpty())
                    snimek_.save(QStringLiteral("%1/%2_%3.png")
                                     .arg(volby_.snimky)
                                     .arg(++poradi_, 2, 10, QLatin1Char('0'))
                                     .arg(krok));
                if (!hotovo)
                    v_.chyby.append(krok);
                return hotovo;
            }
            QThread::msleep(50);
        }
    }

    test_t ukazuje(const QString &nazev, QPoint kde = {}, double prah = 0.9, QRect vyrez = {}) const
    {
        const QImage o(spoj_cestu(postavena_media(), nazev));
        const jeviste_na_obrazovce j = jeviste_;
        return [o, kde, prah, vyrez, j](const QImage &s) { return j.shoda(s, o, kde, vyrez) >= prah; };
    }

    bool klikni(QPoint kde) { return ovladani_x::najed(jeviste_.bod(kde)) && ovladani_x::klikni(jeviste_.bod(kde)); }
    // A click, then the media picture (under GRAFIKA) at the stage point.
    bool krok(QPoint klik, const QString &nazev, const QString &obrazek, QPoint kde = {}, double prah = 0.9)
    {
        return klikni(klik) && dockej(nazev, ukazuje(QStringLiteral("GRAFIKA/") + obrazek, kde, prah));
    }

    // Processor use of the program while nobody touches it.
    void zmer_necinnost(const QString &stav, int ms)
    {
        if (ms <= 0)
            return;
        QElapsedTimer t;
        const double p0 = procesor_ms(pid_);
        t.start();
        QThread::msleep(ms);
        v_.necinnost.append({stav, procesor_ms(pid_) - p0, t.nsecsElapsed() / 1e6});
    }

    int cervenych_v_radku(int r) const
    {
        const QRect radek = gt::sloupce.front().united(gt::sloupce.back()).translated(0, gt::krok_radku * r);
        return jeviste_.pocet_pixelu(snimek_, radek, je_cervena);
    }

    bool ukonci();

    const volby_t &volby_;
    vysledek_t &v_;
    qint64 pid_;
    jeviste_na_obrazovce jeviste_;
    QImage snimek_;
    int poradi_ = 0;
};

bool pruvodce_t::projdi()
{
    if (!dockej(QStringLiteral("titulek"), ukazuje(titulek), 30000))
        return false;
    zmer_necinnost(QStringLiteral("title picture's wait"), std::min(volby_.necinnost_ms, 3500));
    klikni(QPoint(320, 240));
    if (!dockej(QStringLiteral("menu"), ne(ukazuje(titulek, {}, 0.5))))
        return false;
    QThread::msleep(300);
    zmer_necinnost(QStringLiteral("main menu"), volby_.necinnost_ms);
    if (!krok(gm::plochy[3].center(), "8_rocnik", "SELECT/R_41_0.BMP", gm::tema(3, 0).topLeft(), 0.8) ||
        !krok(gm::tema(3, 0).center(), "nastaveni", "SETUP/BG_41.BMP") ||
        !krok(gn::plochy[0].center(), "pocet", "SETUP/NAD_1X_1.BMP", gn::cislo[0]) ||
        !krok(gn::plochy[6].center(), "druh", "SETUP/TU_CV_1.BMP", gn::druh[0]) || !klikni(gn::jmeno.center()) ||
        !ovladani_x::pis(QStringLiteral("Jan Novak")) ||
        !dockej(QStringLiteral("jmeno"), ukazuje(pokracuj, gn::pokracuj, 0.8)))
        return false;
    zmer_necinnost(QStringLiteral("set-up screen"), volby_.necinnost_ms);
    klikni(stred_pokracuj);
    const test_t vysledky = [this, t = ukazuje(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), {}, 0.9, horni_lista)](
                                const QImage &s) { return t(s) && cervenych_v_radku(0) > 20; };
    const test_t strana =
        [this, t = ukazuje(zalozka), b = ukazuje(QStringLiteral("GRAFIKA/BG.BMP"), {}, 0.9, horni_lista),
         p = ne(ukazuje(pokracuj, gc::pokracuj, 0.5))](const QImage &s) { return t(s) && b(s) && p(s); };
    // Every page checked with nothing typed, then continue, until the results show.
    for (int n = 1; n <= 5; ++n) {
        if (!dockej(QStringLiteral("strana"), [&](const QImage &s) { return strana(s) || vysledky(s); }))
            return false;
        if (vysledky(snimek_))
            return ukonci();
        ovladani_x::najed(jeviste_.bod(QPoint(320, 470)));
        if (n == 1)
            zmer_necinnost(QStringLiteral("exercise page"), volby_.necinnost_ms);
        if (!krok(gc::tlacitka[0].center(), "skontrolovana", "POKRACUJ.BMP", gc::pokracuj, 0.8) ||
            !klikni(stred_pokracuj))
            return false;
    }
    v_.chyby.append(QStringLiteral("the exercise never ends"));
    return false;
}

// Back to the set-up screen and the menu (the chosen grade keeps its lit look); exit, and
// Yes on the question, a window of its own whose default is No.
bool pruvodce_t::ukonci()
{
    if (!krok(gt::zpet.center(), "zpet_nastaveni", "SETUP/TU_CV_1.BMP", gn::druh[0]) ||
        !krok(gn::plochy[11].center(), "zpet_menu", "SELECT/L_4_1.BMP", gm::rocnik(3)) ||
        !klikni(gm::plochy[5].center()))
        return false;
    if (!ovladani_x::xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), QStringLiteral("^Otázka$"), QStringLiteral("windowfocus"),
                              QStringLiteral("--sync")},
                             15000)) {
        v_.chyby.append(QStringLiteral("no exit question"));
        return false;
    }
    dockej(QStringLiteral("otazka"), [](const QImage &) { return true; });
    return ovladani_x::klavesa(QStringLiteral("Tab")) && ovladani_x::klavesa(QStringLiteral("space"));
}

} // namespace

QString chybi()
{
    if (!QFileInfo(program()).isExecutable())
        return QStringLiteral("the program is not built (make build)");
    if (!QFileInfo::exists(postavena_media() + QStringLiteral("/GRAFIKA/TITLE.BMP")))
        return QStringLiteral("the media folder is not built (make build)");
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("no X display");
    return ovladani_x::chybi_nastroje();
}

vysledek_t projdi(const volby_t &volby)
{
    vysledek_t v;
    docasna_instalace instalace;
    const QString slozka = instalace.koren() + QStringLiteral("/program");
    const QString beh = instalace.koren() + QStringLiteral("/beh");
    QDir().mkpath(slozka);
    QDir().mkpath(beh);
    QFile::setPermissions(beh, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!volby.snimky.isEmpty()) {
        QDir(volby.snimky).removeRecursively();
        QDir().mkpath(volby.snimky);
    }
    // The INI beside the program's own copy wins over any other.
    const QString kopie = slozka + QStringLiteral("/ortanel-verbano2");
    QFile ini(slozka + QStringLiteral("/ORTANEL.INI"));
    if (!instalace.zkopiruj_postavena_data() || !QFile::copy(program(), kopie) || !ini.open(QIODevice::WriteOnly)) {
        v.chyby.append(QStringLiteral("cannot prepare the installation"));
        return v;
    }
    ini.write(QStringLiteral("[VBN2]\r\nCD=%1\r\nHD=%2\r\n").arg(postavena_media(), instalace.data()).toUtf8());
    ini.close();

    QProcess p;
    QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
    prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    prostredi.insert(QStringLiteral("XDG_RUNTIME_DIR"), beh);
    p.setProcessEnvironment(prostredi);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardOutputFile(instalace.koren() + QStringLiteral("/vystup.txt"));
    p.start(kopie, QStringList());
    if (!p.waitForStarted()) {
        v.chyby.append(QStringLiteral("cannot start the program"));
        return v;
    }
    if (pruvodce_t(volby, v, p.processId()).projdi()) {
        if (p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit)
            v.kod = p.exitCode();
        else
            v.chyby.append(QStringLiteral("the program did not end after Yes"));
    }
    p.kill();
    p.waitForFinished();
    v.log = obsah(spoj_cestu(instalace.data(), QStringLiteral("VYSLEDKY.DAT")));
    v.tabulka = obsah(spoj_cestu(instalace.data(), QStringLiteral("TAB.DAT")));
    v.znamky = obsah(spoj_cestu(instalace.data(), QStringLiteral("ZNAMKY.DAT")));
    v.vystup = obsah(instalace.koren() + QStringLiteral("/vystup.txt"));
    return v;
}

} // namespace cesta_programu
