#include "ucitel/model_zaznamu.h"

#include "prehled/csv.h"

#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QLocale>

namespace
{

QString datum_a_cas(const zaznam_t &z)
{
    const QString datum = z.datum.isValid() ? z.datum.toString(QStringLiteral("d. M. yyyy")) : z.datum_text;
    return QStringLiteral("%1 %2:%3").arg(datum).arg(z.minuty / 60).arg(z.minuty % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void model_zaznamu::nastav(QList<zaznam_t> zaznamy)
{
    beginResetModel();
    zaznamy_ = std::move(zaznamy);
    // Names and topics ranked once the Slovak way ("Č" after "C"); sorting then compares
    // numbers.
    const auto poradi = [this](auto pole) {
        QHash<QString, int> misto;
        for (const zaznam_t &z : zaznamy_)
            misto.insert(z.*pole, 0);
        QStringList texty = misto.keys();
        QCollator porovnani{QLocale(QLocale::Slovak, QLocale::Slovakia)};
        std::sort(texty.begin(), texty.end(), porovnani);
        for (int i = 0; i < texty.size(); ++i)
            misto[texty[i]] = i;
        QList<int> vysledek;
        vysledek.reserve(zaznamy_.size());
        for (const zaznam_t &z : zaznamy_)
            vysledek.append(misto.value(z.*pole));
        return vysledek;
    };
    poradi_jmena_ = poradi(&zaznam_t::jmeno);
    poradi_temy_ = poradi(&zaznam_t::nazev_temy);
    podily_.clear();
    kdy_.clear();
    podily_.reserve(zaznamy_.size());
    kdy_.reserve(zaznamy_.size());
    for (const zaznam_t &z : zaznamy_) {
        podily_.append(float(z.podil()));
        kdy_.append(z.datum.isValid() ? z.datum.toJulianDay() * 1440 + z.minuty : z.minuty);
    }
    endResetModel();
}

int model_zaznamu::rowCount(const QModelIndex &rodic) const { return rodic.isValid() ? 0 : int(zaznamy_.size()); }

int model_zaznamu::columnCount(const QModelIndex &rodic) const { return rodic.isValid() ? 0 : pocet_sloupcu; }

QVariant model_zaznamu::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= zaznamy_.size())
        return {};
    const zaznam_t &z = zaznamy_[index.row()];
    if (role == Qt::ForegroundRole && !z.dokonceny())
        return QBrush(QColor(0x80, 0x80, 0x80));
    if (role == Qt::FontRole && !z.dokonceny()) {
        QFont pismo;
        pismo.setItalic(true);
        return pismo;
    }
    if (role == Qt::TextAlignmentRole && index.column() >= uloh)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case zak: return z.jmeno;
    case kdy: return datum_a_cas(z);
    case rocnik: return z.rocnik ? QStringLiteral("%1.").arg(z.rocnik) : QString();
    case tema: return z.nazev_temy;
    case uloh: return z.uloh;
    case spravne: return z.spravne;
    case spatne: return z.spatne;
    case podil: return podil_text(z.podil());
    case znamka: return z.dokonceny() ? QString::number(z.znamka) : QStringLiteral("nedokončené");
    }
    return {};
}

QVariant model_zaznamu::headerData(int sekce, Qt::Orientation smer, int role) const
{
    if (smer != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(sekce, smer, role);
    static const QStringList nadpisy = {
        QStringLiteral("Žiak"),      QStringLiteral("Dátum a čas"), QStringLiteral("Ročník"),
        QStringLiteral("Téma"),      QStringLiteral("Viet"),        QStringLiteral("Správne"),
        QStringLiteral("Nesprávne"), QStringLiteral("Úspešnosť"),   QStringLiteral("Známka"),
    };
    return nadpisy.value(sekce);
}

vyber_zaznamu::vyber_zaznamu(model_zaznamu *zdroj, QObject *rodic) : QSortFilterProxyModel(rodic), zdroj_(zdroj)
{
    setSourceModel(zdroj);
}

void vyber_zaznamu::nastav_filtr(const filtr_t &filtr)
{
    if (filtr == filtr_)
        return;
    filtr_ = filtr;
    // Rebuilt at once: removing the rows a filter drops one range at a time would make a
    // view of 100,000 rows spend seconds on it.
    invalidate();
}

QList<int> vyber_zaznamu::zobrazene() const
{
    QList<int> radky;
    radky.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        radky.append(mapToSource(index(r, 0)).row());
    return radky;
}

bool vyber_zaznamu::filterAcceptsRow(int radek, const QModelIndex &) const
{
    return filtr_.vyhovuje(zdroj_->zaznamy()[radek]);
}

bool vyber_zaznamu::lessThan(const QModelIndex &vlevo, const QModelIndex &vpravo) const
{
    const zaznam_t &a = zdroj_->zaznamy()[vlevo.row()];
    const zaznam_t &b = zdroj_->zaznamy()[vpravo.row()];
    switch (vlevo.column()) {
    case model_zaznamu::zak: return zdroj_->poradi_jmena(vlevo.row()) < zdroj_->poradi_jmena(vpravo.row());
    case model_zaznamu::kdy: return zdroj_->kdy_radku(vlevo.row()) < zdroj_->kdy_radku(vpravo.row());
    case model_zaznamu::rocnik: return std::pair(a.rocnik, a.tema) < std::pair(b.rocnik, b.tema);
    case model_zaznamu::tema: return zdroj_->poradi_temy(vlevo.row()) < zdroj_->poradi_temy(vpravo.row());
    case model_zaznamu::uloh: return a.uloh < b.uloh;
    case model_zaznamu::spravne: return a.spravne < b.spravne;
    case model_zaznamu::spatne: return a.spatne < b.spatne;
    case model_zaznamu::podil: return zdroj_->podil_radku(vlevo.row()) < zdroj_->podil_radku(vpravo.row());
    case model_zaznamu::znamka: return a.znamka < b.znamka;
    }
    return false;
}
