#include "exercise/prvky_cviceni.h"

#include "common/pismo.h"
#include "exercise/seznam_vyberu.h"
#include "exercise/uvozovky.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextCursor>

namespace
{

// QLineEdit's "no limit".
constexpr int bez_limitu = 32767;
// Characters a box never takes from the keyboard (Ctrl+] gives it).
constexpr QChar znak_29(29);

bool je_enter(const QKeyEvent *u) { return u->key() == Qt::Key_Return || u->key() == Qt::Key_Enter; }

bool je_zahozeny_znak(const QKeyEvent *u) { return u->text().size() == 1 && u->text().at(0) == znak_29; }

bool je_uvozovka(const QKeyEvent *u)
{
    return je_klavesa_uvozovek(u->nativeScanCode(), QGuiApplication::platformName() == QLatin1String("windows"));
}

// The modifiers of the quote key's press, taken at its release.
Qt::KeyboardModifiers modifikatory_stisku(std::optional<Qt::KeyboardModifiers> &pri_stisku, const QKeyEvent *u)
{
    const Qt::KeyboardModifiers m = pri_stisku.value_or(u->modifiers());
    pri_stisku.reset();
    return m;
}

// What a key press in a text box comes to: Enter answers the page, the dropped character
// stops here, anything else is the box's; the quote key's modifiers are kept for its release.
enum class stisk_t { enter, zahozeny, boxu };
stisk_t roztrid_stisk(const QKeyEvent *u, std::optional<Qt::KeyboardModifiers> &modifikatory_uvozovky)
{
    if (je_uvozovka(u))
        modifikatory_uvozovky = u->modifiers();
    if (je_enter(u))
        return stisk_t::enter;
    return je_zahozeny_znak(u) ? stisk_t::zahozeny : stisk_t::boxu;
}

bool je_f5(const QKeyEvent *u) { return u->key() == Qt::Key_F5 && !u->isAutoRepeat(); }

// Draws an entry as the page draws text: from 2 pixels in, the highlighted one inverted.
class kreslic_polozek : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *p, const QStyleOptionViewItem &volby, const QModelIndex &index) const override
    {
        const bool vybrana = volby.state & QStyle::State_Selected;
        p->save();
        p->fillRect(volby.rect, vybrana ? volby.palette.highlight() : volby.palette.base());
        p->setPen(vybrana ? volby.palette.color(QPalette::HighlightedText) : volby.palette.color(QPalette::Text));
        p->setFont(volby.font);
        p->drawText(volby.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        p->restore();
    }
};

} // namespace

// ---- gap box ----

box_mezery::box_mezery(QWidget *rodic) : QLineEdit(rodic)
{
    setFrame(false);
    setMouseTracking(true);
}

void box_mezery::nastav_pismo(int body)
{
    setFont(pismo_obrazovky(body));
    // A frameless line edit keeps 2 pixels each side and centres its text line; the page
    // draws from the pen's left and top, and the box is only 2 pixels wider than its text.
    const int vyska_textu = QFontMetrics(font()).height();
    setTextMargins(-2, 0, -2, height() - vyska_textu);
}

void box_mezery::keyPressEvent(QKeyEvent *udalost)
{
    const stisk_t stisk = roztrid_stisk(udalost, modifikatory_uvozovky_);
    if (stisk == stisk_t::boxu)
        return QLineEdit::keyPressEvent(udalost);
    udalost->accept();
    if (stisk == stisk_t::enter)
        emit enter();
}

void box_mezery::keyReleaseEvent(QKeyEvent *udalost)
{
    if (je_f5(udalost))
        emit f5();
    if (je_uvozovka(udalost)) {
        const bool vyber = hasSelectedText();
        const int p = vyber ? selectionStart() : cursorPosition();
        const int limit = maxLength() >= bez_limitu ? 0 : maxLength();
        if (const auto u = uvozovky(text(), p, vyber, modifikatory_stisku(modifikatory_uvozovky_, udalost), limit)) {
            setText(u->text);
            setCursorPosition(u->kurzor);
        }
    }
    QLineEdit::keyReleaseEvent(udalost);
}

void box_mezery::mouseMoveEvent(QMouseEvent *udalost)
{
    emit pohyb();
    QLineEdit::mouseMoveEvent(udalost);
}

// ---- sentence box ----

box_vety::box_vety(QWidget *rodic) : QPlainTextEdit(rodic)
{
    setFrameStyle(QFrame::NoFrame);
    // A pupil may type more lines than the box shows: none may slip out of reach.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
}

void box_vety::nastav_format(const format_viceradkoveho_boxu_t &format)
{
    setFont(format.pismo);
    setWordWrapMode(format.zalamovani);
    document()->setDocumentMargin(format.okraj_dokumentu);
}

void box_vety::zamkni()
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    clearFocus();
}

void box_vety::keyPressEvent(QKeyEvent *udalost)
{
    const stisk_t stisk = roztrid_stisk(udalost, modifikatory_uvozovky_);
    if (stisk == stisk_t::boxu)
        return QPlainTextEdit::keyPressEvent(udalost);
    udalost->accept();
    if (stisk == stisk_t::enter)
        emit enter();
}

void box_vety::keyReleaseEvent(QKeyEvent *udalost)
{
    if (je_f5(udalost))
        emit f5();
    if (je_uvozovka(udalost) && !isReadOnly()) {
        QTextCursor kurzor = textCursor();
        const bool vyber = kurzor.hasSelection();
        const int p = vyber ? kurzor.selectionStart() : kurzor.position();
        if (const auto u = uvozovky(toPlainText(), p, vyber, modifikatory_stisku(modifikatory_uvozovky_, udalost), 0)) {
            // Edited in place, so that the document keeps its margin and undo history.
            QTextCursor cely(document());
            cely.select(QTextCursor::Document);
            cely.insertText(u->text);
            cely.setPosition(u->kurzor);
            setTextCursor(cely);
        }
    }
    QPlainTextEdit::keyReleaseEvent(udalost);
}

void box_vety::mouseMoveEvent(QMouseEvent *udalost)
{
    emit pohyb();
    QPlainTextEdit::mouseMoveEvent(udalost);
}

void box_vety::insertFromMimeData(const QMimeData *zdroj)
{
    if (!zdroj || !zdroj->hasText())
        return;
    QString text = zdroj->text();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar zlom : {QChar(u'\n'), QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        text.replace(zlom, u' ');
    insertPlainText(text);
}

// ---- choice label ----

popisek_vyberu::popisek_vyberu(QWidget *rodic) : QLabel(rodic) {}

void popisek_vyberu::zvol(const QString &tvar)
{
    volba_ = tvar;
    setText(tvar);
    update();
}

QString popisek_vyberu::odpoved() const { return volba_.value_or(odpoved_bez_volby); }

void popisek_vyberu::paintEvent(QPaintEvent *udalost)
{
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        if (!volba_) {
            // Smaller where the label is narrower than the mark (a comma's label).
            QFont pismo = font();
            while (pismo.pixelSize() > 8 && QFontMetrics(pismo).horizontalAdvance(zastupce_volby) > width() - 1)
                pismo.setPixelSize(pismo.pixelSize() - 1);
            p.setFont(pismo);
            p.setPen(QColor(128, 128, 128));
            p.drawText(rect(), Qt::AlignCenter, zastupce_volby);
            return;
        }
    }
    QLabel::paintEvent(udalost);
}

void popisek_vyberu::mousePressEvent(QMouseEvent *udalost)
{
    if (udalost->button() == Qt::LeftButton)
        stisknuto_ = true;
    udalost->accept();
}

void popisek_vyberu::mouseReleaseEvent(QMouseEvent *udalost)
{
    const bool klik_zde =
        udalost->button() == Qt::LeftButton && stisknuto_ && rect().contains(udalost->position().toPoint());
    if (udalost->button() == Qt::LeftButton)
        stisknuto_ = false;
    udalost->accept();
    if (klik_zde)
        emit klik();
}

// ---- choice list ----

seznam_vyberu::seznam_vyberu(QWidget *rodic) : QListWidget(rodic)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // The rows fill the whole list.
    viewport()->setAutoFillBackground(false);
    setItemDelegate(new kreslic_polozek(this));
}

void seznam_vyberu::nastav_polozky(const QStringList &polozky, int body, int vyska)
{
    setFont(pismo_obrazovky(body));
    clear();
    const int radek = polozky.isEmpty() ? vyska : vyska / static_cast<int>(polozky.size());
    for (const QString &p : polozky) {
        auto *polozka = new QListWidgetItem(text_polozky_seznamu(p), this);
        polozka->setData(Qt::UserRole, p);
        polozka->setSizeHint(QSize(1, radek));
    }
}

QString seznam_vyberu::tvar(int radek) const
{
    const QListWidgetItem *polozka = item(radek);
    return polozka ? polozka->data(Qt::UserRole).toString() : QString();
}

void seznam_vyberu::paintEvent(QPaintEvent *udalost)
{
    // One background under all rows: rows meeting between two window pixels leave no seam.
    {
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    }
    QListWidget::paintEvent(udalost);
    // An outline drawn over the rows' edge, so that an open list lying over the next
    // sentence reads as one list; a frame would move the rows the pointer is measured by.
    QPainter p(viewport());
    p.setPen(QColor(96, 118, 150));
    p.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

std::optional<int> seznam_vyberu::radek(double y) const { return radek_seznamu(y, height(), count()); }

void seznam_vyberu::mouseMoveEvent(QMouseEvent *udalost)
{
    udalost->accept();
    if (udalost->buttons() != Qt::NoButton)
        return;
    if (const auto r = radek(udalost->position().y()))
        setCurrentRow(*r);
}

void seznam_vyberu::mousePressEvent(QMouseEvent *udalost) { udalost->accept(); }

void seznam_vyberu::mouseReleaseEvent(QMouseEvent *udalost)
{
    udalost->accept();
    if (const auto r = radek(udalost->position().y()))
        emit vybrano(*r);
}

void seznam_vyberu::mouseDoubleClickEvent(QMouseEvent *udalost) { udalost->accept(); }

void seznam_vyberu::keyPressEvent(QKeyEvent *udalost) { udalost->accept(); }

void seznam_vyberu::keyReleaseEvent(QKeyEvent *udalost)
{
    udalost->accept();
    if (je_f5(udalost))
        emit f5();
}

void seznam_vyberu::wheelEvent(QWheelEvent *udalost) { udalost->accept(); }

// ---- the bubble's label ----

popisek_bubliny::popisek_bubliny(QWidget *rodic) : QLabel(rodic) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void popisek_bubliny::nastav(const QString &text, const bublina_t &rozvrh)
{
    rozvrh_ = rozvrh;
    setFont(pismo_obrazovky(rozvrh.body));
    setText(text);
    resize(sirka_popisku_bubliny, rozvrh.vyska);
    update();
}

void popisek_bubliny::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFont pismo = pismo_obrazovky(rozvrh_.body);
    const QFontMetrics metriky(pismo);
    const int krok = vyska_radku_bubliny(rozvrh_.body);
    const int odsazeni = (krok - metriky.height()) / 2 + metriky.ascent();
    p.setFont(pismo);
    p.setPen(Qt::black);
    for (qsizetype i = 0; i < rozvrh_.radky.size(); ++i)
        p.drawText(QPoint(0, static_cast<int>(i) * krok + odsazeni), rozvrh_.radky[i]);
}
