// ortanel_prohlidka OUTDIR [MEDIA]: the screenshot tour on the media folder MEDIA (the
// build's own by default) and a throw-away data folder with the built data files; the
// photographs and their index page index.html go to OUTDIR.
#include "common/pismo.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "prohlidka.h"
#include "shell/hostitel.h"
#include "shell/start.h"

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

private:
    skutecna_platforma_t skutecna_;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: ortanel_prohlidka OUTDIR [MEDIA]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikace(argc, argv);
    zaregistruj_pisma();
    QTextStream err(stderr);

    const QString slozka = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString media = argc > 2 ? QString::fromLocal8Bit(argv[2]) : postavena_media();
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
