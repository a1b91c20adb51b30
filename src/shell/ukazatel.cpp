#include "shell/ukazatel.h"

#include <QCursor>
#include <QGuiApplication>

void ukaz_presypaci_hodiny()
{
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void obnov_ukazatel()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool jsou_presypaci_hodiny()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}

bez_presypacich_hodin_t::bez_presypacich_hodin_t()
{
    for (; QGuiApplication::overrideCursor(); ++zvednuto_)
        QGuiApplication::restoreOverrideCursor();
}

bez_presypacich_hodin_t::~bez_presypacich_hodin_t()
{
    for (int i = 0; i < zvednuto_; ++i)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}
