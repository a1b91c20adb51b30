#include "setup/ciste_jmeno.h"

#include "common/jmeno.h"

QValidator::State validator_jmena::validate(QString &vstup, int &pozice) const
{
    const QString cisty = jmeno_pro_box(vstup);
    if (cisty != vstup) {
        pozice = int(jmeno_pro_box(vstup.left(pozice)).size());
        vstup = cisty;
    }
    return Acceptable;
}
