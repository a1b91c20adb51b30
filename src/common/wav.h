#pragma once

#include <QByteArray>
#include <optional>

// PCM sound from a RIFF WAVE file: the one reader the program plays with and the media
// build checks its recordings with. IMA ADPCM files are returned decoded.
namespace wav
{

struct pcm_t {
    int kanalu = 0;     // 1 or 2
    int vzorkovani = 0; // frames per second
    int bitu = 0;       // 8 (unsigned) or 16 (signed little-endian)
    QByteArray data;    // whole frames only

    int bajtu_snimku() const { return kanalu * bitu / 8; }
    qint64 snimku() const { return bajtu_snimku() > 0 ? data.size() / bajtu_snimku() : 0; }
    double delka() const { return vzorkovani > 0 ? double(snimku()) / vzorkovani : 0.0; }
};

// How sizes that reach past the end are taken: a file that claims more than it holds is
// damaged; a stream written to a pipe cannot know its length, so what is there counts.
enum class delky_t { presne, proud };

// The "fmt " and "data" chunks of 8- or 16-bit PCM or 4-bit IMA ADPCM (decoded to 16-bit),
// mono or stereo, at any rate; other chunks are skipped with their pad bytes. ADPCM's last
// block may be short, and its "fact" chunk, when there, limits the frames. Empty when the
// bytes are not such a sound, hold no frame, or (read exactly) lie about a size.
std::optional<pcm_t> precti(const QByteArray &bajty, delky_t delky = delky_t::presne);

// A RIFF WAVE file of the sound: "fmt " and "data", with the pad byte after odd data.
QByteArray zapis(const pcm_t &pcm);
// The sound as IMA ADPCM, a quarter of 16-bit PCM's size: blocks of 256 bytes per channel
// (505 frames; the last one filled up by repeating the last frame) and a "fact" chunk with
// the true number of frames.
QByteArray zapis_ima(const pcm_t &pcm);

// The samples as signed 16-bit: 8-bit sound widened, 16-bit returned as it is.
QByteArray na_16_bitu(const pcm_t &pcm);

} // namespace wav
