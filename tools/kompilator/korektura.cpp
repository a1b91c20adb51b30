#include "korektura.h"

#include "data/znacky.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringEncoder>
#include <algorithm>
#include <hunspell.hxx>
#include <memory>

namespace
{

struct slovo_t {
    QString text;
    qsizetype od = 0, po = 0; // [od, po) in the sentence
};

// Runs of letters and digits; a hyphen, an apostrophe or punctuation ends a word.
QList<slovo_t> slova(const QString &veta)
{
    QList<slovo_t> vysledek;
    qsizetype i = 0;
    while (i < veta.size()) {
        if (!veta[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        const qsizetype od = i;
        while (i < veta.size() && veta[i].isLetterOrNumber())
            ++i;
        vysledek.append({veta.mid(od, i - od), od, i});
    }
    return vysledek;
}

bool ma_cislici(const QString &slovo)
{
    return std::any_of(slovo.begin(), slovo.end(), [](QChar c) { return c.isDigit(); });
}

QString jen_pismena(const QString &text)
{
    QString p;
    for (const QChar c : text)
        if (c.isLetter())
            p += c;
    return p;
}

// The sentence with every item by its first correct form except item k, which gets tvar;
// *od and *po receive where tvar landed.
QString s_tvarem(const QString &text, const QList<polozka_t> &polozky, qsizetype k, const QString &tvar, qsizetype *od,
                 qsizetype *po)
{
    QString veta;
    qsizetype q = 0;
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        veta += odstran_oddelovace_radku(text.mid(q, polozky[i].zacatek - q));
        if (i == k) {
            *od = veta.size();
            veta += tvar;
            *po = veta.size();
        } else {
            veta += polozky[i].a;
        }
        q = polozky[i].konec + 1;
    }
    return veta + odstran_oddelovace_radku(text.mid(q));
}

class pravopis_t
{
public:
    pravopis_t(const QString &cesta, QString *chyba)
    {
        const QString aff = cesta + QStringLiteral(".aff"), dic = cesta + QStringLiteral(".dic");
        if (!QFile::exists(aff) || !QFile::exists(dic)) {
            *chyba = QStringLiteral("%1: the Hunspell dictionary is missing (Debian package hunspell-sk)").arg(dic);
            return;
        }
        // Loading takes most of the check's time; a process that compiles twice loads once.
        static QHash<QString, std::shared_ptr<Hunspell>> nactene;
        auto &h = nactene[cesta];
        if (!h)
            h = std::make_shared<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
        h_ = h;
        // Hunspell takes words in the encoding its .aff file declares (SET).
        kodovani_ = QStringEncoder(h_->get_dict_encoding().c_str());
        if (!kodovani_.isValid()) {
            *chyba = QStringLiteral("%1: cannot convert words to the dictionary's encoding %2")
                         .arg(aff, QString::fromStdString(h_->get_dict_encoding()));
            h_.reset();
        }
    }
    bool otevren() const { return h_ != nullptr; }
    bool zna(const QString &slovo)
    {
        const auto it = mezipamet_.constFind(slovo);
        if (it != mezipamet_.constEnd())
            return *it;
        const QByteArray b = kodovani_.encode(slovo);
        const bool zna = !kodovani_.hasError() && h_->spell(std::string(b.constData(), b.size()));
        mezipamet_.insert(slovo, zna);
        return zna;
    }
    qsizetype pocet() const { return mezipamet_.size(); }

private:
    std::shared_ptr<Hunspell> h_;
    QStringEncoder kodovani_;
    QHash<QString, bool> mezipamet_;
};

class korektura_t
{
public:
    explicit korektura_t(const QList<veta_korektury_t> &vety) : vety_(vety) {}

    void nacti_slovnik(const QStringList &radky, const QString &misto)
    {
        for (qsizetype i = 0; i < radky.size(); ++i) {
            const QString slovo = radky[i].section(QLatin1Char('#'), 0, 0).trimmed();
            if (slovo.isEmpty())
                continue;
            const QString kde = QStringLiteral("%1:%2").arg(misto).arg(i + 1);
            if (slova(slovo).size() != 1 || slova(slovo).first().text != slovo)
                v_.chyby.append(kde + QStringLiteral(": one word a line, then optionally \"# why\""));
            else
                slovnik_.insert(slovo, kde);
        }
    }

    void pravopis(const QString &hunspell)
    {
        QElapsedTimer hodiny;
        hodiny.start();
        QString chyba;
        pravopis_t p(hunspell, &chyba);
        if (!p.otevren()) {
            v_.chyby.append(chyba);
            return;
        }
        for (auto it = slovnik_.cbegin(); it != slovnik_.cend(); ++it)
            if (p.zna(it.key()))
                v_.chyby.append(QStringLiteral("%1: the dictionary knows \"%2\" already").arg(it.value(), it.key()));
        QSet<QString> pouzite;
        const auto zna = [&](const QString &slovo, bool spravne) {
            if (ma_cislici(slovo) || p.zna(slovo))
                return true;
            QString mala = slovo;
            mala[0] = mala[0].toLower();
            const QString nalezene = slovnik_.contains(slovo) ? slovo : slovnik_.contains(mala) ? mala : QString();
            if (spravne && !nalezene.isEmpty())
                pouzite.insert(nalezene);
            return !nalezene.isEmpty();
        };
        for (const veta_korektury_t &v : vety_) {
            QStringList spravne;
            QList<polozka_t> polozky;
            if (v.vyjimka) {
                spravne.append(v.radek);
            } else {
                const vypsane_vety_t vypsane = vypis_vety(v.radek);
                spravne.append(vypsane.spravna_veta);
                if (vypsane.ma_druhy_tvar)
                    spravne.append(vypsane.spravna_veta_2);
                polozky = polozky_vety(v.radek);
            }
            QSet<QString> nahlasene;
            for (const QString &veta : spravne)
                for (const slovo_t &s : slova(veta))
                    if (!zna(s.text, true) && !nahlasene.contains(s.text)) {
                        nahlasene.insert(s.text);
                        v_.chyby.append(QStringLiteral("%1: unknown word \"%2\"").arg(v.misto, s.text));
                    }
            const QString text = text_vety(v.radek);
            for (qsizetype k = 0; k < polozky.size(); ++k) {
                const polozka_t &pol = polozky[k];
                for (const QString &tvar : pol.alternativy) {
                    if (jen_pismena(tvar) == jen_pismena(pol.a) || (pol.b && jen_pismena(tvar) == jen_pismena(*pol.b)))
                        continue; // punctuation and spacing are no business of a dictionary
                    qsizetype od = 0, po = 0;
                    const QList<slovo_t> chybna = slova(s_tvarem(text, polozky, k, tvar, &od, &po));
                    if (!std::all_of(chybna.begin(), chybna.end(),
                                     [&](const slovo_t &s) { return zna(s.text, false); }))
                        continue;
                    QStringList dotcena;
                    for (const slovo_t &s : chybna)
                        if (s.od <= po && s.po >= od)
                            dotcena.append(s.text);
                    v_.varovani.append({v.klic, QStringLiteral("%1: the wrong form \"%2\" gives known words: %3")
                                                    .arg(v.misto, tvar, dotcena.join(QLatin1Char(' ')))});
                }
            }
        }
        for (auto it = slovnik_.cbegin(); it != slovnik_.cend(); ++it)
            if (!pouzite.contains(it.key()) && !p.zna(it.key()))
                v_.chyby.append(QStringLiteral("%1: no sentence uses \"%2\"").arg(it.value(), it.key()));
        v_.slov = static_cast<int>(p.pocet());
        v_.ms_pravopisu = hodiny.elapsed();
    }

    // Sentences sorted by word count: a pair above the threshold has counts within a
    // factor of (2 - prah) / prah, so each sentence is compared only with a short run.
    void duplicity()
    {
        struct normalizovana_t {
            QStringList slova; // sorted, lower case
            const veta_korektury_t *veta;
        };
        QList<normalizovana_t> n;
        for (const veta_korektury_t &v : vety_) {
            if (v.vyjimka)
                continue;
            QStringList s;
            for (const slovo_t &slovo : slova(vypis_vety(v.radek).spravna_veta))
                s.append(slovo.text.toLower());
            if (s.isEmpty())
                continue;
            s.sort();
            n.append({s, &v});
        }
        std::stable_sort(n.begin(), n.end(), [](const normalizovana_t &a, const normalizovana_t &b) {
            return a.slova.size() < b.slova.size();
        });
        for (qsizetype i = 0; i < n.size(); ++i) {
            const auto &a = n[i].slova;
            for (qsizetype j = i + 1; j < n.size(); ++j) {
                const auto &b = n[j].slova;
                if (b.size() * prah_podobnosti > a.size() * (2 - prah_podobnosti))
                    break;
                qsizetype spolecne = 0;
                for (qsizetype x = 0, y = 0; x < a.size() && y < b.size();) {
                    const int c = a[x].compare(b[y]);
                    spolecne += c == 0;
                    x += c <= 0;
                    y += c >= 0;
                }
                const double podobnost = 2.0 * spolecne / (a.size() + b.size());
                if (podobnost <= prah_podobnosti)
                    continue;
                const auto *p = n[i].veta, *q = n[j].veta;
                if (q->misto < p->misto)
                    std::swap(p, q);
                v_.chyby.append(podobnost == 1.0 ? QStringLiteral("%1: the same sentence as %2").arg(p->misto, q->misto)
                                                 : QStringLiteral("%1: nearly the same sentence as %2 (%3)")
                                                       .arg(p->misto, q->misto)
                                                       .arg(podobnost, 0, 'f', 2));
            }
        }
    }

    vysledek_korektury_t vysledek() const { return v_; }

private:
    const QList<veta_korektury_t> &vety_;
    QHash<QString, QString> slovnik_; // word -> where it is listed
    vysledek_korektury_t v_;
};

} // namespace

vysledek_korektury_t proved_korekturu(const QList<veta_korektury_t> &vety, const QStringList &slovnik,
                                      const QString &misto_slovniku, const QString &hunspell)
{
    korektura_t k(vety);
    k.nacti_slovnik(slovnik, misto_slovniku);
    if (!hunspell.isEmpty())
        k.pravopis(hunspell);
    k.duplicity();
    return k.vysledek();
}
