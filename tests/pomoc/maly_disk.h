#pragma once
// A tiny file system (a tmpfs, mounted by the test as root, unmounted with the object) that
// the test fills up, to see what the program does on a full disk.
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

class maly_disk
{
    QTemporaryDir dir_;
    QByteArray kde_ = QFile::encodeName(dir_.path());
    QString chyba_ =
        ::mount("tmpfs", kde_, "tmpfs", 0, "mode=0777,size=64k") == 0
            ? QString()
            : QStringLiteral("cannot mount a tmpfs to fill up: ") + QString::fromLocal8Bit(strerror(errno));

public:
    ~maly_disk() { chyba_.isEmpty() && ::umount2(kde_, MNT_DETACH); }
    QString chyba() const { return chyba_; } // empty when mounted
    QString cesta(const QString &nazev) const { return dir_.filePath(nazev); }
    qint64 volne() const
    {
        struct statvfs s {
        };
        return ::statvfs(kde_, &s) == 0 ? qint64(s.f_bavail) * s.f_frsize : -1;
    }
    // One file takes all but `volno` bytes.
    bool zaplni(qint64 volno) const
    {
        QFile f(cesta(QStringLiteral("ZAPLNENI")));
        for (f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
             volne() > volno && f.write(QByteArray(4096, 'x')) > 0;)
            ;
        return volne() == volno;
    }
};
