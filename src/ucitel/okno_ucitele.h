#pragma once

#include "prehled/najlepsi.h"
#include "prehled/rozbor.h"

#include <QMainWindow>

class QChartView;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPrinter;
class QTabWidget;
class QTableView;
class QTableWidget;
class model_zaznamu;
class vyber_zaznamu;

// The teacher's window over the results log: the records table with its filters, a pupil's
// progress, the topics of a grade, and the ten best of the score table. Reads, never writes,
// the pupils' files.
class okno_ucitele : public QMainWindow
{
    Q_OBJECT

public:
    explicit okno_ucitele(QWidget *rodic = nullptr);

    // Reads the log (and the score table beside it) of a data folder or a log file; an
    // empty path leaves the window empty with a hint where to open one.
    void otvor(const QString &cesta);

    vyber_zaznamu *vyber() const { return vyber_; }
    QString stav() const;
    // The report of what the filter shows: the table and the charts.
    void vytlac(QPrinter &tlaciaren);
    // The rows shown, in their order; the Slovak reason in `chyba` when it cannot be written.
    bool vyvezi(const QString &cesta, QString *chyba);

private:
    void postav_filtry(QWidget *pruh);
    QWidget *postav_zaka();
    QWidget *postav_temy();
    QWidget *postav_najlepsich();
    void zmen_filtr();
    void obnov_zaka();
    void obnov_temy();
    void obnov_najlepsich();
    void otvor_priecinok();
    void otvor_subor();
    void uloz_csv_dialogom();
    void tlac_dialogom();

    model_zaznamu *model_;
    vyber_zaznamu *vyber_;
    QString cesta_logu_;
    int preskocene_ = 0;
    QList<najlepsi_t> najlepsi_;

    QTabWidget *pohledy_;
    QTableView *tabulka_;
    QLineEdit *filtr_zaka_;
    QDateEdit *od_, *do_;
    QComboBox *filtr_rocniku_, *filtr_temy_, *filtr_znamky_;
    QCheckBox *skryt_;
    QComboBox *vyber_zaka_;
    QChartView *graf_zaka_;
    QTableWidget *temy_zaka_;
    QComboBox *rocnik_tem_;
    QChartView *graf_tem_;
    QTableWidget *souhrn_tem_;
    QComboBox *sekce_najlepsich_;
    QTableWidget *najlepsi_radky_;
    QLabel *stav_;
};
