#pragma once

#include <QList>
#include <QSize>
#include <QString>

// A private X server (Xvfb) for a test that needs a real display. Made before the
// QApplication: when the server runs, DISPLAY names it and Qt uses its X11 platform;
// otherwise nothing changes and the test skips what needs X (duvod() says why). The
// server ends with the object, or with the test's process when that ends first.
class vlastni_x
{
public:
    explicit vlastni_x(QSize velikost);
    ~vlastni_x();
    vlastni_x(const vlastni_x &) = delete;
    vlastni_x &operator=(const vlastni_x &) = delete;

    bool bezi() const { return pid_ > 0; }
    long pid() const { return pid_; }
    QString displej() const { return displej_; }
    QString duvod() const { return duvod_; }

private:
    long pid_ = -1;
    QString displej_;
    QString duvod_;
};

// The screens of the classrooms: the stage's own size, laptops, monitors and projectors.
inline const QList<QSize> velikosti_trid{{640, 480}, {1366, 768}, {1920, 1080}};
