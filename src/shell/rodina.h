#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <type_traits>
#include <vector>

// Gives a new element what it inherits from its template: geometry, enabled state,
// colours, font, pointer (when the template sets one), frame, alignment, texts and
// limits of the known widget kinds (labels, line and text edits, lists, picture areas),
// the highlight mark of a hit area, and every dynamic property (the template's tags).
void zdedi_od_sablony(const QWidget &sablona, QWidget &novy);

// Screen elements that come in numbers (gap boxes, choice labels and lists, speakers,
// counters, result marks, table rows): element 0 is a hidden template laid out with the
// screen; elements 1, 2, … are made from it on the template's parent, inherit from it
// (zdedi_od_sablony) and start hidden above it, for the caller to place and show.
// Elements of one family share their handlers, as the index passed to the creation hook
// tells them apart:
//
//     rodina_prvku<QLineEdit> dopln_box(sablona);
//     dopln_box.pri_vytvoreni([this](QLineEdit *box, int i) {
//         connect(box, &QLineEdit::returnPressed, this, [this, i] { enter_v_boxu(i); });
//     });
//     QLineEdit *box = dopln_box.vytvor(1);
//
// W must be a widget that can be made from its parent alone; a header may hold a family
// of a type it only declares.
template <typename W> class rodina_prvku
{
public:
    using hacek_t = std::function<void(W *prvek, int index)>;

    explicit rodina_prvku(W *sablona = nullptr) { nastav_sablonu(sablona); }
    rodina_prvku(const rodina_prvku &) = delete;
    rodina_prvku &operator=(const rodina_prvku &) = delete;

    // The template, index 0; it is hidden from now on.
    void nastav_sablonu(W *sablona)
    {
        sablona_ = sablona;
        if (sablona)
            sablona->hide();
    }
    W *sablona() const { return sablona_; }

    // Runs for every element made from now on, right after it inherited from the template.
    void pri_vytvoreni(hacek_t hacek) { hacek_ = std::move(hacek); }

    // Makes element index (1, 2, …) from the template; an element that exists is
    // returned as it is. nullptr without a template or for an index below 1.
    W *vytvor(int index)
    {
        static_assert(std::is_base_of_v<QWidget, W>);
        if (!sablona_ || index < 1)
            return nullptr;
        if (W *ten = prvek(index))
            return ten;
        auto *novy = new W(sablona_->parentWidget());
        zdedi_od_sablony(*sablona_, *novy);
        novy->hide();
        novy->raise();
        if (index >= int(prvky_.size()))
            prvky_.resize(index + 1);
        prvky_[index] = novy;
        if (hacek_)
            hacek_(novy, index);
        return novy;
    }

    // Element index (0 is the template), or nullptr when it does not exist.
    W *prvek(int index) const
    {
        if (index == 0)
            return sablona_;
        if (index < 0 || index >= int(prvky_.size()))
            return nullptr;
        return prvky_[index];
    }
    W *operator[](int index) const { return prvek(index); }

    // The highest index made and not removed; 0 when there is none.
    int pocet() const
    {
        for (int i = int(prvky_.size()) - 1; i >= 1; --i)
            if (prvky_[i])
                return i;
        return 0;
    }

    // Hides and removes element index (never the template).
    void odstran(int index)
    {
        if (index < 1 || index >= int(prvky_.size()) || !prvky_[index])
            return;
        QPointer<W> ten = prvky_[index];
        prvky_[index] = nullptr;
        ten->hide();
        // Later, so that an element may be removed from its own handler.
        ten->deleteLater();
    }

private:
    QPointer<W> sablona_;
    std::vector<QPointer<W>> prvky_; // index 0 unused: the template is apart
    hacek_t hacek_;
};
