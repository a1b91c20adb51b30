#include "pomoc/cesta_programu.h"

#include "common/geometrie.h"
#include "common/soubory.h"
#include "pomoc/instalace.h"
#include "pomoc/ovladani_x.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cesta_programu
{

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;

QString program() { return QStringLiteral(ORTANEL_BUILD_DIR "/ortanel-verbano2"); }

// The program as a child of this process, so that its own peak memory can be read when
// it ends.
class dite_t
{
public:
    ~dite_t()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool spust(const QString &cesta, const QStringList &prostredi, const QString &vystup)
    {
        const QByteArray program = QFile::encodeName(cesta);
        const QByteArray soubor_vystupu = QFile::encodeName(vystup);
        QList<QByteArray> promenne;
        for (const QString &p : prostredi)
            promenne.append(p.toLocal8Bit());
        pid_ = fork();
        if (pid_ == 0) {
            for (const QByteArray &p : promenne)
                putenv(const_cast<char *>(p.constData()));
            if (FILE *f = std::freopen(soubor_vystupu.constData(), "w", stdout))
                dup2(fileno(f), STDERR_FILENO);
            execl(program.constData(), program.constData(), static_cast<char *>(nullptr));
            _exit(127);
        }
        return pid_ > 0;
    }

    pid_t pid() const { return pid_; }

    // The exit code once the program has ended within the time; -1 otherwise.
    int pockej(int ms, long *spicka_kb)
    {
        QElapsedTimer t;
        t.start();
        while (pid_ > 0) {
            int stav = 0;
            rusage spotreba{};
            const pid_t p = wait4(pid_, &stav, WNOHANG, &spotreba);
            if (p == pid_) {
                pid_ = -1;
                *spicka_kb = spotreba.ru_maxrss;
                return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
            }
            if (t.elapsed() > ms)
                return -1;
            QThread::msleep(20);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
};

// Processor time of every thread of the process, in ms.
double procesor_ms(pid_t pid)
{
    double ns = 0;
    const QDir vlakna(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &v : vlakna.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(vlakna.filePath(v + QStringLiteral("/schedstat")));
        if (f.open(QIODevice::ReadOnly))
            ns += f.readAll().split(' ').value(0).toDouble();
    }
    return ns / 1e6;
}

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What xdotool answers.
QString xdotool(const QStringList &argumenty)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), argumenty);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QImage obrazek(const QString &relativni) { return QImage(spoj_cestu(postavena_media(), relativni)); }

class pruvodce_t
{
public:
    pruvodce_t(const volby_t &volby, vysledek_t &vysledek, dite_t &dite)
        : volby_(volby), v_(vysledek), dite_(dite), jeviste_(ovladani_x::snimek().size())
    {
    }

    using test_t = std::function<bool(const QImage &)>;

    // Photographs the screen until the test passes; records the step as failed after the time.
    bool dockej(const QString &krok, const test_t &test, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            snimek_ = ovladani_x::snimek();
            const bool hotovo = !snimek_.isNull() && test(snimek_);
            if (hotovo || t.elapsed() > ms) {
                if (!volby_.snimky.isEmpty())
                    snimek_.save(
                        QDir(volby_.snimky)
                            .filePath(QStringLiteral("%1_%2.png").arg(++poradi_, 2, 10, QLatin1Char('0')).arg(krok)));
                if (!hotovo)
                    v_.chyby.append(krok);
                return hotovo;
            }
            QThread::msleep(50);
        }
    }

    test_t ukazuje(const QString &nazev, QPoint kde = {}, double prah = 0.9, QRect vyrez = {}) const
    {
        const QImage o = obrazek(nazev);
        const jeviste_na_obrazovce j = jeviste_;
        return [o, kde, prah, vyrez, j](const QImage &s) { return j.shoda(s, o, kde, vyrez) >= prah; };
    }
    test_t neukazuje(const QString &nazev, QPoint kde = {}) const
    {
        const test_t t = ukazuje(nazev, kde, 0.5);
        return [t](const QImage &s) { return !t(s); };
    }
    static test_t a(const test_t &x, const test_t &y)
    {
        return [x, y](const QImage &s) { return x(s) && y(s); };
    }

    bool klikni(QPoint kde) { return ovladani_x::najed(jeviste_.bod(kde)) && ovladani_x::klikni(jeviste_.bod(kde)); }

    // Processor use of the program while nobody touches it.
    void zmer_necinnost(const QString &stav, int ms)
    {
        if (ms <= 0)
            return;
        QElapsedTimer t;
        const double p0 = procesor_ms(dite_.pid());
        t.start();
        QThread::msleep(ms);
        v_.necinnost.append({stav, procesor_ms(dite_.pid()) - p0, t.nsecsElapsed() / 1e6});
    }

    // Top edges of the result marks of the page that show this picture.
    QList<int> znacky(const QString &nazev) const
    {
        const QImage o = obrazek(nazev);
        QList<int> y;
        for (int kde = gc::prvni_veta.y(); kde < gc::plna_stranka_y + 60; ++kde)
            if (jeviste_.shoda(snimek_, o, QPoint(gc::znacka_x, kde)) >= 0.95) {
                y.append(kde);
                kde += gc::znacka.height();
            }
        return y;
    }

    int cervenych_v_radku(int r) const
    {
        const QRect radek = gt::sloupce.front().united(gt::sloupce.back()).translated(0, gt::krok_radku * r);
        return jeviste_.pocet_pixelu(snimek_, radek, je_cervena);
    }

    bool projdi();

private:
    bool stranky();
    bool ukonci();

    const volby_t &volby_;
    vysledek_t &v_;
    dite_t &dite_;
    jeviste_na_obrazovce jeviste_;
    QImage snimek_;
    int poradi_ = 0;
};

const QString zalozka = QStringLiteral("GRAFIKA/TABS/L_41_CV.BMP");
// The top bar right of the title tab: the exercise's buttons, or the results' heading.
const QRect horni_lista(280, 8, 250, 69);
const QString pokracuj = QStringLiteral("GRAFIKA/POKRACUJ.BMP");
const QPoint stred_pokracuj = gc::pokracuj + QPoint(geometrie::posuvne_tlacitko.width() / 2, 11);

bool pruvodce_t::projdi()
{
    if (!dockej(QStringLiteral("titulek"), ukazuje(QStringLiteral("GRAFIKA/TITLE.BMP")), 30000))
        return false;
    zmer_necinnost(QStringLiteral("title picture's wait"), std::min(volby_.necinnost_ms, 3500));
    klikni(QPoint(320, 240));
    if (!dockej(QStringLiteral("menu"), neukazuje(QStringLiteral("GRAFIKA/TITLE.BMP"))))
        return false;
    QThread::msleep(300);
    zmer_necinnost(QStringLiteral("main menu"), volby_.necinnost_ms);

    klikni(gm::plochy[3].center());
    if (!dockej(QStringLiteral("8_rocnik"),
                ukazuje(QStringLiteral("GRAFIKA/SELECT/R_41_0.BMP"), gm::tema(3, 0).topLeft(), 0.8)))
        return false;
    klikni(gm::tema(3, 0).center());
    if (!dockej(QStringLiteral("nastaveni"), ukazuje(QStringLiteral("GRAFIKA/SETUP/BG_41.BMP"))))
        return false;
    klikni(gn::plochy[0].center());
    if (!dockej(QStringLiteral("pocet"), ukazuje(QStringLiteral("GRAFIKA/SETUP/NAD_1X_1.BMP"), gn::cislo[0])))
        return false;
    klikni(gn::plochy[6].center());
    if (!dockej(QStringLiteral("druh"), ukazuje(QStringLiteral("GRAFIKA/SETUP/TU_CV_1.BMP"), gn::druh[0])))
        return false;
    klikni(gn::jmeno.center());
    ovladani_x::pis(QStringLiteral("Jan Novak"));
    if (!dockej(QStringLiteral("jmeno"), ukazuje(pokracuj, gn::pokracuj, 0.8)))
        return false;
    zmer_necinnost(QStringLiteral("set-up screen"), volby_.necinnost_ms);
    klikni(stred_pokracuj);
    return stranky() && ukonci();
}

bool pruvodce_t::stranky()
{
    const test_t stranka = a(a(ukazuje(zalozka), ukazuje(QStringLiteral("GRAFIKA/BG.BMP"), {}, 0.9, horni_lista)),
                             neukazuje(pokracuj, gc::pokracuj));
    const test_t tabulka = ukazuje(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), {}, 0.9, horni_lista);
    const test_t vysledky = [this, tabulka](const QImage &s) {
        snimek_ = s;
        return tabulka(s) && cervenych_v_radku(0) > 20;
    };
    for (;;) {
        if (!dockej(QStringLiteral("strana"), [&](const QImage &s) { return stranka(s) || vysledky(s); }))
            return false;
        if (vysledky(snimek_))
            break;
        if (++v_.stran > 5) {
            v_.chyby.append(QStringLiteral("the exercise never ends"));
            return false;
        }
        ovladani_x::najed(jeviste_.bod(QPoint(320, 470)));
        if (v_.stran == 1)
            zmer_necinnost(QStringLiteral("exercise page"), volby_.necinnost_ms);
        klikni(gc::tlacitka[0].center());
        if (!dockej(QStringLiteral("skontrolovana"), ukazuje(pokracuj, gc::pokracuj, 0.8)))
            return false;
        const QList<int> spatne = znacky(QStringLiteral("GRAFIKA/CHECK_KO.BMP"));
        if (spatne.isEmpty() || !znacky(QStringLiteral("GRAFIKA/CHECK_OK.BMP")).isEmpty()) {
            v_.chyby.append(QStringLiteral("marks: every sentence should be wrong"));
            return false;
        }
        v_.spatnych_vet += int(spatne.size());

        // The bubble over the first wrong mark while the button is held.
        const QPoint znacka(gc::znacka_x + 15, spatne.first() + 15);
        ovladani_x::stiskni(jeviste_.bod(znacka));
        const auto bublina = [&](const QImage &s) {
            for (int n = 1; n <= 3; ++n) {
                const int vyska = gc::bublina_vyska[n - 1];
                const QPoint kde(gc::bublina_x, spatne.first() - vyska + 8);
                if (ukazuje(QStringLiteral("GRAFIKA/HINT%1.BMP").arg(n), kde, 0.7)(s))
                    return true;
            }
            return false;
        };
        const bool vidno = dockej(QStringLiteral("bublina"), bublina);
        ovladani_x::uvolni(jeviste_.bod(znacka));
        if (!vidno || !dockej(QStringLiteral("bez_bubliny"), [&](const QImage &s) { return !bublina(s); }))
            return false;
        klikni(stred_pokracuj);
    }
    return true;
}

bool pruvodce_t::ukonci()
{
    for (int r = 1; r < gt::pocet_radku; ++r)
        if (cervenych_v_radku(r) > 0) {
            v_.chyby.append(QStringLiteral("row %1 of the table is red").arg(r + 1));
            return false;
        }
    klikni(gt::zpet.center());
    if (!dockej(QStringLiteral("zpet_nastaveni"), ukazuje(QStringLiteral("GRAFIKA/SETUP/TU_CV_1.BMP"), gn::druh[0])))
        return false;
    klikni(gn::plochy[11].center());
    // The chosen grade keeps its lit look.
    if (!dockej(QStringLiteral("zpet_menu"), ukazuje(QStringLiteral("GRAFIKA/SELECT/L_4_1.BMP"), gm::rocnik(3))))
        return false;
    klikni(gm::plochy[5].center());

    // The question is a window of its own; its default answer is No.
    QElapsedTimer t;
    t.start();
    QString okno;
    while (okno.isEmpty() && t.elapsed() < 15000) {
        for (const QString &w : xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--pid"), QString::number(dite_.pid())})
                                    .split(u'\n', Qt::SkipEmptyParts))
            if (xdotool({QStringLiteral("getwindowname"), w}).trimmed() == QStringLiteral("Otázka"))
                okno = w;
        if (okno.isEmpty())
            QThread::msleep(100);
    }
    if (okno.isEmpty()) {
        v_.chyby.append(QStringLiteral("no exit question"));
        return false;
    }
    dockej(QStringLiteral("otazka"), [](const QImage &) { return true; });
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), okno});
    ovladani_x::klavesa(QStringLiteral("Tab"));
    ovladani_x::klavesa(QStringLiteral("space"));
    return true;
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
    if (!instalace.zkopiruj_postavena_data() || !QFile::copy(program(), kopie)) {
        v.chyby.append(QStringLiteral("cannot prepare the installation"));
        return v;
    }
    QFile ini(slozka + QStringLiteral("/ORTANEL.INI"));
    ini.open(QIODevice::WriteOnly);
    ini.write(QStringLiteral("[VBN2]\r\nCD=%1\r\nHD=%2\r\n").arg(postavena_media(), instalace.data()).toUtf8());
    ini.close();

    dite_t dite;
    const QString vystup = instalace.koren() + QStringLiteral("/vystup.txt");
    if (!dite.spust(kopie, {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("XDG_RUNTIME_DIR=") + beh}, vystup)) {
        v.chyby.append(QStringLiteral("cannot start the program"));
        return v;
    }
    pruvodce_t pruvodce(volby, v, dite);
    const bool prosel = pruvodce.projdi();
    v.kod = dite.pockej(prosel ? 15000 : 0, &v.spicka_kb);
    if (prosel && v.kod < 0)
        v.chyby.append(QStringLiteral("the program did not end after Yes"));
    v.log = obsah(spoj_cestu(instalace.data(), QStringLiteral("VYSLEDKY.DAT")));
    v.tabulka = obsah(spoj_cestu(instalace.data(), QStringLiteral("TAB.DAT")));
    v.znamky = obsah(spoj_cestu(instalace.data(), QStringLiteral("ZNAMKY.DAT")));
    v.vystup = obsah(vystup);
    return v;
}

} // namespace cesta_programu
