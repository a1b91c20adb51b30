#include "common/soubory.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

QString spoj_cestu(const QString &slozka, const QString &relativni)
{
    QString rel = relativni;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    QString dir = slozka;
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    if (dir.isEmpty())
        return rel;
    if (dir == QLatin1String("/"))
        return dir + rel;
    return dir + QLatin1Char('/') + rel;
}

bool existuje_soubor(const QString &cesta)
{
    if (cesta.isEmpty())
        return false;
    const QFileInfo info(cesta);
    return info.exists() && info.isFile() && !info.isHidden();
}

QString z_cp1250(const QByteArray &bajty)
{
    QStringDecoder dekoder("windows-1250", QStringDecoder::Flag::Stateless);
    if (!dekoder.isValid())
        return QString::fromLatin1(bajty);
    return dekoder.decode(bajty);
}

QByteArray do_cp1250(const QString &text)
{
    QStringEncoder koder("windows-1250", QStringEncoder::Flag::Stateless);
    if (!koder.isValid())
        return text.toLatin1();
    return koder.encode(text);
}

bool lze_v_cp1250(const QString &text)
{
    QStringEncoder koder("windows-1250", QStringEncoder::Flag::Stateless);
    const QByteArray bajty = koder.encode(text);
    return !koder.hasError() && z_cp1250(bajty) == text;
}

std::optional<QList<QByteArray>> nacti_radky_bajtu(const QString &cesta)
{
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray obsah = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError)
        return std::nullopt;
    QList<QByteArray> radky;
    qsizetype zacatek = 0;
    while (zacatek < obsah.size()) {
        qsizetype konec = obsah.indexOf('\n', zacatek);
        if (konec < 0)
            konec = obsah.size();
        QByteArray radek = obsah.mid(zacatek, konec - zacatek);
        if (radek.endsWith('\r'))
            radek.chop(1);
        radky.append(radek);
        zacatek = konec + 1;
    }
    return radky;
}

std::optional<QStringList> nacti_radky_cp1250(const QString &cesta)
{
    const auto bajty = nacti_radky_bajtu(cesta);
    if (!bajty)
        return std::nullopt;
    QStringList radky;
    radky.reserve(bajty->size());
    for (const QByteArray &radek : *bajty)
        radky.append(z_cp1250(radek));
    return radky;
}
