#include "pomoc/vlastni_x.h"

#include <QByteArray>
#include <QStandardPaths>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

vlastni_x::vlastni_x(QSize velikost)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        duvod_ = QStringLiteral("Xvfb is not installed");
        return;
    }
    int roura[2];
    if (pipe(roura) != 0) {
        duvod_ = QStringLiteral("no pipe");
        return;
    }
    const QByteArray program = xvfb.toLocal8Bit();
    const QByteArray fd = QByteArray::number(roura[1]);
    const QByteArray obrazovka = QStringLiteral("%1x%2x24").arg(velikost.width()).arg(velikost.height()).toLatin1();
    const pid_t pid = fork();
    if (pid == 0) {
        close(roura[0]);
        execl(program.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", obrazovka.constData(),
              "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(roura[1]);
    if (pid < 0) {
        close(roura[0]);
        duvod_ = QStringLiteral("cannot start Xvfb");
        return;
    }
    // The server writes its display number once it accepts clients.
    QByteArray cislo;
    pollfd cekani{roura[0], POLLIN, 0};
    while (!cislo.endsWith('\n') && poll(&cekani, 1, 10000) > 0) {
        char c;
        if (read(roura[0], &c, 1) != 1)
            break;
        cislo.append(c);
    }
    close(roura[0]);
    if (!cislo.endsWith('\n')) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        duvod_ = QStringLiteral("Xvfb did not start");
        return;
    }
    pid_ = pid;
    displej_ = QStringLiteral(":") + QString::fromLatin1(cislo.trimmed());
    qputenv("DISPLAY", displej_.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
}

vlastni_x::~vlastni_x()
{
    if (pid_ <= 0)
        return;
    kill(pid_t(pid_), SIGTERM);
    waitpid(pid_t(pid_), nullptr, 0);
}
