#include "shell/zvuk_vystup.h"

#include "common/soubory.h"
#include "common/wav.h"

#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace
{
// The output's buffer: long enough that a busy event loop does not let it run dry. A sound
// starts, pauses and resumes at once whatever its length.
constexpr qint64 buffer_us = 250000;
constexpr int plneni_ms = 10;
constexpr int dozneni_ms = 3000;
} // namespace

zvuk_vystup::zvuk_vystup(QObject *rodic) : QObject(rodic), zarizeni_(new QMediaDevices(this))
{
    plneni_.setInterval(plneni_ms);
    connect(&plneni_, &QTimer::timeout, this, &zvuk_vystup::dopln);
    // Follow the machine's choice of speakers when it changes.
    connect(zarizeni_, &QMediaDevices::audioOutputsChanged, this, &zvuk_vystup::zmena_vystupu);
}

zvuk_vystup::~zvuk_vystup() { zrus_proud(); }

void zvuk_vystup::otevri(const QString &cesta)
{
    zavri();
    soubor_ = cesta;
    // Only a regular file of sane size: a pipe or device planted in its place is never opened.
    const QFileInfo info(cesta);
    QFile f(cesta);
    if (!info.isFile() || info.size() > nejvetsi_soubor || !f.open(QIODevice::ReadOnly))
        return;
    const auto pcm = wav::precti(f.readAll());
    if (!pcm)
        return;
    // Every output takes 16 bits; eight-bit files are widened here.
    pcm_ = wav::na_16_bitu(*pcm);
    format_.setSampleFormat(QAudioFormat::Int16);
    format_.setChannelCount(pcm->kanalu);
    format_.setSampleRate(pcm->vzorkovani);
    otevreno_ = true;
}

void zvuk_vystup::hraj()
{
    if (!otevreno_)
        return;
    if (rezim_ == rezim_t::pozastaveno) {
        proud_->resume();
        rezim_ = rezim_t::hraje;
        plneni_.start();
        return;
    }
    if (rezim_ == rezim_t::zastaveno && spust_proud(0))
        rezim_ = rezim_t::hraje;
}

void zvuk_vystup::pozastav()
{
    if (rezim_ != rezim_t::hraje)
        return;
    plneni_.stop();
    proud_->suspend();
    rezim_ = rezim_t::pozastaveno;
}

void zvuk_vystup::zastav() { zrus_proud(); }

void zvuk_vystup::zavri()
{
    zrus_proud();
    pcm_.clear();
    otevreno_ = false;
    soubor_.clear();
}

bool zvuk_vystup::spust_proud(qint64 od)
{
    vystup_ = QMediaDevices::defaultAudioOutput();
    if (vystup_.isNull())
        return false;
    proud_ = new QAudioSink(vystup_, format_, this);
    proud_->setBufferSize(format_.bytesForDuration(buffer_us));
    zapis_ = proud_->start();
    if (!zapis_ || proud_->error() != QAudio::NoError) {
        zrus_proud();
        return false;
    }
    zacatek_ = pozice_ = od;
    // The first bytes go out at once: the sound starts as soon as the output has them.
    dopln();
    plneni_.start();
    return true;
}

void zvuk_vystup::zrus_proud()
{
    plneni_.stop();
    rezim_ = rezim_t::zastaveno;
    zapis_ = nullptr;
    // The sound server's thread may still report on a stopped output for a moment: it is
    // deleted only once that has surely passed.
    if (QAudioSink *p = std::exchange(proud_, nullptr)) {
        p->stop();
        QTimer::singleShot(dozneni_ms, p, &QObject::deleteLater);
    }
}

void zvuk_vystup::dopln()
{
    if (!proud_)
        return;
    // A sound server that went away ends the sound.
    if (proud_->state() == QAudio::StoppedState) {
        zrus_proud();
        return;
    }
    const qint64 volno = proud_->bytesFree();
    if (pozice_ < pcm_.size()) {
        const qint64 n = std::min(volno - volno % format_.bytesPerFrame(), pcm_.size() - pozice_);
        if (n > 0)
            pozice_ += std::max<qint64>(0, zapis_->write(pcm_.constData() + pozice_, n));
        // The output starts once it holds a buffer's worth: a short sound is followed by
        // silence, which is cut when the sound has played.
        if (pozice_ == pcm_.size())
            zapis_->write(QByteArray(std::min(volno - n, qint64(proud_->bufferSize())), 0));
        return;
    }
    if (proud_->processedUSecs() >= format_.durationForBytes(pcm_.size() - zacatek_)) {
        zrus_proud();
    }
}

void zvuk_vystup::zmena_vystupu()
{
    const QAudioDevice novy = QMediaDevices::defaultAudioOutput();
    if (!proud_ || novy.id() == vystup_.id())
        return;
    // Go on where the old output was.
    const rezim_t byl = rezim_;
    qint64 kde = zacatek_ + format_.bytesForDuration(proud_->processedUSecs());
    kde = std::min<qint64>(kde - kde % format_.bytesPerFrame(), pcm_.size());
    zrus_proud();
    if (!spust_proud(kde))
        return;
    rezim_ = rezim_t::hraje;
    if (byl == rezim_t::pozastaveno)
        pozastav();
}
