#include "shell/zvuk.h"

#include "shell/zvuk_vystup.h"

#include <QCoreApplication>
#include <QPointer>

namespace
{
zvukove_zarizeni *nahradni = nullptr;
QPointer<drzak_zvuku> drzitel;
} // namespace

drzak_zvuku::drzak_zvuku(QObject *rodic) : QObject(rodic) { drzitel = this; }

drzak_zvuku::~drzak_zvuku() = default;

zvukove_zarizeni &drzak_zvuku::zarizeni()
{
    if (!zarizeni_)
        zarizeni_ = std::make_unique<zvuk_vystup>();
    return *zarizeni_;
}

zvukove_zarizeni &zvuk_zdroj()
{
    if (nahradni)
        return *nahradni;
    if (!drzitel)
        drzitel = new drzak_zvuku(QCoreApplication::instance());
    return drzitel->zarizeni();
}

void nastav_zvuk(zvukove_zarizeni *nahrada) { nahradni = nahrada; }

void prehraj_zvuk(const QString &cesta)
{
    zvukove_zarizeni &z = zvuk_zdroj();
    z.zavri();
    z.otevri(cesta);
    z.hraj();
}
