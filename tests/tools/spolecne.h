#pragma once
// Helpers shared by the tool and installation tests.
#include <QFile>
#include <QProcess>

// Exit code and output of a program; -1 when it did not end normally.
inline std::pair<int, QString> spust(const QString &program, const QStringList &argumenty)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    const bool dobehl = p.waitForFinished(240000) && p.exitStatus() == QProcess::NormalExit;
    return {dobehl ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

// A file's bytes; empty when it cannot be read.
inline QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
