// Writes the sample sound "default.wav" into the folder named on the command line: eleven
// seconds of a small band at 120 beats a minute (kick, snare, hi-hat, bass, a lead melody
// and a pad) in A minor, 16-bit stereo at 44100 Hz. Two quiet bars swell through a third into
// two loud bars with the whole kit, ending on a ringing hit; the melody and the hi-hat move
// across the stereo field. Deterministic: the same program writes the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

constexpr int kRate = 44100;
constexpr double kBeat = 0.5;                        // seconds: 120 beats a minute
constexpr double kSongBeats = 20;                    // five bars of four beats
constexpr double kLength = kSongBeats * kBeat + 1.0; // the last hit rings out
constexpr double kPeak = 0.89;                       // about 1 dB below full scale
constexpr double kPi = 3.14159265358979323846;

double Frequency(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Noise from a fixed seed, so every build writes the same file.
class Noise
{
public:
    double Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 0x2545F491u;
};

class Mix
{
public:
    Mix() : left_(Samples(kLength)), right_(Samples(kLength)) {}

    static size_t Samples(double seconds) { return static_cast<size_t>(seconds * kRate); }

    // pan -1 is hard left, +1 hard right, at equal power.
    void Add(size_t i, double value, double pan)
    {
        if (i >= left_.size())
            return;
        const double angle = (pan + 1) * kPi / 4;
        left_[i] += value * std::cos(angle);
        right_[i] += value * std::sin(angle);
    }

    // The quiet bars, the swell of the third bar, then full level.
    void ApplyDynamics()
    {
        for (size_t i = 0; i < left_.size(); i++) {
            const double t = static_cast<double>(i) / kRate;
            const double swell = std::fmin(std::fmax((t - 4.0) / 2.0, 0.0), 1.0);
            const double gain = 0.12 + 0.88 * (0.5 - 0.5 * std::cos(kPi * swell));
            left_[i] *= gain;
            right_[i] *= gain;
        }
    }

    // Scales to the peak level with a short fade at each end, as 16-bit samples, interleaved.
    std::vector<int16_t> Finish() const
    {
        double peak = 1e-9;
        for (size_t i = 0; i < left_.size(); i++)
            peak = std::fmax(peak, std::fmax(std::fabs(left_[i]), std::fabs(right_[i])));
        std::vector<int16_t> samples;
        samples.reserve(left_.size() * 2);
        const size_t fadeIn = Samples(0.005), fadeOut = Samples(0.3);
        for (size_t i = 0; i < left_.size(); i++) {
            double fade = 1.0;
            if (i < fadeIn)
                fade = static_cast<double>(i) / fadeIn;
            if (left_.size() - i < fadeOut)
                fade = static_cast<double>(left_.size() - i) / fadeOut;
            const double scale = kPeak / peak * fade * 32767.0;
            samples.push_back(static_cast<int16_t>(std::lround(left_[i] * scale)));
            samples.push_back(static_cast<int16_t>(std::lround(right_[i] * scale)));
        }
        return samples;
    }

private:
    std::vector<double> left_, right_;
};

// Attack and release ramps at either end of a note, so no note starts or stops with a click.
double Envelope(double t, double length, double attack, double release)
{
    return std::fmin(std::fmin(t / attack, 1.0), std::fmax((length - t) / release, 0.0));
}

void Kick(Mix *mix, double start, double velocity)
{
    double phase = 0;
    const size_t first = Mix::Samples(start), count = Mix::Samples(0.4);
    for (size_t n = 0; n < count; n++) {
        const double t = static_cast<double>(n) / kRate;
        phase += 2 * kPi * (45 + 80 * std::exp(-t / 0.035)) / kRate;
        mix->Add(first + n,
                 velocity * std::sin(phase) * std::exp(-t / 0.13) * Envelope(t, 0.4, 0.002, 0.05),
                 0);
    }
}

// Noise through a first difference: the bright part of a cymbal or a snare's wires.
void Hiss(Mix *mix, Noise *noise, double start, double length, double decay, double velocity,
          double pan, double tone)
{
    double previous = 0;
    const size_t first = Mix::Samples(start), count = Mix::Samples(length);
    for (size_t n = 0; n < count; n++) {
        const double t = static_cast<double>(n) / kRate;
        const double white = noise->Next();
        const double bright = white - previous;
        previous = white;
        const double body = tone > 0 ? std::sin(2 * kPi * tone * t) * std::exp(-t / 0.04) : 0;
        mix->Add(first + n,
                 velocity * (0.5 * bright * std::exp(-t / decay) + body) *
                     Envelope(t, length, 0.001, 0.01),
                 pan);
    }
}

void Snare(Mix *mix, Noise *noise, double start, double velocity)
{
    Hiss(mix, noise, start, 0.25, 0.07, velocity, -0.25, 185);
}

void HiHat(Mix *mix, Noise *noise, double start, double velocity, bool open)
{
    // The hats sway a little from side to side with the bar.
    const double pan = 0.3 + 0.25 * std::sin(2 * kPi * start / (4 * kBeat));
    Hiss(mix, noise, start, open ? 0.3 : 0.08, open ? 0.12 : 0.02, velocity * 0.5, pan, 0);
}

void Crash(Mix *mix, Noise *noise, double start)
{
    Hiss(mix, noise, start, 1.0, 0.35, 0.6, 0.1, 0);
}

// A tone of a few harmonics with the given weights, pitch wobbling by vibrato (a fraction of
// the frequency) after its first 150 ms, and a pan that may follow the time.
struct Voice {
    double weights[5];
    double attack, release;
    double vibrato;
};

const Voice kBass = {{1.0, 0.5, 0.33, 0.25, 0.2}, 0.005, 0.03, 0};
const Voice kLead = {{1.0, 0.45, 0.22, 0.12, 0.05}, 0.015, 0.06, 0.004};
const Voice kPad = {{1.0, 0.2, 0.05, 0, 0}, 0.25, 0.3, 0.002};

void Tone(Mix *mix, const Voice &voice, int note, double start, double length, double velocity,
          double (*pan)(double))
{
    double phase = 0;
    const double frequency = Frequency(note);
    const size_t first = Mix::Samples(start), count = Mix::Samples(length);
    for (size_t n = 0; n < count; n++) {
        const double t = static_cast<double>(n) / kRate;
        const double wobble = t > 0.15 ? voice.vibrato * std::sin(2 * kPi * 5.5 * t) : 0;
        phase += 2 * kPi * frequency * (1 + wobble) / kRate;
        double value = 0;
        for (int h = 0; h < 5; h++)
            value += voice.weights[h] * std::sin((h + 1) * phase);
        mix->Add(first + n, velocity * value * Envelope(t, length, voice.attack, voice.release),
                 pan(start + t));
    }
}

double Centre(double)
{
    return 0;
}
// The melody drifts from side to side over four seconds.
double Drifting(double t)
{
    return 0.6 * std::sin(2 * kPi * t / 4.0);
}
double PadLeft(double)
{
    return -0.6;
}
double PadRight(double)
{
    return 0.6;
}
// The pad's three notes are spread across the field.
double (*const kPadPans[3])(double) = {PadLeft, Centre, PadRight};

// Per bar: the bass root and the pad's three notes (MIDI note numbers).
struct Chord {
    int root;
    int pad[3];
};
const Chord kChords[] = {
    {45, {57, 60, 64}}, // A minor
    {41, {53, 57, 60}}, // F
    {48, {55, 60, 64}}, // C
    {43, {55, 59, 62}}, // G
    {45, {57, 60, 64}}, // A minor
};

// The bass walks eighths over each root.
const int kBassSteps[8] = {0, 0, 12, 0, 7, 0, 12, 7};

// The melody, a bar a line: start and length in beats, MIDI note number.
struct Note {
    double beat, beats;
    int note;
};
// clang-format off
const Note kMelody[] = {
    {0,    1,   69}, {1,    0.5, 72}, {1.5,  0.5, 74}, {2,    1.5, 76}, {3.5,  0.5, 74}, // A minor
    {4,    1,   72}, {5,    0.5, 69}, {5.5,  0.5, 72}, {6,    2,   77},                  // F
    {8,    0.5, 76}, {8.5,  0.5, 74}, {9,    1,   72}, {10,   1,   67}, {11,   1,   72}, // C
    {12,   1,   74}, {13,   0.5, 71}, {13.5, 0.5, 74}, {14,   1.5, 79}, {15.5, 0.5, 76}, // G
    {16,   0.5, 76}, {16.5, 0.5, 74}, {17,   1,   72}, {18,   2,   69},                  // A minor
};
// clang-format on

void Harmony(Mix *mix)
{
    for (int bar = 0; bar < 5; bar++) {
        const Chord &chord = kChords[bar];
        const double start = bar * 4 * kBeat;
        for (int step = 0; step < 8; step++)
            Tone(mix, kBass, chord.root + kBassSteps[step], start + step * kBeat / 2,
                 kBeat / 2 * 0.9, 0.28, Centre);
        for (int i = 0; i < 3; i++)
            Tone(mix, kPad, chord.pad[i], start, 4 * kBeat, 0.05, kPadPans[i]);
    }
    for (const Note &note : kMelody)
        Tone(mix, kLead, note.note, note.beat * kBeat, note.beats * kBeat * 0.95, 0.22, Drifting);
    // The closing hit: low A and the pad ring on.
    Tone(mix, kBass, 33, kSongBeats * kBeat, 1.0, 0.35, Centre);
    for (int i = 0; i < 3; i++)
        Tone(mix, kPad, kChords[0].pad[i], kSongBeats * kBeat, 1.0, 0.07, kPadPans[i]);
}

// Quiet bars: hats and a soft kick; the third bar adds the snare and ends on a roll; the
// last two bars play the whole kit.
void Drums(Mix *mix, Noise *noise)
{
    for (int eighth = 0; eighth < kSongBeats * 2; eighth++) {
        const double t = eighth * kBeat / 2;
        const int bar = eighth / 8, inBar = eighth % 8;
        const bool loud = bar >= 3;
        HiHat(mix, noise, t, inBar % 2 ? 0.5 : 0.8, loud && inBar == 7);
        if (inBar == 0 || inBar == 4 || (loud && inBar == 5))
            Kick(mix, t, bar < 2 ? 0.5 : 0.9);
        if (bar >= 2 && (inBar == 2 || inBar == 6))
            Snare(mix, noise, t, 0.8);
    }
    for (int sixteenth = 0; sixteenth < 4; sixteenth++)
        Snare(mix, noise, 11 * kBeat + sixteenth * kBeat / 4, 0.4 + 0.15 * sixteenth);
    Kick(mix, kSongBeats * kBeat, 1.0);
    Crash(mix, noise, kSongBeats * kBeat);
}

void Put16(std::string *bytes, unsigned value)
{
    bytes->push_back(static_cast<char>(value & 0xFF));
    bytes->push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string *bytes, uint32_t value)
{
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

// A canonical PCM WAV file: "RIFF", "fmt " and "data".
std::string WavFile(const std::vector<int16_t> &samples)
{
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    Put32(&bytes, 36 + dataBytes);
    bytes += "WAVEfmt ";
    Put32(&bytes, 16);
    Put16(&bytes, 1); // PCM
    Put16(&bytes, 2);
    Put32(&bytes, kRate);
    Put32(&bytes, kRate * 4);
    Put16(&bytes, 4);
    Put16(&bytes, 16);
    bytes += "data";
    Put32(&bytes, dataBytes);
    for (int16_t sample : samples)
        Put16(&bytes, static_cast<uint16_t>(sample));
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sample_sound OUTPUT-FOLDER\n");
        return 2;
    }
    Mix mix;
    Noise noise;
    Drums(&mix, &noise);
    Harmony(&mix);
    mix.ApplyDynamics();
    const std::string bytes = WavFile(mix.Finish());
    const std::string path = std::string(argv[1]) + "/default.wav";
    FILE *file = std::fopen(path.c_str(), "wb");
    const bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (!file || std::fclose(file) != 0 || !ok) {
        std::fprintf(stderr, "sample_sound: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
