#include "pomoc/zvukovy_server.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>
#include <chrono>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int vzorkovani = 48000;
constexpr float prah = 0.02f;

// A crashed test must not leave its server behind.
void zemri_s_rodicem() { prctl(PR_SET_PDEATHSIG, SIGTERM); }

// The audible part of mono 16-bit samples, sample 0 at nula_us.
zvukovy_server::usek_t usek(const qint16 *v, qint64 od, qint64 konec, int kanalu, int vzorkovani, qint64 nula_us)
{
    zvukovy_server::usek_t u;
    for (qint64 i = od * kanalu; i < konec * kanalu; ++i) {
        const float a = std::abs(v[i] / 32768.0f);
        if (a < prah)
            continue;
        const qint64 t = nula_us + i / kanalu * 1000000 / vzorkovani;
        u.od_us = u.od_us < 0 ? t : u.od_us;
        u.do_us = t;
        u.spicka = std::max(u.spicka, a);
    }
    return u;
}
} // namespace

zvukovy_server::zvukovy_server()
{
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() || QStandardPaths::findExecutable("parec").isEmpty()) {
        chyba_ = "pulseaudio or parec is not installed (pulseaudio, pulseaudio-utils)";
        return;
    }
    // Everything the server keeps lives in the temporary folder; it loads no default
    // modules (-n) and never exits by itself. As root it only warns that it is not meant to
    // be: a private server for one user's test needs no system mode (--system).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *k : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "HOME", "XDG_CONFIG_HOME"})
        env.insert(k, slozka_.path());
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.setChildProcessModifier(zemri_s_rodicem);
    server_.start("pulseaudio",
                  {"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
                   "--realtime=no", "--high-priority=no", "--log-level=error",
                   QString("--load=module-null-sink sink_name=ortanel rate=%1").arg(vzorkovani),
                   "--load=module-native-protocol-unix auth-anonymous=1 socket=" + slozka_.filePath("native")});
    server_.waitForStarted();
    // The socket appears once the server listens on it.
    for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i, QThread::msleep(50))
        if (QFile::exists(slozka_.filePath("native")))
            return;
    chyba_ = "the private PulseAudio server did not start";
}

zvukovy_server::~zvukovy_server()
{
    if (nahravani_ > 0 && ::kill(pid_t(nahravani_), SIGTERM) == 0)
        ::waitpid(pid_t(nahravani_), nullptr, 0);
    if (cteni_.joinable())
        cteni_.join();
    if (server_.state() != QProcess::NotRunning && ::kill(pid_t(server_.processId()), SIGTERM) == 0 &&
        !server_.waitForFinished(5000))
        ::kill(pid_t(server_.processId()), SIGKILL);
    server_.waitForFinished();
}

qint64 zvukovy_server::ted_us()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A capture buffer of 50 ms or more loses the start of short sounds (the server rewinds
// when a stream starts); 5 ms keeps them.
bool zvukovy_server::nahravej()
{
    int roura[2];
    if (!chyba_.isEmpty() || ::pipe(roura) != 0)
        return false;
    const QByteArray server = ("--server=" + adresa()).toLocal8Bit(),
                     kadence = "--rate=" + QByteArray::number(vzorkovani);
    nahravani_ = ::fork();
    if (nahravani_ == 0) {
        zemri_s_rodicem();
        ::dup2(roura[1], 1);
        ::execlp("parec", "parec", server.constData(), "-d", "ortanel.monitor", "--latency-msec=5", "--raw",
                 "--format=s16le", "--channels=1", kadence.constData(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(roura[1]);
    // Each read comes a little after its last sample played: the earliest of those
    // moments, less the samples before it, is when sample 0 played.
    cteni_ = std::thread([this, fd = roura[0]] {
        char blok[4096];
        qint64 zbytek = 0, n;
        while ((n = ::read(fd, blok + zbytek, sizeof blok - zbytek)) > 0) {
            const qint64 ted = ted_us(), celkem = zbytek + n;
            std::lock_guard z(zamek_);
            for (qint64 i = 0; i + 1 < celkem; i += 2)
                vzorky_.push_back(qFromLittleEndian<qint16>(blok + i));
            zbytek = celkem & 1;
            blok[0] = blok[celkem - 1];
            nula_us_ = std::min<qint64>(nula_us_, ted - qint64(vzorky_.size()) * 1000000 / vzorkovani);
        }
        ::close(fd);
    });
    for (int i = 0; i < 400; ++i, QThread::msleep(5)) {
        std::lock_guard z(zamek_);
        if (vzorky_.size() > vzorkovani / 20)
            return true;
    }
    return false;
}

zvukovy_server::usek_t zvukovy_server::slysitelne(qint64 od_us, qint64 do_us) const
{
    std::lock_guard z(zamek_);
    const auto index = [&](qint64 t) {
        return std::clamp<qint64>((t - nula_us_) * vzorkovani / 1000000, 0, qint64(vzorky_.size()));
    };
    return usek(vzorky_.data(), index(od_us), index(do_us), 1, vzorkovani, nula_us_);
}

zvukovy_server::usek_t zvukovy_server::slysitelne(const wav::pcm_t &pcm)
{
    const QByteArray d = wav::na_16_bitu(pcm);
    return usek(reinterpret_cast<const qint16 *>(d.constData()), 0, pcm.snimku(), pcm.kanalu, pcm.vzorkovani, 0);
}

qint64 zvukovy_server::hlasite_misto(const wav::pcm_t &pcm, qint64 od_us)
{
    const QByteArray d = wav::na_16_bitu(pcm);
    const qint64 blok = pcm.vzorkovani / 100, vzorku = blok * pcm.kanalu;
    const auto *v = reinterpret_cast<const qint16 *>(d.constData());
    for (qint64 b = od_us / 10000, rada = 0; (b + 1) * vzorku <= d.size() / 2; ++b) {
        const auto [min, max] = std::minmax_element(v + b * vzorku, v + (b + 1) * vzorku);
        rada = std::max(-*min, int(*max)) > 3000 ? rada + 1 : 0;
        if (rada == 15)
            return (b - 7) * 10000;
    }
    return -1;
}
