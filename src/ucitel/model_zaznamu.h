#pragma once

#include "prehled/rozbor.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

// The log's records as a table: one row per record, the unfinished visits greyed.
class model_zaznamu : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum sloupec_t { zak, kdy, rocnik, tema, uloh, spravne, spatne, podil, znamka, pocet_sloupcu };

    explicit model_zaznamu(QObject *rodic = nullptr) : QAbstractTableModel(rodic) {}

    void nastav(QList<zaznam_t> zaznamy);
    const QList<zaznam_t> &zaznamy() const { return zaznamy_; }
    // Place of the record's name and topic in Slovak alphabetical order.
    int poradi_jmena(int radek) const { return poradi_jmena_[radek]; }
    int poradi_temy(int radek) const { return poradi_temy_[radek]; }
    float podil_radku(int radek) const { return podily_[radek]; }
    // Minutes since an epoch; records without a readable date first.
    qint64 kdy_radku(int radek) const { return kdy_[radek]; }

    int rowCount(const QModelIndex &rodic = {}) const override;
    int columnCount(const QModelIndex &rodic = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int sekce, Qt::Orientation smer, int role) const override;

private:
    QList<zaznam_t> zaznamy_;
    QList<int> poradi_jmena_, poradi_temy_;
    QList<float> podily_;
    QList<qint64> kdy_;
};

// The teacher's filter over the records and their order by any column, compared on the
// records themselves so that 100,000 rows sort in a moment.
class vyber_zaznamu : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit vyber_zaznamu(model_zaznamu *zdroj, QObject *rodic = nullptr);

    void nastav_filtr(const filtr_t &filtr);
    const filtr_t &filtr() const { return filtr_; }
    // Indices into the records of the rows shown, in the order shown.
    QList<int> zobrazene() const;

protected:
    bool filterAcceptsRow(int radek, const QModelIndex &rodic) const override;
    bool lessThan(const QModelIndex &vlevo, const QModelIndex &vpravo) const override;

private:
    model_zaznamu *zdroj_;
    filtr_t filtr_;
};
