// The sound device against a private PulseAudio server whose null sink's monitor is
// recorded: the share of sounds heard whole (clicks, hovers, 50 recordings), the delay from
// the command to the first audible sample, how quickly pause silences and resume sounds,
// and the processor time of the open, silent device. Needs the built media folder.
#include "common/wav.h"
#include "nahrady/instalace.h"
#include "pomoc/zvukovy_server.h"
#include "shell/zvuk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <QtEndian>
#include <algorithm>
#include <ctime>

namespace
{

using usek_t = zvukovy_server::usek_t;
constexpr double ms = 1000;
zvukovy_server *server = nullptr;
qint64 ted() { return zvukovy_server::ted_us(); }

std::optional<wav::pcm_t> nacti(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? wav::precti(f.readAll()) : std::nullopt;
}

struct rada_t {
    int spusteno = 0, slyseno = 0;
    QList<double> zpozdeni; // ms
    double median() const
    {
        QList<double> s = zpozdeni;
        std::sort(s.begin(), s.end());
        return s.isEmpty() ? -1 : s[s.size() / 2];
    }
    double max() const { return zpozdeni.isEmpty() ? -1 : *std::max_element(zpozdeni.begin(), zpozdeni.end()); }
};

// Plays the file to its end; heard means whole (its audible length within 15 ms) and the
// device reading playing until then.
void prehraj(const QString &cesta, rada_t &r)
{
    const auto pcm = nacti(cesta);
    ++r.spusteno;
    if (!pcm)
        return;
    const usek_t v_souboru = zvukovy_server::slysitelne(*pcm);
    const qint64 start = ted();
    prehraj_zvuk(cesta);
    (void)QTest::qWaitFor([] { return !zvuk_zdroj().hraje(); }, int(pcm->delka() * 1000) + 2000);
    const qint64 konec = ted();
    QTest::qWait(60);
    const usek_t u = server->slysitelne(start, ted());
    if (!u.slyset() || konec < u.do_us - 10 * ms || std::abs(u.delka_us() - v_souboru.delka_us()) > 15 * ms)
        return;
    ++r.slyseno;
    r.zpozdeni.append((u.od_us - start - v_souboru.od_us) / ms);
}

double procesor_ms()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    zvukovy_server s;
    QTextStream out(stdout);
    if (!s.chyba().isEmpty()) {
        out << "not measured: " << s.chyba() << "\n";
        return 1;
    }
    qputenv("PULSE_SERVER", s.adresa().toLocal8Bit());
    QCoreApplication aplikace(argc, argv);
    server = &s;
    const QString zvuky = postavena_media() + "/ZVUK/";
    if (!s.nahravej() || !QFile::exists(zvuky + "CLICK.WAV")) {
        out << "not measured: no recording of the server, or no built media folder\n";
        return 1;
    }

    rada_t kliky, nahravky;
    for (int i = 0; i < 20; ++i) {
        prehraj(zvuky + "CLICK.WAV", kliky);
        prehraj(zvuky + "ENTER.WAV", kliky);
    }
    QList<QFileInfo> soubory;
    for (const QFileInfo &tema : QDir(zvuky).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const auto v_tematu = QDir(tema.filePath()).entryInfoList({"*.WAV"}, QDir::Files, QDir::Size);
        if (!v_tematu.isEmpty())
            soubory.append(v_tematu[soubory.size() * 5 % v_tematu.size()]);
    }
    for (int i = 0; i < 50 && !soubory.isEmpty(); ++i)
        prehraj(soubory[i % soubory.size()].filePath(), nahravky);

    // Pause on a loud place: the last audible sample after the command; resume: the first.
    rada_t pauzy, pokracovani;
    for (int i = 0; i < 10; ++i) {
        const QString cesta = soubory[i * 3 % soubory.size()].filePath();
        const auto pcm = nacti(cesta);
        const qint64 kde = zvukovy_server::hlasite_misto(*pcm, 500 * ms);
        if (kde < 0)
            continue;
        const qint64 start = ted();
        prehraj_zvuk(cesta);
        while (ted() < start + kde)
            QTest::qWait(1);
        const qint64 pauza = ted();
        zvuk_zdroj().pozastav();
        QTest::qWait(400);
        const qint64 dal = ted();
        zvuk_zdroj().hraj();
        QTest::qWait(300);
        zvuk_zdroj().zavri();
        QTest::qWait(60);
        const usek_t pred = s.slysitelne(start, dal - 15 * ms), po = s.slysitelne(dal, ted());
        ++pauzy.spusteno;
        ++pokracovani.spusteno;
        if (pred.slyset())
            pauzy.zpozdeni.append(std::max<double>(0, (pred.do_us - pauza) / ms));
        if (po.slyset())
            pokracovani.zpozdeni.append((po.od_us - dal) / ms);
    }

    // The device after all that: open, nothing playing, the event loop running.
    prehraj_zvuk(zvuky + "CLICK.WAV");
    QTest::qWait(500);
    const double p0 = procesor_ms();
    const qint64 t0 = ted();
    QTest::qWait(5000);
    const double necinnost = 100.0 * (procesor_ms() - p0) / ((ted() - t0) / ms);

    const auto podil = [](const rada_t &r) { return r.spusteno ? 100.0 * r.slyseno / r.spusteno : 0.0; };
    out << "clicks and hovers heard whole: " << kliky.slyseno << " of " << kliky.spusteno << "\n"
        << "recordings heard whole: " << nahravky.slyseno << " of " << nahravky.spusteno << "\n"
        << "#zmereno zvuk.slyseno "
        << (podil(kliky) * kliky.spusteno + podil(nahravky) * nahravky.spusteno) / (kliky.spusteno + nahravky.spusteno)
        << "\n"
        << "#zmereno zvuk.klik_median " << kliky.median() << "\n"
        << "#zmereno zvuk.klik_max " << kliky.max() << "\n"
        << "#zmereno zvuk.nahravka_median " << nahravky.median() << "\n"
        << "#zmereno zvuk.nahravka_max " << nahravky.max() << "\n"
        << "#zmereno zvuk.pauza_median " << pauzy.median() << "\n"
        << "#zmereno zvuk.pauza_max " << pauzy.max() << "\n"
        << "#zmereno zvuk.pokracovani_median " << pokracovani.median() << "\n"
        << "#zmereno zvuk.pokracovani_max " << pokracovani.max() << "\n"
        << "#zmereno zvuk.necinnost " << necinnost << "\n";
    return 0;
}
