#include "pomoc/cesta_programu.h"

#include "common/geometrie.h"
#include "common/soubory.h"
#include "nahrady/instalace.h"
#include "pomoc/ovladani_x.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace cesta_programu
{

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;

QString program() { return QStringLiteral(ORTANEL_BUILD_DIR "/ortanel-verbano2"); }

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

test_snimku_t ne(const test_snimku_t &t)
{
    return [t](const QImage &s) { return !t(s); };
}

class pruvodce_t
{
public:
    pruvodce_t(const volby_t &volby, vysledek_t &vysledek, qint64 pid)
        : volby_(volby), v_(vysledek), pid_(pid), j_(ovladani_x::snimek().size()), foto_(volby.snimky)
    {
    }

    bool projdi();

private:
    // Records the step as failed when no photograph passed the test in time.
    bool dockej(const QString &krok, const test_snimku_t &test, int ms = 15000)
    {
        if (foto_.dockej(krok, test, ms))
            return true;
        v_.chyby.append(krok);
        return false;
    }
    // A click, then the media picture at the stage point.
    bool krok(QPoint klik, const QString &nazev, const QString &obrazek, QPoint kde = {}, double prah = 0.9)
    {
        return j_.klikni(klik) && dockej(nazev, j_.ukazuje(QStringLiteral("GRAFIKA/") + obrazek, kde, prah));
    }
    void v_klidu(const QString &stav)
    {
        if (volby_.v_klidu)
            volby_.v_klidu(stav, pid_);
    }

    const volby_t &volby_;
    vysledek_t &v_;
    qint64 pid_;
    jeviste_na_obrazovce j_;
    fotograf_t foto_;
};

bool pruvodce_t::projdi()
{
    const QString titulek = QStringLiteral("GRAFIKA/TITLE.BMP");
    if (!dockej(QStringLiteral("titulek"), j_.ukazuje(titulek), 30000))
        return false;
    v_klidu(QStringLiteral("title picture"));
    j_.klikni(QPoint(320, 240));
    if (!dockej(QStringLiteral("menu"), ne(j_.ukazuje(titulek, {}, 0.5))))
        return false;
    v_klidu(QStringLiteral("main menu"));
    if (!krok(gm::plochy[3].center(), "8_rocnik", "SELECT/R_41_0.BMP", gm::tema(3, 0).topLeft(), 0.8) ||
        !krok(gm::tema(3, 0).center(), "nastaveni", "SETUP/BG_41.BMP") ||
        !krok(gn::plochy[0].center(), "pocet", "SETUP/NAD_1X_1.BMP", gn::cislo[0]) ||
        !krok(gn::plochy[6].center(), "druh", "SETUP/TU_CV_1.BMP", gn::druh[0]) || !j_.klikni(gn::jmeno.center()) ||
        !ovladani_x::pis(QStringLiteral("Jan Novak")) ||
        !dockej(QStringLiteral("jmeno"), j_.ukazuje(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gn::pokracuj, 0.8)))
        return false;
    v_klidu(QStringLiteral("set-up screen"));
    const QPoint dal = gc::pokracuj + QPoint(geometrie::posuvne_tlacitko.width() / 2, 11);
    j_.klikni(dal);
    // The top bar right of the title tab: the exercise's buttons, or the results' heading.
    const QRect lista(280, 8, 250, 69);
    const test_snimku_t vysledky = j_.ukazuje(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), {}, 0.9, lista);
    const test_snimku_t strana = [t = j_.ukazuje(QStringLiteral("GRAFIKA/TABS/L_41_CV.BMP")),
                                  b = j_.ukazuje(QStringLiteral("GRAFIKA/BG.BMP"), {}, 0.9, lista),
                                  p = ne(j_.ukazuje(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gc::pokracuj, 0.5))](
                                     const QImage &s) { return t(s) && b(s) && p(s); };
    // Every page checked with nothing typed, then continue, until the results show.
    int n = 0;
    for (; n < 5; ++n) {
        if (!dockej(QStringLiteral("strana"), [&](const QImage &s) { return strana(s) || vysledky(s); }))
            return false;
        if (vysledky(foto_.posledni()))
            break;
        ovladani_x::najed(j_.bod(QPoint(320, 470)));
        if (n == 0)
            v_klidu(QStringLiteral("exercise page"));
        if (!krok(gc::tlacitka[0].center(), "skontrolovana", "POKRACUJ.BMP", gc::pokracuj, 0.8) || !j_.klikni(dal))
            return false;
    }
    if (n == 5) {
        v_.chyby.append(QStringLiteral("the exercise never ends"));
        return false;
    }
    // Back to the set-up screen and the menu (the chosen grade keeps its lit look); exit,
    // and Yes on the question, a window of its own whose default is No.
    if (!krok(geometrie::tabulka::zpet.center(), "zpet_nastaveni", "SETUP/TU_CV_1.BMP", gn::druh[0]) ||
        !krok(gn::plochy[11].center(), "zpet_menu", "SELECT/L_4_1.BMP", gm::rocnik(3)) ||
        !j_.klikni(gm::plochy[5].center()))
        return false;
    if (!ovladani_x::xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), QStringLiteral("^Otázka$"), QStringLiteral("windowfocus"),
                              QStringLiteral("--sync")},
                             15000)) {
        v_.chyby.append(QStringLiteral("no exit question"));
        return false;
    }
    dockej(QStringLiteral("otazka"), {});
    v_klidu(QStringLiteral("exit question"));
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
