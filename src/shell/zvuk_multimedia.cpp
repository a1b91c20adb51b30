#include "shell/zvuk_multimedia.h"

#include "common/soubory.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

zvuk_multimedia::zvuk_multimedia(QObject *rodic) : QObject(rodic) {}

zvuk_multimedia::~zvuk_multimedia()
{
    if (hrac_)
        hrac_->stop();
}

bool zvuk_multimedia::ma_vystup() { return !QMediaDevices::audioOutputs().isEmpty(); }

void zvuk_multimedia::priprav_hrace()
{
    if (hrac_)
        return;
    hrac_ = new QMediaPlayer(this);
    vystup_ = new QAudioOutput(QMediaDevices::defaultAudioOutput(), this);
    hrac_->setAudioOutput(vystup_);
    // A sound that cannot be played must not read as playing.
    connect(hrac_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error e) {
        if (e != QMediaPlayer::NoError)
            chyba_ = true;
    });
    connect(hrac_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (s == QMediaPlayer::InvalidMedia)
            chyba_ = true;
    });
    // Follow the machine's choice of speakers when it changes.
    auto *zarizeni = new QMediaDevices(this);
    connect(zarizeni, &QMediaDevices::audioOutputsChanged, this,
            [this] { vystup_->setDevice(QMediaDevices::defaultAudioOutput()); });
}

zvukove_zarizeni::rezim_t zvuk_multimedia::rezim() const
{
    if (!hrac_ || !otevreno_ || chyba_)
        return rezim_t::zastaveno;
    switch (hrac_->playbackState()) {
    case QMediaPlayer::PlayingState: return rezim_t::hraje;
    case QMediaPlayer::PausedState: return rezim_t::pozastaveno;
    case QMediaPlayer::StoppedState: break;
    }
    return rezim_t::zastaveno;
}

void zvuk_multimedia::otevri(const QString &cesta)
{
    zavri();
    soubor_ = cesta;
    const QFileInfo info(cesta);
    // Only a regular file of sane size: a pipe or device planted in its place is never opened.
    if (!info.isFile() || !info.isReadable() || info.size() > nejvetsi_soubor || !ma_vystup())
        return;
    priprav_hrace();
    chyba_ = false;
    hrac_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    otevreno_ = true;
}

void zvuk_multimedia::hraj()
{
    if (otevreno_ && !chyba_)
        hrac_->play();
}

void zvuk_multimedia::pozastav()
{
    if (rezim() == rezim_t::hraje)
        hrac_->pause();
}

void zvuk_multimedia::zastav()
{
    if (otevreno_)
        hrac_->stop();
}

void zvuk_multimedia::zavri()
{
    if (hrac_ && otevreno_) {
        hrac_->stop();
        hrac_->setSource(QUrl());
    }
    otevreno_ = false;
    chyba_ = false;
    soubor_.clear();
}
