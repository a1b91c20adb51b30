#include "exercise/rozvrzeni.h"

#include "common/geometrie.h"
#include "common/nahoda.h"
#include "data/znacky.h"
#include "exercise/normalizace.h"
#include "exercise/viceradkovy_box.h"

#include <algorithm>
#include <utility>

namespace g = geometrie::cviceni;
namespace r = rozmery_prvku;

namespace obrazky_stranky
{
const QString veta = QStringLiteral("GRAFIKA/3LINE_W.BMP");
const QString kryt_levy = QStringLiteral("GRAFIKA/COV_L_W.BMP");
const QString kryt_pravy = QStringLiteral("GRAFIKA/COV_R_V.BMP");
const QString kryt_spodni = QStringLiteral("GRAFIKA/COV2_B.BMP");
const QString kryt2_levy = QStringLiteral("GRAFIKA/COV1_L_W.BMP");
const QString kryt2_pravy = QStringLiteral("GRAFIKA/COV1_R_V.BMP");
const QString kryt2_spodni = QStringLiteral("GRAFIKA/COV1_B.BMP");

QString opakovani(int zbyva) { return QStringLiteral("GRAFIKA/REP_%1.BMP").arg(zbyva); }

QStringList vsechny()
{
    QStringList nazvy{veta, kryt_levy, kryt_pravy, kryt_spodni, kryt2_levy, kryt2_pravy, kryt2_spodni};
    for (int n = 0; n <= 3; ++n)
        nazvy.append(opakovani(n));
    return nazvy;
}
} // namespace obrazky_stranky

int velikost_pisma_vety(int sirka_pri_12_bodech)
{
    // width / 475 > 2.8, in whole numbers
    return sirka_pri_12_bodech * 10 > 28 * g::sirka_boxu ? 10 : 12;
}

namespace
{

// Written in the program's own data: this sentence needs ten more pixels on its first
// line to break where its author meant.
const QString zvlastni_veta = QStringLiteral("Včera, mohlo být kolem páté");

bool je_konec_vety(QChar z) { return z == u'.' || z == u'?' || z == u'!'; }

// The text a choice or gap sentence is measured by: plain text and the correct parts
// ("^" and the second form included), without the markup and the wrong forms.
QString merena_veta(const QList<cast_vety_t> &casti)
{
    QString t;
    for (const cast_vety_t &c : casti) {
        switch (c.druh) {
        case cast_vety_t::druh_t::znak: t += c.znak; break;
        case cast_vety_t::druh_t::novy_radek: t += znak_oddelovac_radku; break;
        case cast_vety_t::druh_t::polozka:
            t += c.polozka.a;
            if (c.polozka.b)
                t += u'^' + *c.polozka.b;
            break;
        }
    }
    return t;
}

// The item's wrong forms as written between "#" and ">" (a lone space stays a space here:
// it is measured as one).
QStringList psane_alternativy(const QString &text, const polozka_t &p)
{
    const qsizetype h = text.indexOf(u'#', p.zacatek);
    return text.mid(h + 1, p.konec - h - 1).split(u'~');
}

class rozvrzeni_t
{
public:
    rozvrzeni_t(stav_cviceni_t &stav, const sirka_textu_t &sirka, nahoda_t &generator)
        : stav_(stav), sirka_(sirka), generator_(generator)
    {
    }

    stranka_t proved();

private:
    // Working values of the sentence being drawn.
    struct veta_t {
        int k = 1;
        int cislo = 0;
        int body = 12;
        int mez_zalomeni = 0;
        int radky_vety = 1;
        bool nezalomeno = true;
        QPoint pero;
        QString spravna_veta;
        // The text run being drawn and where it started.
        QString beh;
        QPoint zacatek_behu;
    };

    int sirka(QStringView text) const { return sirka_(text, v_.body); }
    int zacatek_radku() const { return stav_.poloha_x + g::odsazeni_textu_x; }
    QString radek_ulohy(int t) const;

    void vysad_vetu(int t);
    void vysad_polozkovou_vetu(const QString &text);
    void vysad_celou_vetu(const QString &radek);
    void uzavri_vetu();

    int mez_zalomeni(const QString &merena) const;
    void nakresli_znak(QChar z);
    void odradkuj();
    void dokonci_beh();
    void vytvor_prvek(const QString &text, const polozka_t &p);
    Qt::Alignment zarovnani(const QString &text, const polozka_t &p) const;
    QPoint misto_prvku(const QRect *predchozi) const;
    QStringList zamichany_seznam(const polozka_t &p);

    void obrazek(const QString &nazev, QPoint kde);
    void pruhledny_obrazek(const QString &nazev, QPoint kde);

    stav_cviceni_t &stav_;
    const sirka_textu_t &sirka_;
    nahoda_t &generator_;
    stranka_t s_;
    veta_t v_;
};

QString rozvrzeni_t::radek_ulohy(int t) const
{
    const losovani_t &l = stav_.losovani;
    const int index = l.vybrane_radky.value(t - 1, -1);
    return index >= 0 && index < l.radky_sekce.size() ? l.radky_sekce.at(index) : QString();
}

stranka_t rozvrzeni_t::proved()
{
    losovani_t &l = stav_.losovani;
    s_.druh = stav_.druh;
    s_.souvisly_text = l.souvisly_text;
    stav_.dalsi_prvek = 1;
    stav_.pocet_na_strance = 0;

    kresba_t vypln;
    vypln.druh = kresba_t::druh_t::vypln;
    vypln.obdelnik = g::stranka;
    vypln.zdroj_barvy = g::barva_stranky;
    s_.kresby.append(vypln);

    const int prvni = l.pocet_zobrazenych + 1;
    const int posledni = std::min({l.pocet_zobrazenych + 10, l.pocet_uloh, static_cast<int>(l.vybrane_radky.size())});
    for (int t = prvni; t <= posledni; ++t) {
        vysad_vetu(t);
        if (stav_.poloha_y > g::plna_stranka_y || t == posledni) {
            stav_.pocet_na_strance = t - l.pocet_zobrazenych;
            l.pocet_zobrazenych = t;
            break;
        }
    }
    return std::move(s_);
}

void rozvrzeni_t::vysad_vetu(int t)
{
    const QString radek = radek_ulohy(t);
    v_ = veta_t{};
    v_.k = t - stav_.losovani.pocet_zobrazenych;
    v_.cislo = cislo_vety(radek);

    veta_stranky_t veta;
    veta.repro.obdelnik = QRect(stav_.poloha_x, stav_.poloha_y + r::repro_y, r::repro_sirka, r::repro_vyska);
    veta.repro.cislo_vety = v_.cislo;
    veta.check_mark.poloha = QPoint(g::znacka_x, stav_.poloha_y);
    s_.vety.append(veta);

    v_.pero = QPoint(zacatek_radku(), stav_.poloha_y + g::odsazeni_textu_y);
    obrazek(obrazky_stranky::veta, QPoint(stav_.poloha_x, stav_.poloha_y));

    if (stav_.druh == druh_t::vyberovka || stav_.druh == druh_t::doplnovacka)
        vysad_polozkovou_vetu(text_vety(radek));
    else
        vysad_celou_vetu(radek);
    uzavri_vetu();
}

int rozvrzeni_t::mez_zalomeni(const QString &merena) const
{
    // The last space or sentence end whose text up to it still ends before the right limit.
    QList<int> az_po(merena.size() + 1, 0);
    for (qsizetype p = 0; p < merena.size(); ++p)
        az_po[p + 1] = az_po[p] + sirka(QStringView(merena).mid(p, 1));
    qsizetype p = merena.size();
    for (; p >= 1; --p) {
        const QChar z = merena[p - 1];
        if ((z == u' ' || je_konec_vety(z)) && az_po[p] + v_.pero.x() < g::prava_mez)
            break;
    }
    // With no such place (a first word wider than the line) the sentence is not wrapped.
    int mez = p >= 1 ? az_po[p] + v_.pero.x() : 0;
    if (merena.contains(zvlastni_veta))
        mez = 580;
    // The whole sentence fits: one line. A sentence end followed by more words is a break
    // like any other, or the rest of the sentence would run off the box.
    if (p >= 1 && je_konec_vety(merena[p - 1]) && !merena.mid(p).contains(u' '))
        mez = 0;
    return mez;
}

void rozvrzeni_t::vysad_polozkovou_vetu(const QString &text)
{
    const QList<cast_vety_t> casti = rozloz_vetu(text);
    const QString merena = merena_veta(casti);
    v_.body = velikost_pisma_vety(sirka_(merena, 12));
    v_.mez_zalomeni = mez_zalomeni(merena);
    for (const cast_vety_t &c : casti) {
        switch (c.druh) {
        case cast_vety_t::druh_t::znak:
            v_.spravna_veta += c.znak;
            nakresli_znak(c.znak);
            break;
        case cast_vety_t::druh_t::novy_radek: odradkuj(); break;
        case cast_vety_t::druh_t::polozka: vytvor_prvek(text, c.polozka); break;
        }
    }
    dokonci_beh();
    s_.vety.last().check_mark.odpoved = v_.spravna_veta;
}

void rozvrzeni_t::nakresli_znak(QChar z)
{
    // A line does not start with a space (it still belongs to the sentence).
    if (z == u' ' && v_.pero.x() == zacatek_radku())
        return;
    if (v_.beh.isEmpty())
        v_.zacatek_behu = v_.pero;
    v_.beh += z;
    v_.pero.rx() += sirka(QStringView(&z, 1));
    if (v_.mez_zalomeni > 0 && z == u' ' && v_.pero.x() + sirka(u" ") > v_.mez_zalomeni)
        odradkuj();
}

void rozvrzeni_t::odradkuj()
{
    dokonci_beh();
    v_.pero = QPoint(zacatek_radku(), v_.pero.y() + g::vyska_radku);
    ++v_.radky_vety;
    v_.nezalomeno = false;
}

void rozvrzeni_t::dokonci_beh()
{
    if (v_.beh.isEmpty())
        return;
    kresba_t k;
    k.druh = kresba_t::druh_t::text;
    k.poloha = v_.zacatek_behu;
    k.text = v_.beh;
    k.body = v_.body;
    s_.kresby.append(k);
    v_.beh.clear();
}

Qt::Alignment rozvrzeni_t::zarovnani(const QString &text, const polozka_t &p) const
{
    const QChar pred = p.zacatek > 0 ? text[p.zacatek - 1] : QChar();
    const QChar po = p.konec + 1 < text.size() ? text[p.konec + 1] : QChar();
    if (p.zacatek == 0)
        return po != u' ' ? Qt::AlignRight : Qt::AlignHCenter;
    Qt::Alignment z = Qt::AlignHCenter; // the templates' own
    if (po != u' ' && pred == u' ')
        z = Qt::AlignRight;
    if (po == u' ' || po == u'.' || po == u',' || po == u'!' || po == u'?')
        z = pred != u' ' ? Qt::AlignLeft : Qt::AlignHCenter;
    return z;
}

// An element that would touch or overlap the previous one on its line starts a pixel
// after it.
QPoint rozvrzeni_t::misto_prvku(const QRect *predchozi) const
{
    QPoint misto = v_.pero;
    if (predchozi && predchozi->x() + predchozi->width() >= misto.x() && predchozi->y() == misto.y())
        misto.setX(predchozi->x() + predchozi->width() + 1);
    return misto;
}

QStringList rozvrzeni_t::zamichany_seznam(const polozka_t &p)
{
    QStringList seznam{p.a};
    if (p.b)
        seznam.append(*p.b);
    seznam += p.alternativy;
    const int n = static_cast<int>(seznam.size());
    generator_.preseduj_z_hodin();
    for (int i = 0; i < 100; ++i) {
        const int a = generator_.index_od_0(n);
        const int b = generator_.index_od_0(n);
        seznam.swapItemsAt(a, b);
    }
    return seznam;
}

void rozvrzeni_t::vytvor_prvek(const QString &text, const polozka_t &p)
{
    const bool vyber = stav_.druh == druh_t::vyberovka;
    const int sirka_a = sirka(p.a);
    if (v_.mez_zalomeni > 0 && v_.pero.x() + sirka_a + 2 > g::prava_mez && v_.pero.x() >= v_.mez_zalomeni)
        odradkuj();
    dokonci_beh();

    // The widest wrong form; of equally wide ones the first.
    int sirka_alt = 0;
    qsizetype delka_alt = 0;
    for (const QString &alt : psane_alternativy(text, p)) {
        const int w = sirka(alt);
        if (w > sirka_alt) {
            sirka_alt = w;
            delka_alt = alt.size();
        }
    }

    int w = sirka_a + 2;
    std::optional<int> max_delka;
    if (p.a.size() == 1) {
        const QString velke = p.a.toUpper();
        w = sirka(velke) + 2;
        max_delka = 1;
        if (vyber && (p.a == u"," || p.a == u" " || velke == u"I" || velke == u"Í"))
            w = sirka(velke) + 4;
    }
    if (sirka_alt > sirka_a) {
        w = sirka_alt + 2;
        // The box is as wide as the widest wrong form, but the correct form must still fit
        // when it has more (narrower) characters.
        max_delka = static_cast<int>(std::max(delka_alt, p.a.size()));
    }
    if (vyber && p.b && !p.b->isEmpty() && sirka(*p.b) + 2 > w)
        w = sirka(*p.b) + 2;

    const Qt::Alignment z = zarovnani(text, p);
    if (vyber) {
        const QRect *predchozi = s_.vyber_txt.isEmpty() ? nullptr : &s_.vyber_txt.last().obdelnik;
        vyber_txt_t e;
        e.obdelnik = QRect(misto_prvku(predchozi), QSize(w, r::vyska_prvku));
        e.body = v_.body;
        e.zarovnani = z;
        e.spravna_odpoved = p.a;
        e.druha_odpoved = p.b.value_or(QString());
        e.cislo_vety = v_.cislo;
        e.veta = v_.k;
        e.vyber_lst = zamichany_seznam(p);
        e.vyska_seznamu = r::vyska_prvku * static_cast<int>(e.vyber_lst.size());
        v_.pero = e.obdelnik.topLeft();
        s_.vyber_txt.append(e);
    } else {
        const QRect *predchozi = s_.dopln_box.isEmpty() ? nullptr : &s_.dopln_box.last().obdelnik;
        dopln_box_t e;
        e.obdelnik = QRect(misto_prvku(predchozi), QSize(w, r::vyska_prvku));
        e.body = v_.body;
        e.zarovnani = z;
        e.max_delka = max_delka;
        e.spravna_odpoved = p.a;
        e.druha_odpoved = p.b.value_or(QString());
        e.cislo_vety = v_.cislo;
        e.veta = v_.k;
        v_.pero = e.obdelnik.topLeft();
        s_.dopln_box.append(e);
    }
    v_.spravna_veta += bez_krajnich_mezer(p.a);
    v_.pero.rx() += w;
    ++stav_.dalsi_prvek;
}

void rozvrzeni_t::vysad_celou_vetu(const QString &radek)
{
    const vypsane_vety_t vypsane = vypis_vety(radek, generator_);
    v_.body = velikost_pisma_vety(sirka_(vypsane.spravna_veta, 12));
    const format_viceradkoveho_boxu_t format = format_viceradkoveho_boxu(v_.body);

    dopln_box_viceradkovy_t box;
    box.body = v_.body;
    box.spravna_odpoved = vypsane.spravna_veta;
    box.druha_odpoved = vypsane.ma_druhy_tvar ? vypsane.spravna_veta_2 : QString();
    box.text = stav_.druh == druh_t::oprava ? vypsane.veta_s_chybami : vypsane.spravna_veta;
    box.pocet_radku = pocet_radku_v_textboxu(box.text, format);
    box.obdelnik = QRect(v_.pero, QSize(format.sirka, format.vyska_radku * box.pocet_radku));
    if (stav_.druh == druh_t::diktat)
        box.text.clear();
    if (box.pocet_radku > 1)
        v_.nezalomeno = false;
    v_.radky_vety = box.pocet_radku;
    s_.dopln_box_viceradkovy.append(box);
    s_.vety.last().check_mark.odpoved = vypsane.spravna_veta;
    ++stav_.dalsi_prvek;
}

void rozvrzeni_t::uzavri_vetu()
{
    veta_stranky_t &veta = s_.vety.last();
    const QPoint box(stav_.poloha_x, stav_.poloha_y);
    int posun_repro = 0;
    if (v_.nezalomeno) {
        obrazek(obrazky_stranky::kryt_levy, box);
        pruhledny_obrazek(obrazky_stranky::kryt_pravy, QPoint(g::kryt_pravy_x, box.y()));
        obrazek(obrazky_stranky::kryt_spodni, box + QPoint(0, 25));
        stav_.poloha_y += 36;
        posun_repro = r::repro_posun[0];
    } else if (v_.radky_vety == 2) {
        obrazek(obrazky_stranky::kryt2_levy, box);
        pruhledny_obrazek(obrazky_stranky::kryt2_pravy, QPoint(g::kryt_pravy_x, box.y()));
        obrazek(obrazky_stranky::kryt2_spodni, box + QPoint(0, 45));
        stav_.poloha_y += 56;
        posun_repro = r::repro_posun[1];
    } else {
        stav_.poloha_y += 74;
        posun_repro = r::repro_posun[2];
    }
    stav_.poloha_x = g::prvni_veta.x();
    veta.repro.obdelnik.translate(0, posun_repro);
    veta.check_mark.pocet_radku = v_.radky_vety;

    if (!stav_.losovani.souvisly_text) {
        veta.repro.zbyva_prehrani = 99;
        return;
    }
    pocitadlo_t pocitadlo;
    pocitadlo.obdelnik = QRect(g::pocitadlo_x, veta.repro.obdelnik.y(), r::pocitadlo, r::pocitadlo);
    veta.repro.zbyva_prehrani = stav_.limit_diktovani;
    if (stav_.limit_diktovani >= 1 && stav_.limit_diktovani <= 3) {
        obrazek(obrazky_stranky::opakovani(stav_.limit_diktovani), pocitadlo.obdelnik.topLeft());
        pocitadlo.viditelne = true;
    }
    veta.pocet_diktovani = pocitadlo;
}

void rozvrzeni_t::obrazek(const QString &nazev, QPoint kde)
{
    kresba_t k;
    k.druh = kresba_t::druh_t::obrazek;
    k.obrazek = nazev;
    k.poloha = kde;
    s_.kresby.append(k);
}

void rozvrzeni_t::pruhledny_obrazek(const QString &nazev, QPoint kde)
{
    kresba_t k;
    k.druh = kresba_t::druh_t::obrazek_pruhledny;
    k.obrazek = nazev;
    k.poloha = kde;
    k.klic = klic_kryti;
    s_.kresby.append(k);
}

} // namespace

stranka_t zobraz_vybrane_radky(stav_cviceni_t &stav, const sirka_textu_t &sirka, nahoda_t &generator)
{
    return rozvrzeni_t(stav, sirka, generator).proved();
}

stranka_t zobraz_vybrane_radky(stav_cviceni_t &stav)
{
    static const sirka_textu_t sirka = sirka_v_pismu_stranky();
    return zobraz_vybrane_radky(stav, sirka, nahoda());
}
