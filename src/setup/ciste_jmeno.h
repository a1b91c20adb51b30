#pragma once

#include <QValidator>

// Keeps the name box free of what jmeno_pro_box (common/jmeno.h) takes out, whether typed
// or pasted.
class validator_jmena : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &vstup, int &pozice) const override;
};
