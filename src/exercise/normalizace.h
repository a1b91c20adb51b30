#pragma once

#include <QString>

// The house style of whole sentences, made of the pupil's typing: spaces trimmed and
// collapsed; no space before , : . ! ? “ and one after each of them (none after . ! ?
// when “ follows, none at the end); one space before „ unless it opens the text, none
// after it. A mark at the very start is left alone.
QString normalizuj_odpoved(const QString &veta);

// Every run of two or more spaces becomes one space; nothing else changes.
QString sluc_mezery(const QString &text);

// The text without leading and trailing spaces (other white space stays).
QString bez_krajnich_mezer(const QString &text);
