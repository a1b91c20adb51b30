#pragma once

#include <QString>
#include <QValidator>

// The pupil's name ends up in "|"-separated rows of the score table and in the lines of
// the results log, so no name may carry a "|" or anything that breaks a line.

// The name box's text with what the box does not accept taken out: "|" is dropped, and
// every run of line breaks, tabs and other control characters becomes one space (a name
// pasted over two lines keeps its two words).
QString jmeno_pro_box(const QString &text);

// The name as it is stored for the rest of the program: line breaks and control
// characters as in the box, "|" replaced by "/", spaces trimmed at both ends.
QString jmeno_k_ulozeni(const QString &text);

// Keeps the name box free of what jmeno_pro_box takes out, whether typed or pasted.
class validator_jmena : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &vstup, int &pozice) const override;
};
