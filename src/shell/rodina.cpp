#include "shell/rodina.h"

#include "shell/plocha.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace
{

void zdedi_widget(const QWidget &s, QWidget &n)
{
    n.setGeometry(s.geometry());
    n.setEnabled(s.isEnabled());
    n.setPalette(s.palette());
    n.setBackgroundRole(s.backgroundRole());
    n.setForegroundRole(s.foregroundRole());
    n.setAutoFillBackground(s.autoFillBackground());
    n.setFont(s.font());
    if (s.testAttribute(Qt::WA_SetCursor))
        n.setCursor(s.cursor());
    n.setFocusPolicy(s.focusPolicy());
    n.setContextMenuPolicy(s.contextMenuPolicy());
    n.setMouseTracking(s.hasMouseTracking());
    n.setSizePolicy(s.sizePolicy());
    n.setMinimumSize(s.minimumSize());
    n.setMaximumSize(s.maximumSize());
    n.setToolTip(s.toolTip());
    n.setAttribute(Qt::WA_TransparentForMouseEvents, s.testAttribute(Qt::WA_TransparentForMouseEvents));
    if (!s.styleSheet().isEmpty())
        n.setStyleSheet(s.styleSheet());
    for (const QByteArray &jmeno : s.dynamicPropertyNames())
        n.setProperty(jmeno.constData(), s.property(jmeno.constData()));
}

void zdedi_ramecek(const QFrame &s, QFrame &n)
{
    n.setFrameShape(s.frameShape());
    n.setFrameShadow(s.frameShadow());
    n.setLineWidth(s.lineWidth());
    n.setMidLineWidth(s.midLineWidth());
}

void zdedi_posuvniky(const QAbstractScrollArea &s, QAbstractScrollArea &n)
{
    n.setHorizontalScrollBarPolicy(s.horizontalScrollBarPolicy());
    n.setVerticalScrollBarPolicy(s.verticalScrollBarPolicy());
}

void zdedi_popisek(const QLabel &s, QLabel &n)
{
    n.setTextFormat(s.textFormat());
    n.setText(s.text());
    n.setAlignment(s.alignment());
    n.setWordWrap(s.wordWrap());
    n.setMargin(s.margin());
    n.setIndent(s.indent());
    n.setTextInteractionFlags(s.textInteractionFlags());
}

void zdedi_radek(const QLineEdit &s, QLineEdit &n)
{
    n.setMaxLength(s.maxLength());
    n.setText(s.text());
    n.setAlignment(s.alignment());
    n.setFrame(s.hasFrame());
    n.setReadOnly(s.isReadOnly());
    n.setEchoMode(s.echoMode());
    n.setPlaceholderText(s.placeholderText());
    n.setTextMargins(s.textMargins());
}

void zdedi_text(const QTextEdit &s, QTextEdit &n)
{
    n.setAcceptRichText(s.acceptRichText());
    n.setPlainText(s.toPlainText());
    n.setAlignment(s.alignment());
    n.setLineWrapMode(s.lineWrapMode());
    n.setWordWrapMode(s.wordWrapMode());
    n.setReadOnly(s.isReadOnly());
    n.setTabChangesFocus(s.tabChangesFocus());
}

void zdedi_prosty_text(const QPlainTextEdit &s, QPlainTextEdit &n)
{
    n.setPlainText(s.toPlainText());
    n.setLineWrapMode(s.lineWrapMode());
    n.setWordWrapMode(s.wordWrapMode());
    n.setReadOnly(s.isReadOnly());
    n.setTabChangesFocus(s.tabChangesFocus());
}

void zdedi_seznam(const QAbstractItemView &s, QAbstractItemView &n)
{
    n.setSelectionMode(s.selectionMode());
    n.setSelectionBehavior(s.selectionBehavior());
    n.setEditTriggers(s.editTriggers());
}

template <typename T> bool oba(const QWidget &s, QWidget &n, void (*krok)(const T &, T &))
{
    const auto *ts = qobject_cast<const T *>(&s);
    auto *tn = qobject_cast<T *>(&n);
    if (!ts || !tn)
        return false;
    krok(*ts, *tn);
    return true;
}

} // namespace

void zdedi_od_sablony(const QWidget &sablona, QWidget &novy)
{
    zdedi_widget(sablona, novy);
    oba<QFrame>(sablona, novy, zdedi_ramecek);
    oba<QAbstractScrollArea>(sablona, novy, zdedi_posuvniky);
    oba<QLabel>(sablona, novy, zdedi_popisek);
    oba<QLineEdit>(sablona, novy, zdedi_radek);
    oba<QTextEdit>(sablona, novy, zdedi_text);
    oba<QPlainTextEdit>(sablona, novy, zdedi_prosty_text);
    oba<QAbstractItemView>(sablona, novy, zdedi_seznam);
    oba<aktivni_plocha>(
        sablona, novy, +[](const aktivni_plocha &s, aktivni_plocha &n) { n.nastav_zvyrazneni(s.zvyraznena()); });
    oba<obrazkova_plocha>(
        sablona, novy, +[](const obrazkova_plocha &s, obrazkova_plocha &n) { n.nastav_obrazek(s.obrazek()); });
}
