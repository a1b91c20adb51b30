#include "pomoc/vlastni_x.h"

#include <QByteArray>
#include <QStandardPaths>
#include <csignal>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

vlastni_x::vlastni_x(QSize velikost)
{
    const QByteArray xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toLocal8Bit();
    int roura[2];
    if (xvfb.isEmpty() || pipe(roura) != 0) {
        duvod_ = QStringLiteral("Xvfb is not installed");
        return;
    }
    const QByteArray fd = QByteArray::number(roura[1]);
    const QByteArray obrazovka = QStringLiteral("%1x%2x24").arg(velikost.width()).arg(velikost.height()).toLatin1();
    const pid_t rodic = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // The server ends with the test however the test ends (a crash, a timeout's kill).
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != rodic)
            _exit(127);
        close(roura[0]);
        execl(xvfb.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", obrazovka.constData(),
              "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(roura[1]);
    // The server writes its display number once it accepts clients.
    QByteArray cislo;
    pollfd cekani{roura[0], POLLIN, 0};
    char c;
    while (pid > 0 && !cislo.endsWith('\n') && poll(&cekani, 1, 10000) > 0 && read(roura[0], &c, 1) == 1)
        cislo.append(c);
    close(roura[0]);
    if (!cislo.endsWith('\n')) {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
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
    if (pid_ > 0) {
        kill(pid_t(pid_), SIGTERM);
        waitpid(pid_t(pid_), nullptr, 0);
    }
}
