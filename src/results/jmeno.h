#pragma once

#include <QString>

// The pupil's name as it may stand in a score table row or a log record: without "|" and
// without anything that ends or breaks a line, trimmed.
QString bezpecne_jmeno(const QString &jmeno);
