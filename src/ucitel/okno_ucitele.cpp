#include "ucitel/okno_ucitele.h"

#include "common/katalog.h"
#include "common/soubory.h"
#include "prehled/csv.h"
#include "ucitel/model_zaznamu.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScatterSeries>
#include <QSplitter>
#include <QStatusBar>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QValueAxis>

namespace
{

// Marks 1 to 5 from green to red, the unfinished visits grey: the same everywhere.
const QList<QColor> barvy_znamek = {QColor(0x9e, 0x9e, 0x9e), QColor(0x2e, 0x7d, 0x32), QColor(0x7c, 0xb3, 0x42),
                                    QColor(0xf9, 0xa8, 0x25), QColor(0xef, 0x6c, 0x00), QColor(0xc6, 0x28, 0x28)};

QString nazev_znamky(int z) { return z ? QStringLiteral("Známka %1").arg(z) : QStringLiteral("Nedokončené"); }

QString znamka_text(double z)
{
    return z > 0 ? QString::number(z, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')) : QStringLiteral("–");
}

void napln(QTableWidget *t, const QStringList &nadpisy, const QList<QStringList> &radky)
{
    t->clear();
    t->setColumnCount(int(nadpisy.size()));
    t->setHorizontalHeaderLabels(nadpisy);
    t->setRowCount(int(radky.size()));
    for (int r = 0; r < radky.size(); ++r)
        for (int s = 0; s < radky[r].size(); ++s) {
            auto *polozka = new QTableWidgetItem(radky[r][s]);
            if (s > 0)
                polozka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, s, polozka);
        }
    t->resizeColumnsToContents();
}

QTableWidget *nova_tabulka()
{
    auto *t = new QTableWidget;
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QChartView *novy_graf()
{
    auto *v = new QChartView(new QChart);
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumHeight(260);
    return v;
}

QList<QStringList> radky_souhrnu(const QList<souhrn_temy_t> &souhrn)
{
    QList<QStringList> radky;
    for (const souhrn_temy_t &s : souhrn)
        radky.append({s.nazev.isEmpty() ? QStringLiteral("(bez témy)") : s.nazev, QString::number(s.navstev),
                      podil_text(s.podil), znamka_text(s.znamka), QString::number(s.znamky[0])});
    return radky;
}

const QStringList nadpisy_souhrnu = {QStringLiteral("Téma"), QStringLiteral("Návštev"),
                                     QStringLiteral("Priemerná úspešnosť"), QStringLiteral("Priemerná známka"),
                                     QStringLiteral("Nedokončené")};

} // namespace

okno_ucitele::okno_ucitele(QWidget *rodic) : QMainWindow(rodic)
{
    setWindowTitle(QStringLiteral("Ortanel – Verbano 2: výsledky žiakov"));
    resize(1100, 720);
    model_ = new model_zaznamu(this);
    vyber_ = new vyber_zaznamu(model_, this);

    QMenu *subor = menuBar()->addMenu(QStringLiteral("&Súbor"));
    subor->addAction(QStringLiteral("Otvoriť &priečinok s údajmi…"), this, &okno_ucitele::otvor_priecinok);
    subor->addAction(QStringLiteral("&Otvoriť súbor výsledkov…"), QKeySequence::Open, this, &okno_ucitele::otvor_subor);
    subor->addAction(QStringLiteral("&Načítať znova"), QKeySequence::Refresh, this, [this] { otvor(cesta_logu_); });
    subor->addSeparator();
    subor->addAction(QStringLiteral("&Uložiť zobrazené záznamy ako CSV…"), QKeySequence::Save, this,
                     &okno_ucitele::uloz_csv_dialogom);
    subor->addAction(QStringLiteral("&Tlačiť správu…"), QKeySequence::Print, this, &okno_ucitele::tlac_dialogom);
    subor->addSeparator();
    subor->addAction(QStringLiteral("&Zavrieť"), QKeySequence::Close, this, &QWidget::close);

    auto *stred = new QWidget;
    auto *rozlozeni = new QVBoxLayout(stred);
    auto *pruh = new QWidget;
    postav_filtry(pruh);
    rozlozeni->addWidget(pruh);

    tabulka_ = new QTableView;
    tabulka_->setModel(vyber_);
    tabulka_->setSortingEnabled(true);
    tabulka_->sortByColumn(model_zaznamu::kdy, Qt::AscendingOrder);
    tabulka_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabulka_->setAlternatingRowColors(true);
    tabulka_->verticalHeader()->hide();
    tabulka_->verticalHeader()->setDefaultSectionSize(tabulka_->fontMetrics().height() + 6);
    tabulka_->horizontalHeader()->setSectionResizeMode(model_zaznamu::tema, QHeaderView::Stretch);
    for (int s = model_zaznamu::rocnik; s < model_zaznamu::pocet_sloupcu; ++s)
        tabulka_->setColumnWidth(s, 80);
    tabulka_->setColumnWidth(model_zaznamu::zak, 220);
    tabulka_->setColumnWidth(model_zaznamu::kdy, 140);
    tabulka_->setColumnWidth(model_zaznamu::rocnik, 60);
    tabulka_->setColumnWidth(model_zaznamu::znamka, 110);

    pohledy_ = new QTabWidget;
    pohledy_->addTab(tabulka_, QStringLiteral("Záznamy"));
    pohledy_->addTab(postav_zaka(), QStringLiteral("Žiak"));
    pohledy_->addTab(postav_temy(), QStringLiteral("Témy ročníka"));
    pohledy_->addTab(postav_najlepsich(), QStringLiteral("Desať najlepších"));
    rozlozeni->addWidget(pohledy_, 1);
    setCentralWidget(stred);
    connect(pohledy_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 1)
            obnov_zaka();
        else if (i == 2)
            obnov_temy();
    });
    // A double click on a record opens that pupil's progress.
    connect(tabulka_, &QTableView::doubleClicked, this, [this](const QModelIndex &i) {
        vyber_zaka_->setCurrentText(model_->zaznamy()[vyber_->mapToSource(i).row()].jmeno);
        pohledy_->setCurrentIndex(1);
    });

    stav_ = new QLabel;
    statusBar()->addWidget(stav_, 1);
}

void okno_ucitele::postav_filtry(QWidget *pruh)
{
    auto *r = new QHBoxLayout(pruh);
    r->setContentsMargins(0, 0, 0, 0);
    filtr_zaka_ = new QLineEdit;
    filtr_zaka_->setObjectName(QStringLiteral("filtr_zaka"));
    filtr_zaka_->setPlaceholderText(QStringLiteral("meno alebo jeho časť"));
    filtr_zaka_->setClearButtonEnabled(true);
    filtr_zaka_->setMinimumWidth(180);
    auto *doplnovani = new QCompleter(this);
    doplnovani->setCaseSensitivity(Qt::CaseInsensitive);
    doplnovani->setFilterMode(Qt::MatchContains);
    filtr_zaka_->setCompleter(doplnovani);

    const auto datum = [](const QString &jmeno) {
        auto *d = new QDateEdit;
        d->setObjectName(jmeno);
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("d. M. yyyy"));
        d->setMinimumDate(QDate(2000, 1, 1));
        d->setSpecialValueText(QStringLiteral("—"));
        d->setDate(d->minimumDate());
        return d;
    };
    od_ = datum(QStringLiteral("od"));
    do_ = datum(QStringLiteral("do"));

    filtr_rocniku_ = new QComboBox;
    filtr_rocniku_->setObjectName(QStringLiteral("filtr_rocniku"));
    filtr_rocniku_->addItem(QStringLiteral("všetky"), 0);
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        filtr_rocniku_->addItem(katalog_temat::nazev_rocniku(r), r + 4);
    filtr_temy_ = new QComboBox;
    filtr_temy_->setObjectName(QStringLiteral("filtr_temy"));
    filtr_temy_->setMinimumContentsLength(18);
    filtr_znamky_ = new QComboBox;
    filtr_znamky_->setObjectName(QStringLiteral("filtr_znamky"));
    filtr_znamky_->addItem(QStringLiteral("všetky"), -1);
    for (int z = 1; z <= 5; ++z)
        filtr_znamky_->addItem(QString::number(z), z);
    filtr_znamky_->addItem(QStringLiteral("nedokončené"), 0);
    skryt_ = new QCheckBox(QStringLiteral("Skryť nedokončené"));
    skryt_->setObjectName(QStringLiteral("skryt_nedokoncene"));

    const auto stitek = [r](const QString &text, QWidget *pole) {
        auto *s = new QLabel(text);
        s->setBuddy(pole);
        r->addWidget(s);
        r->addWidget(pole);
    };
    stitek(QStringLiteral("Ž&iak:"), filtr_zaka_);
    stitek(QStringLiteral("O&d:"), od_);
    stitek(QStringLiteral("D&o:"), do_);
    stitek(QStringLiteral("&Ročník:"), filtr_rocniku_);
    stitek(QStringLiteral("&Téma:"), filtr_temy_);
    stitek(QStringLiteral("Zná&mka:"), filtr_znamky_);
    r->addWidget(skryt_);
    r->addStretch(1);

    const auto temata = [this] {
        const int rocnik = filtr_rocniku_->currentData().toInt();
        QSignalBlocker ticho(filtr_temy_);
        filtr_temy_->clear();
        filtr_temy_->addItem(QStringLiteral("všetky"), 0);
        for (int t = 1; t <= katalog_temat::pocet_temat(rocnik - 4); ++t)
            filtr_temy_->addItem(katalog_temat::nazev_log(rocnik - 4, t), t);
        filtr_temy_->setEnabled(rocnik != 0);
    };
    temata();
    connect(filtr_rocniku_, &QComboBox::currentIndexChanged, this, [this, temata] {
        temata();
        if (const int i = rocnik_tem_->findData(filtr_rocniku_->currentData());
            i >= 0 && filtr_rocniku_->currentIndex())
            rocnik_tem_->setCurrentIndex(i);
        zmen_filtr();
    });
    connect(filtr_zaka_, &QLineEdit::textChanged, this, &okno_ucitele::zmen_filtr);
    connect(od_, &QDateEdit::dateChanged, this, &okno_ucitele::zmen_filtr);
    connect(do_, &QDateEdit::dateChanged, this, &okno_ucitele::zmen_filtr);
    connect(filtr_temy_, &QComboBox::currentIndexChanged, this, &okno_ucitele::zmen_filtr);
    connect(filtr_znamky_, &QComboBox::currentIndexChanged, this, &okno_ucitele::zmen_filtr);
    connect(skryt_, &QCheckBox::toggled, this, &okno_ucitele::zmen_filtr);
}

QWidget *okno_ucitele::postav_zaka()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    auto *r = new QHBoxLayout;
    vyber_zaka_ = new QComboBox;
    vyber_zaka_->setObjectName(QStringLiteral("vyber_zaka"));
    vyber_zaka_->setEditable(true);
    vyber_zaka_->setInsertPolicy(QComboBox::NoInsert);
    vyber_zaka_->setMinimumContentsLength(30);
    vyber_zaka_->completer()->setFilterMode(Qt::MatchContains);
    vyber_zaka_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    auto *s = new QLabel(QStringLiteral("Ž&iak:"));
    s->setBuddy(vyber_zaka_);
    r->addWidget(s);
    r->addWidget(vyber_zaka_);
    r->addStretch(1);
    l->addLayout(r);
    auto *delic = new QSplitter(Qt::Vertical);
    graf_zaka_ = novy_graf();
    graf_zaka_->setObjectName(QStringLiteral("graf_zaka"));
    temy_zaka_ = nova_tabulka();
    delic->addWidget(graf_zaka_);
    delic->addWidget(temy_zaka_);
    delic->setStretchFactor(0, 3);
    delic->setStretchFactor(1, 1);
    l->addWidget(delic, 1);
    connect(vyber_zaka_, &QComboBox::currentTextChanged, this, [this] {
        if (pohledy_->currentIndex() == 1)
            obnov_zaka();
    });
    return w;
}

QWidget *okno_ucitele::postav_temy()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    auto *r = new QHBoxLayout;
    rocnik_tem_ = new QComboBox;
    rocnik_tem_->setObjectName(QStringLiteral("rocnik_tem"));
    for (int g = 1; g <= katalog_temat::pocet_rocniku; ++g)
        rocnik_tem_->addItem(katalog_temat::nazev_rocniku(g), g + 4);
    auto *s = new QLabel(QStringLiteral("&Ročník:"));
    s->setBuddy(rocnik_tem_);
    r->addWidget(s);
    r->addWidget(rocnik_tem_);
    r->addStretch(1);
    l->addLayout(r);
    auto *delic = new QSplitter(Qt::Vertical);
    graf_tem_ = novy_graf();
    graf_tem_->setObjectName(QStringLiteral("graf_tem"));
    souhrn_tem_ = nova_tabulka();
    delic->addWidget(graf_tem_);
    delic->addWidget(souhrn_tem_);
    delic->setStretchFactor(0, 3);
    delic->setStretchFactor(1, 1);
    l->addWidget(delic, 1);
    connect(rocnik_tem_, &QComboBox::currentIndexChanged, this, &okno_ucitele::obnov_temy);
    return w;
}

QWidget *okno_ucitele::postav_najlepsich()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    auto *r = new QHBoxLayout;
    sekce_najlepsich_ = new QComboBox;
    sekce_najlepsich_->setObjectName(QStringLiteral("sekce_najlepsich"));
    sekce_najlepsich_->setMinimumContentsLength(40);
    auto *s = new QLabel(QStringLiteral("&Téma a druh cvičenia:"));
    s->setBuddy(sekce_najlepsich_);
    r->addWidget(s);
    r->addWidget(sekce_najlepsich_);
    r->addStretch(1);
    l->addLayout(r);
    najlepsi_radky_ = nova_tabulka();
    l->addWidget(najlepsi_radky_, 1);
    connect(sekce_najlepsich_, &QComboBox::currentIndexChanged, this, &okno_ucitele::obnov_najlepsich);
    return w;
}

void okno_ucitele::otvor(const QString &cesta)
{
    cesta_logu_ = cesta.isEmpty() ? QString() : cesta_logu(cesta);
    nacteny_log_t log;
    if (cesta_logu_.isEmpty())
        log.chyba = QStringLiteral("Priečinok s údajmi nie je nastavený; otvorte ho v ponuke Súbor.");
    else
        log = nacti_log(cesta_logu_);
    if (log.chybi)
        log.chyba = QStringLiteral("V %1 zatiaľ nie sú žiadne výsledky.").arg(QFileInfo(cesta_logu_).absolutePath());
    preskocene_ = log.preskocene_radky;
    const QStringList jmena = jmena_zaku(log.zaznamy);
    model_->nastav(std::move(log.zaznamy));
    filtr_zaka_->completer()->setModel(new QStringListModel(jmena, filtr_zaka_->completer()));
    {
        QSignalBlocker ticho(vyber_zaka_);
        vyber_zaka_->clear();
        vyber_zaka_->addItems(jmena);
    }
    najlepsi_ = cesta_logu_.isEmpty()
                    ? QList<najlepsi_t>()
                    : nacti_najlepsich(spoj_cestu(QFileInfo(cesta_logu_).absolutePath(), QStringLiteral("TAB.DAT")));
    {
        QSignalBlocker ticho(sekce_najlepsich_);
        sekce_najlepsich_->clear();
        for (const najlepsi_t &n : najlepsi_) {
            const QString tema = katalog_temat::nazev_log(n.rocnik - 4, n.tema);
            sekce_najlepsich_->addItem(
                QStringLiteral("%1. ročník – %2 – %3")
                    .arg(n.rocnik)
                    .arg(tema.isEmpty() ? QStringLiteral("téma %1").arg(n.tema) : tema, nazev_druhu(n.druh)));
        }
    }
    obnov_najlepsich();
    setWindowTitle(cesta_logu_.isEmpty()
                       ? QStringLiteral("Ortanel – Verbano 2: výsledky žiakov")
                       : QStringLiteral("Ortanel – Verbano 2: výsledky žiakov – %1").arg(cesta_logu_));
    stav_->setStyleSheet(log.chyba.isEmpty() ? QString() : QStringLiteral("color: #c62828"));
    zmen_filtr();
    if (!log.chyba.isEmpty())
        stav_->setText(log.chyba);
}

QString okno_ucitele::stav() const { return stav_->text(); }

void okno_ucitele::zmen_filtr()
{
    filtr_t f;
    f.jmeno = filtr_zaka_->text().trimmed();
    f.od = od_->date() == od_->minimumDate() ? QDate() : od_->date();
    f.do_ = do_->date() == do_->minimumDate() ? QDate() : do_->date();
    f.rocnik = filtr_rocniku_->currentData().toInt();
    f.tema = filtr_temy_->currentData().toInt();
    f.znamka = filtr_znamky_->currentData().toInt();
    f.skryt_nedokoncene = skryt_->isChecked();
    vyber_->nastav_filtr(f);
    // The first pupil the typed name fits is the one whose progress the next view shows.
    if (!f.jmeno.isEmpty())
        if (const int i = vyber_zaka_->findText(f.jmeno, Qt::MatchContains); i >= 0)
            vyber_zaka_->setCurrentIndex(i);
    QString text = QStringLiteral("Záznamov: %1, zobrazených: %2.").arg(model_->rowCount()).arg(vyber_->rowCount());
    if (preskocene_)
        text += QStringLiteral(" Preskočené poškodené riadky: %1.").arg(preskocene_);
    stav_->setText(text);
    if (pohledy_->currentIndex() == 1)
        obnov_zaka();
    else if (pohledy_->currentIndex() == 2)
        obnov_temy();
}

void okno_ucitele::obnov_zaka()
{
    const QString jmeno = vyber_zaka_->currentText();
    const QList<zaznam_t> &zaznamy = model_->zaznamy();
    filtr_t f = vyber_->filtr();
    f.jmeno.clear();
    const QList<int> prubeh = prubeh_zaka(zaznamy, ::vyber(zaznamy, f), jmeno);

    QChart *graf = graf_zaka_->chart();
    graf->removeAllSeries();
    for (QAbstractAxis *osa : graf->axes())
        graf->removeAxis(osa);
    graf->setTitle(jmeno.isEmpty() ? QStringLiteral("Vyberte žiaka")
                                   : QStringLiteral("%1: úspešnosť a známky").arg(jmeno));
    auto *podily = new QLineSeries;
    podily->setName(QStringLiteral("Úspešnosť (%)"));
    podily->setPointsVisible(true);
    auto *znamky = new QScatterSeries;
    znamky->setName(QStringLiteral("Známka"));
    znamky->setMarkerSize(9);
    znamky->setColor(barvy_znamek[5]);
    QDateTime prvni, posledni;
    for (const int i : prubeh) {
        const zaznam_t &z = zaznamy[i];
        if (!z.dokonceny() || !z.datum.isValid())
            continue;
        const qreal x = qreal(z.kdy().toMSecsSinceEpoch());
        if (z.podil() >= 0)
            podily->append(x, z.podil() * 100);
        znamky->append(x, z.znamka);
        prvni = prvni.isValid() ? qMin(prvni, z.kdy()) : z.kdy();
        posledni = posledni.isValid() ? qMax(posledni, z.kdy()) : z.kdy();
    }
    graf->addSeries(podily);
    graf->addSeries(znamky);
    auto *cas = new QDateTimeAxis;
    cas->setFormat(QStringLiteral("d. M. yyyy"));
    cas->setTitleText(QStringLiteral("Dátum"));
    if (prvni.isValid())
        cas->setRange(prvni.addSecs(-43200), posledni.addSecs(43200));
    auto *procenta = new QValueAxis;
    procenta->setRange(0, 100);
    procenta->setLabelFormat(QStringLiteral("%d %"));
    procenta->setTitleText(QStringLiteral("Úspešnosť"));
    auto *stupnice = new QValueAxis;
    stupnice->setRange(1, 5);
    stupnice->setReverse(true);
    stupnice->setTickCount(5);
    stupnice->setLabelFormat(QStringLiteral("%.0f"));
    stupnice->setTitleText(QStringLiteral("Známka"));
    graf->addAxis(cas, Qt::AlignBottom);
    graf->addAxis(procenta, Qt::AlignLeft);
    graf->addAxis(stupnice, Qt::AlignRight);
    podily->attachAxis(cas);
    podily->attachAxis(procenta);
    znamky->attachAxis(cas);
    znamky->attachAxis(stupnice);

    napln(temy_zaka_, nadpisy_souhrnu, radky_souhrnu(souhrn_temat(zaznamy, prubeh)));
}

void okno_ucitele::obnov_temy()
{
    const QList<zaznam_t> &zaznamy = model_->zaznamy();
    filtr_t f = vyber_->filtr();
    f.rocnik = rocnik_tem_->currentData().toInt();
    f.tema = 0;
    const QList<souhrn_temy_t> souhrn = souhrn_temat(zaznamy, ::vyber(zaznamy, f), f.rocnik);

    QChart *graf = graf_tem_->chart();
    graf->removeAllSeries();
    for (QAbstractAxis *osa : graf->axes())
        graf->removeAxis(osa);
    graf->setTitle(QStringLiteral("%1: známky podľa tém").arg(rocnik_tem_->currentText()));
    auto *pruhy = new QHorizontalStackedBarSeries;
    QStringList nazvy;
    for (const souhrn_temy_t &s : souhrn)
        nazvy.prepend(QStringLiteral("%1 (%2)").arg(s.nazev, podil_text(s.podil)));
    int nejvic = 1;
    for (const souhrn_temy_t &s : souhrn)
        nejvic = qMax(nejvic, s.navstev);
    for (int z : {1, 2, 3, 4, 5, 0}) {
        auto *sada = new QBarSet(nazev_znamky(z));
        sada->setColor(barvy_znamek[z]);
        for (qsizetype k = souhrn.size() - 1; k >= 0; --k)
            sada->append(souhrn[k].znamky[z]);
        pruhy->append(sada);
    }
    graf->addSeries(pruhy);
    auto *kategorie = new QBarCategoryAxis;
    kategorie->append(nazvy);
    auto *pocty = new QValueAxis;
    pocty->setLabelFormat(QStringLiteral("%d"));
    pocty->setTitleText(QStringLiteral("Počet návštev"));
    graf->addAxis(kategorie, Qt::AlignLeft);
    graf->addAxis(pocty, Qt::AlignBottom);
    pruhy->attachAxis(kategorie);
    pruhy->attachAxis(pocty);
    pocty->setRange(0, nejvic);
    pocty->applyNiceNumbers();

    napln(souhrn_tem_, nadpisy_souhrnu, radky_souhrnu(souhrn));
}

void okno_ucitele::obnov_najlepsich()
{
    QList<QStringList> radky;
    const int i = sekce_najlepsich_->currentIndex();
    if (i >= 0 && i < najlepsi_.size()) {
        int poradi = 0;
        for (const najlepsi_t::radek_t &r : najlepsi_[i].radky)
            radky.append({QString::number(++poradi), r.jmeno, QString::number(r.spravne), QString::number(r.spatne),
                          QString::number(r.znamka)});
    }
    napln(najlepsi_radky_,
          {QStringLiteral("Poradie"), QStringLiteral("Žiak"), QStringLiteral("Správne"), QStringLiteral("Nesprávne"),
           QStringLiteral("Známka")},
          radky);
}

bool okno_ucitele::vyvezi(const QString &cesta, QString *chyba)
{
    return uloz_csv(cesta, sestav_csv(model_->zaznamy(), vyber_->zobrazene()), chyba);
}

void okno_ucitele::vytlac(QPrinter &tlaciaren)
{
    // A report of one pupil's records shows that pupil's progress.
    const QStringList jmena = jmena_zaku([this] {
        QList<zaznam_t> zobrazene;
        for (const int i : vyber_->zobrazene())
            zobrazene.append(model_->zaznamy()[i]);
        return zobrazene;
    }());
    if (jmena.size() == 1)
        vyber_zaka_->setCurrentText(jmena.first());
    obnov_zaka();
    obnov_temy();
    QTextDocument dokument;
    QString html = QStringLiteral("<h2>Výsledky žiakov</h2><p>%1</p>").arg(stav_->text().toHtmlEscaped());
    const auto obrazek = [&](QChartView *v, const QString &jmeno) {
        // At a size that reads well on paper, whatever the window's size; then back.
        const QSize velikost = v->size();
        v->resize(900, 480);
        dokument.addResource(QTextDocument::ImageResource, QUrl(jmeno), v->grab().toImage());
        v->resize(velikost);
        html += QStringLiteral("<p><img src=\"%1\" width=\"640\"></p>").arg(jmeno);
    };
    if (jmena.size() == 1)
        obrazek(graf_zaka_, QStringLiteral("zak.png"));
    obrazek(graf_tem_, QStringLiteral("temy.png"));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
    for (int s = 0; s < model_zaznamu::pocet_sloupcu; ++s)
        html += QStringLiteral("<th>%1</th>").arg(model_->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString());
    html += QStringLiteral("</tr>");
    for (int r = 0; r < vyber_->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int s = 0; s < model_zaznamu::pocet_sloupcu; ++s)
            html += QStringLiteral("<td>%1</td>").arg(vyber_->index(r, s).data().toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    dokument.setDefaultFont(QFont(font().family(), 8));
    dokument.setHtml(html);
    dokument.print(&tlaciaren);
}

void okno_ucitele::otvor_priecinok()
{
    const QString d = QFileDialog::getExistingDirectory(this, QStringLiteral("Otvoriť priečinok s údajmi"),
                                                        QFileInfo(cesta_logu_).absolutePath());
    if (!d.isEmpty())
        otvor(d);
}

void okno_ucitele::otvor_subor()
{
    const QString s = QFileDialog::getOpenFileName(this, QStringLiteral("Otvoriť súbor výsledkov"),
                                                   QFileInfo(cesta_logu_).absolutePath(),
                                                   QStringLiteral("Súbory výsledkov (*.DAT *.dat);;Všetky súbory (*)"));
    if (!s.isEmpty())
        otvor(s);
}

void okno_ucitele::uloz_csv_dialogom()
{
    const QString s =
        QFileDialog::getSaveFileName(this, QStringLiteral("Uložiť zobrazené záznamy ako CSV"),
                                     QStringLiteral("vysledky.csv"), QStringLiteral("Tabuľka CSV (*.csv)"));
    if (s.isEmpty())
        return;
    QString chyba;
    if (!vyvezi(s, &chyba))
        QMessageBox::warning(this, QStringLiteral("Uloženie sa nepodarilo"), chyba);
    else
        statusBar()->showMessage(QStringLiteral("Uložené do %1.").arg(s), 5000);
}

void okno_ucitele::tlac_dialogom()
{
    QPrinter tlaciaren(QPrinter::HighResolution);
    tlaciaren.setDocName(QStringLiteral("Výsledky žiakov"));
    QPrintDialog dialog(&tlaciaren, this);
    dialog.setWindowTitle(QStringLiteral("Tlačiť správu"));
    if (dialog.exec() == QDialog::Accepted)
        vytlac(tlaciaren);
}
