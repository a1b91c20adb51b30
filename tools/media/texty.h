#pragma once

#include <QList>
#include <QString>

// A topic's help text (content/napoveda/<key>.txt): lines of plain Slovak; an empty line
// separates paragraphs, a line that starts with "• " is an example of its own.
struct odstavec_t {
    bool priklad = false;
    QString text;
};
QList<odstavec_t> precti_napovedu(const QString &obsah);
