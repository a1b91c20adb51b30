// ortanel_prohlidka OUTDIR [MEDIA] [--okno WxH]: the screenshot tour on the media folder
// MEDIA (the build's own by default) and a throw-away data folder with the built data
// files; the photographs and their index page index.html go to OUTDIR. With --okno the
// window takes that size when the program goes full screen (1280x960: every picture at 2×).
#include "common/pismo.h"
#include "menu/start.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "prohlidka.h"
#include "shell/hostitel.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace
{

// The recording desktop, except that the exit question is the program's own message box,
// so that the tour can photograph it.
class platforma_prohlidky : public falesna_platforma
{
public:
    bool otazka(const QString &text, const QString &titulek) override
    {
        falesna_platforma::otazka(text, titulek);
        return skutecna_.otazka(text, titulek);
    }
    bool cela_obrazovka(QWidget *okno) override
    {
        if (okno && velikost_okna.isValid())
            okno->resize(velikost_okna);
        return falesna_platforma::cela_obrazovka(okno);
    }

    QSize velikost_okna;

private:
    skutecna_platforma_t skutecna_;
};

} // namespace

int main(int argc, char *argv[])
{
    QStringList argumenty;
    QSize velikost_okna;
    bool spravne = true;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--okno") && i + 1 < argc) {
            const QStringList wh = QString::fromLocal8Bit(argv[++i]).split(u'x');
            velikost_okna = wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
            spravne = spravne && !velikost_okna.isEmpty();
        } else {
            argumenty.append(a);
        }
    }
    if (argumenty.isEmpty() || argumenty.size() > 2 || !spravne) {
        QTextStream(stderr) << "usage: ortanel_prohlidka OUTDIR [MEDIA] [--okno WxH]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    zaregistruj_pisma();
    QTextStream err(stderr);

    const QString slozka = QDir(argumenty[0]).absolutePath();
    const QString media = argumenty.size() > 1 ? argumenty[1] : postavena_media();
    if (!QDir().mkpath(slozka)) {
        err << "cannot create " << slozka << "\n";
        return 1;
    }
    // Photographs of an earlier tour would mix with this one's numbering.
    QDir vystup(slozka);
    for (const QString &stary : vystup.entryList({QStringLiteral("[0-9][0-9]_*.png")}, QDir::Files))
        vystup.remove(stary);
    docasna_instalace instalace;
    if (!instalace.zkopiruj_postavena_data()) {
        err << "no built data files in " << postavena_data() << " (make build)\n";
        return 1;
    }
    instalace.zapis_ini({QStringLiteral("CD=") + media, QStringLiteral("HD=") + instalace.data()});

    platforma_prohlidky platforma;
    platforma.ini = instalace.ini();
    platforma.velikost_okna = velikost_okna;
    falesny_zvuk zvuk;
    hostitel okno;
    const auto casti = cast_prohlidky::vsechny();
    for (const cast_prohlidky *c : casti)
        c->obrazovky(okno);
    prohlidka p(okno, slozka);
    try {
        spust_program(okno);
        for (const cast_prohlidky *c : casti) {
            p.oddil(c->nadpis);
            c->zastavky(p);
        }
    } catch (const konec_programu &) {
        for (const auto &z : platforma.zpravy)
            err << z.titulek << ": " << z.text << "\n";
        err << "the program ended; is the media folder " << media << " complete? (make build)\n";
        return 1;
    }
    if (!p.zapis_index())
        err << "cannot write " << vystup.filePath(QStringLiteral("index.html")) << "\n";
    for (const QString &c : p.chyby())
        err << c << "\n";
    QTextStream out(stdout);
    for (const QString &s : p.soubory())
        out << s << "\n";
    return p.chyby().isEmpty() && !p.soubory().isEmpty() ? 0 : 1;
}
