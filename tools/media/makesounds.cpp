// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
// Synthesises the four feedback clips (CHEER, NO, OK, WALL) as PCM WAVE files.
//
// Usage: makesounds OUTDIR
//
// Every clip is computed from scratch with a fixed-seed generator, so running the
// tool twice gives byte-identical files. Each clip is normalised to a peak of
// -3 dBFS and faded in and out so that it never clips and never clicks.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kPeakDbfs = -3.0;

// Small, fast generator (splitmix64) so that the noise is the same on every
// machine and with every standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

    // Uniform in [-1, 1).
    double noise() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t m_state;
};

// Two-pole band-pass (constant peak gain), used to colour the clap noise.
class BandPass {
public:
    BandPass(double centre, double q, double rate)
    {
        const double w = kTwoPi * centre / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2.0 * std::cos(w) / a0;
        m_a2 = (1.0 - alpha) / a0;
    }

    double process(double x)
    {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// One-pole low-pass.
class LowPass {
public:
    LowPass(double cutoff, double rate) : m_k(1.0 - std::exp(-kTwoPi * cutoff / rate)) {}
    double process(double x) { return m_y += m_k * (x - m_y); }

private:
    double m_k;
    double m_y = 0.0;
};

struct Clip {
    std::string name;
    int rate = 22050;
    std::vector<double> samples;
};

// Raised-cosine fade at both ends; the first and last sample become exactly zero.
void fadeEnds(std::vector<double> &s, int rate, double fadeInSec, double fadeOutSec)
{
    const auto n = static_cast<std::ptrdiff_t>(s.size());
    const auto in = std::min<std::ptrdiff_t>(n / 2, std::lround(fadeInSec * rate));
    const auto out = std::min<std::ptrdiff_t>(n / 2, std::lround(fadeOutSec * rate));
    for (std::ptrdiff_t i = 0; i < in; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / in);
    for (std::ptrdiff_t i = 0; i < out; ++i)
        s[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / out);
}

// Removes any DC offset, then scales the clip so that its largest sample sits at kPeakDbfs.
void normalise(std::vector<double> &s)
{
    double mean = 0.0;
    for (double v : s)
        mean += v;
    mean /= static_cast<double>(s.size());
    double peak = 0.0;
    for (double &v : s) {
        v -= mean;
        peak = std::max(peak, std::abs(v));
    }
    if (peak <= 0.0)
        return;
    const double gain = std::pow(10.0, kPeakDbfs / 20.0) / peak;
    for (double &v : s)
        v *= gain;
}

// A sine tone with the given harmonic weights (weights[0] is the fundamental).
double partials(double phase, const std::vector<double> &weights)
{
    double v = 0.0;
    for (std::size_t h = 0; h < weights.size(); ++h)
        v += weights[h] * std::sin(phase * static_cast<double>(h + 1));
    return v;
}

// Applause and a rising fanfare for a solved puzzle.
Clip makeCheer()
{
    Clip c{"CHEER", 22050, {}};
    const int rate = c.rate;
    const std::size_t n = 53833; // 2.44 s
    const double length = static_cast<double>(n) / rate;
    c.samples.assign(n, 0.0);
    Random rng(0x51C0FFEEull);

    // Applause: hundreds of hand claps. Each clap is a few milliseconds of band-passed
    // noise with a sharp attack and quick decay; the clap rate swells over the first
    // second and thins out towards the end, and each clap gets its own pitch and level.
    auto clapRate = [length](double t) {
        const double swell = std::min(1.0, t / 0.7);
        const double fade = t > 1.3 ? std::max(0.0, 1.0 - (t - 1.3) / (length - 1.3)) : 1.0;
        return 10.0 + 240.0 * swell * swell * fade * fade;
    };
    auto clapLevel = [length](double t) {
        const double swell = 0.35 + 0.65 * std::min(1.0, t / 0.8);
        const double fade = t > 1.5 ? std::max(0.0, 1.0 - (t - 1.5) / (length - 1.5)) : 1.0;
        return swell * (0.25 + 0.75 * fade);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        if (rng.uniform() >= clapRate(t) / rate)
            continue;
        const double centre = rng.range(700.0, 2600.0);
        const double q = rng.range(1.2, 3.0);
        const double decay = rng.range(0.006, 0.018);
        const double level = clapLevel(t) * rng.range(0.4, 1.0);
        BandPass filter(centre, q, rate);
        const auto clapLen = static_cast<std::size_t>(decay * 6.0 * rate);
        for (std::size_t k = 0; k < clapLen && i + k < n; ++k) {
            const double tk = static_cast<double>(k) / rate;
            const double attack = std::min(1.0, tk / 0.0008);
            const double env = attack * std::exp(-tk / decay);
            c.samples[i + k] += level * env * filter.process(rng.noise()) * 3.0;
        }
    }

    // Fanfare: a rising major arpeggio (C5 E5 G5 C6) whose notes ring on into a chord,
    // then a short upward glide on top. Soft harmonics give it a brassy edge.
    struct Note {
        double start, freq, decay;
    };
    const Note notes[] = {{0.05, 523.25, 0.55}, {0.17, 659.26, 0.55}, {0.29, 783.99, 0.60},
                          {0.41, 1046.50, 0.90}};
    const std::vector<double> brass = {1.0, 0.45, 0.25, 0.12, 0.06};
    for (const Note &note : notes) {
        const auto first = static_cast<std::size_t>(note.start * rate);
        double phase = 0.0;
        for (std::size_t i = first; i < n; ++i) {
            const double tk = static_cast<double>(i - first) / rate;
            const double attack = std::min(1.0, tk / 0.012);
            const double env = attack * std::exp(-tk / note.decay);
            if (env < 1e-4 && tk > 0.1)
                break;
            const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * tk) * std::min(1.0, tk / 0.3);
            phase += kTwoPi * note.freq * vibrato / rate;
            c.samples[i] += 0.55 * env * partials(phase, brass);
        }
    }
    {
        const double start = 0.60, glideEnd = 0.85;
        const auto first = static_cast<std::size_t>(start * rate);
        double phase = 0.0;
        for (std::size_t i = first; i < n; ++i) {
            const double tk = static_cast<double>(i - first) / rate;
            const double g = std::min(1.0, tk / (glideEnd - start));
            const double freq = 1046.50 * std::pow(2.0, g * 7.0 / 12.0); // C6 up to G6
            const double attack = std::min(1.0, tk / 0.02);
            const double env = attack * std::exp(-tk / 0.7);
            phase += kTwoPi * freq / rate;
            c.samples[i] += 0.35 * env * partials(phase, brass);
        }
    }

    normalise(c.samples);
    fadeEnds(c.samples, rate, 0.004, 0.35);
    return c;
}

// A low, buzzy two-step "no": two square-ish tones, the second lower than the first.
Clip makeNo()
{
    Clip c{"NO", 22050, {}};
    const int rate = c.rate;
    const std::size_t n = 7939; // 0.36 s
    c.samples.assign(n, 0.0);

    struct Tone {
        double start, length, from, to;
    };
    const Tone tones[] = {{0.000, 0.150, 165.0, 155.0}, {0.170, 0.185, 135.0, 118.0}};
    // Odd harmonics with 1/k weights approximate a square wave without aliasing.
    const std::vector<double> square = {1.0, 0.0, 1.0 / 3, 0.0, 1.0 / 5, 0.0, 1.0 / 7, 0.0, 1.0 / 9,
                                        0.0, 1.0 / 11};
    for (const Tone &tone : tones) {
        const auto first = static_cast<std::size_t>(tone.start * rate);
        const auto count = static_cast<std::size_t>(tone.length * rate);
        double phase = 0.0;
        LowPass soften(1400.0, rate);
        for (std::size_t k = 0; k < count && first + k < n; ++k) {
            const double tk = static_cast<double>(k) / rate;
            const double f = tone.from + (tone.to - tone.from) * (tk / tone.length);
            phase += kTwoPi * f / rate;
            const double attack = std::min(1.0, tk / 0.012);
            const double release = std::min(1.0, (tone.length - tk) / 0.035);
            const double env = attack * release * (0.85 + 0.15 * std::exp(-tk / 0.05));
            c.samples[first + k] += env * soften.process(partials(phase, square));
        }
    }

    normalise(c.samples);
    fadeEnds(c.samples, rate, 0.003, 0.01);
    return c;
}

// A bright two-note chime confirming a completed answer.
Clip makeOk()
{
    Clip c{"OK", 32000, {}};
    const int rate = c.rate;
    const std::size_t n = 11028; // 0.345 s
    c.samples.assign(n, 0.0);

    struct Strike {
        double start, freq, level;
    };
    const Strike strikes[] = {{0.000, 1320.0, 1.0}, {0.055, 1760.0, 0.9}};
    // A bell-like tone: fundamental, octave, and an inharmonic upper partial that dies fast.
    for (const Strike &s : strikes) {
        const auto first = static_cast<std::size_t>(s.start * rate);
        for (std::size_t i = first; i < n; ++i) {
            const double tk = static_cast<double>(i - first) / rate;
            const double attack = std::min(1.0, tk / 0.003);
            const double body = std::exp(-tk / 0.085);
            const double shimmer = std::exp(-tk / 0.03);
            const double v = std::sin(kTwoPi * s.freq * tk) +
                             0.30 * std::sin(kTwoPi * 2.0 * s.freq * tk) * std::exp(-tk / 0.05) +
                             0.12 * std::sin(kTwoPi * 2.76 * s.freq * tk) * shimmer;
            c.samples[i] += s.level * attack * body * v;
        }
    }

    normalise(c.samples);
    fadeEnds(c.samples, rate, 0.001, 0.04);
    return c;
}

// A dull thump: low-passed noise burst over a low sine that drops in pitch.
Clip makeWall()
{
    Clip c{"WALL", 22050, {}};
    const int rate = c.rate;
    const std::size_t n = 5168; // 0.234 s
    c.samples.assign(n, 0.0);
    Random rng(0x0BADBEEFull);

    LowPass lp1(320.0, rate), lp2(320.0, rate), lp3(500.0, rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double attack = std::min(1.0, t / 0.002);
        const double thud = lp3.process(lp2.process(lp1.process(rng.noise()))) * 6.0;
        const double freq = 62.0 + 28.0 * std::exp(-t / 0.04); // 90 Hz falling to about 62 Hz
        phase += kTwoPi * freq / rate;
        const double tone = std::sin(phase);
        c.samples[i] = attack * (0.9 * thud * std::exp(-t / 0.025) + 1.0 * tone * std::exp(-t / 0.055));
    }

    normalise(c.samples);
    fadeEnds(c.samples, rate, 0.001, 0.03);
    return c;
}

void putLe(std::vector<unsigned char> &out, std::uint32_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out.push_back(static_cast<unsigned char>((value >> (8 * b)) & 0xFF));
}

void putTag(std::vector<unsigned char> &out, const char *tag)
{
    out.insert(out.end(), tag, tag + 4);
}

// A canonical 44-byte-header RIFF WAVE file: PCM, mono, 16-bit.
std::vector<unsigned char> encodeWave(const Clip &clip)
{
    const auto dataBytes = static_cast<std::uint32_t>(clip.samples.size() * 2);
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLe(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLe(out, 16, 4);                                  // chunk size
    putLe(out, 1, 2);                                   // PCM
    putLe(out, 1, 2);                                   // mono
    putLe(out, static_cast<std::uint32_t>(clip.rate), 4);
    putLe(out, static_cast<std::uint32_t>(clip.rate * 2), 4); // bytes per second
    putLe(out, 2, 2);                                   // block align
    putLe(out, 16, 2);                                  // bits per sample
    putTag(out, "data");
    putLe(out, dataBytes, 4);
    for (double v : clip.samples) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFF, 2);
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    const Clip clips[] = {makeCheer(), makeNo(), makeOk(), makeWall()};
    for (const Clip &clip : clips) {
        const auto bytes = encodeWave(clip);
        const auto path = dir / (clip.name + ".wav");
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu samples at %d Hz (%.3f s)\n", path.c_str(), clip.samples.size(), clip.rate,
                    static_cast<double>(clip.samples.size()) / clip.rate);
    }
    return 0;
}
