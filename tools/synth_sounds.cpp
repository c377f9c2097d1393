// Synthesises every sound effect shipped in data/ as 16-bit PCM mono WAV at
// 22050 Hz. Usage: synth_sounds <output-folder>
//
// Every sound is built from sines, noise and simple filters with fixed random
// seeds, so running the program twice gives byte-identical files. Each sound
// is normalised to a peak of 0.8 full scale (about -1.9 dBFS) and given short
// fades so it never clicks or clips.

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.8;

using Buffer = std::vector<double>;

Buffer MakeBuffer(double seconds) { return Buffer(static_cast<size_t>(seconds * kRate), 0.0); }
double TimeOf(size_t i) { return static_cast<double>(i) / kRate; }

// Deterministic white noise in [-1, 1].
class Noise {
public:
    explicit Noise(unsigned seed) : m_gen(seed), m_dist(-1.0, 1.0) {}
    double operator()() { return m_dist(m_gen); }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * (m_dist(m_gen) + 1.0) / 2.0; }

private:
    std::mt19937 m_gen;
    std::uniform_real_distribution<double> m_dist;
};

// RBJ biquad; coefficients may be recomputed per sample for sweeps.
class Biquad {
public:
    void BandPass(double freq, double q) {
        const double w = 2.0 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        m_b0 = alpha / a0; m_b1 = 0.0; m_b2 = -alpha / a0;
        m_a1 = -2.0 * std::cos(w) / a0; m_a2 = (1.0 - alpha) / a0;
    }
    void LowPass(double freq, double q) {
        const double w = 2.0 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        m_b0 = (1.0 - c) / 2.0 / a0; m_b1 = (1.0 - c) / a0; m_b2 = m_b0;
        m_a1 = -2.0 * c / a0; m_a2 = (1.0 - alpha) / a0;
    }
    void HighPass(double freq, double q) {
        const double w = 2.0 * kPi * freq / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        m_b0 = (1.0 + c) / 2.0 / a0; m_b1 = -(1.0 + c) / a0; m_b2 = m_b0;
        m_a1 = -2.0 * c / a0; m_a2 = (1.0 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1; m_x1 = x; m_y2 = m_y1; m_y1 = y;
        return y;
    }

private:
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

double Smooth(double x) { x = std::clamp(x, 0.0, 1.0); return x * x * (3.0 - 2.0 * x); }

// Attack/decay envelope: rises over `attack` seconds, then decays exponentially.
double AttackDecay(double t, double attack, double decay) {
    if (t < 0.0) return 0.0;
    if (t < attack) return Smooth(t / attack);
    return std::exp(-(t - attack) / decay);
}

// Scales to the common peak and applies raised-cosine fades at both ends.
void Finish(Buffer& b, double fadeIn, double fadeOut) {
    double peak = 0.0;
    for (double s : b) peak = std::max(peak, std::abs(s));
    if (peak > 0.0)
        for (double& s : b) s *= kPeak / peak;
    const size_t in = static_cast<size_t>(fadeIn * kRate);
    const size_t out = static_cast<size_t>(fadeOut * kRate);
    for (size_t i = 0; i < in && i < b.size(); ++i)
        b[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / in);
    for (size_t i = 0; i < out && i < b.size(); ++i)
        b[b.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / out);
}

bool Write(const std::string& folder, const std::string& name, const Buffer& b) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const std::string path = folder + "/" + name;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    std::vector<short> pcm(b.size());
    for (size_t i = 0; i < b.size(); ++i)
        pcm[i] = static_cast<short>(std::lround(std::clamp(b[i], -1.0, 1.0) * 32767.0));
    const bool ok = sf_write_short(f, pcm.data(), static_cast<sf_count_t>(pcm.size())) ==
                    static_cast<sf_count_t>(pcm.size());
    sf_close(f);
    std::printf("%-14s %.2f s\n", name.c_str(), static_cast<double>(b.size()) / kRate);
    return ok;
}

// Rolling thunder: a sharp crack followed by a long low rumble that swells twice.
Buffer Thunder() {
    Buffer b = MakeBuffer(2.9);
    Noise n(1001);
    Biquad crackHp, rumbleLp1, rumbleLp2, swellLp;
    crackHp.HighPass(1800, 0.7);
    rumbleLp1.LowPass(180, 0.9);
    rumbleLp2.LowPass(320, 0.7);
    swellLp.LowPass(3, 0.7);
    double brown = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        brown = 0.985 * brown + 0.15 * n();
        const double rumble = rumbleLp2(rumbleLp1(brown));
        // Slow random swelling, plus two deliberate rolls.
        const double swell = 1.0 + 6.0 * std::abs(swellLp(n()));
        const double rolls = AttackDecay(t - 0.05, 0.25, 0.7) + 0.7 * AttackDecay(t - 0.9, 0.3, 0.6);
        const double crack = crackHp(n()) * AttackDecay(t - 0.03, 0.004, 0.06) * 0.9;
        const double crackle = crackHp(n()) * AttackDecay(t - 0.12, 0.01, 0.18) * 0.25;
        b[i] = 4.0 * rumble * rolls * swell + crack + crackle;
    }
    Finish(b, 0.004, 0.45);
    return b;
}

// A page flicked over: a band-passed hiss whose colour rises as the page turns.
Buffer PageTurn() {
    Buffer b = MakeBuffer(0.32);
    Noise n(2002);
    Biquad bp, hp;
    hp.HighPass(500, 0.7);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        const double u = t / 0.32;
        bp.BandPass(1500.0 + 3500.0 * u, 1.4);
        const double flutter = 0.75 + 0.25 * std::sin(2 * kPi * 38 * t);
        const double env = Smooth(t / 0.09) * std::exp(-std::max(0.0, t - 0.12) / 0.06);
        b[i] = bp(hp(n())) * env * flutter;
    }
    Finish(b, 0.005, 0.03);
    return b;
}

// Applause: many hands, each clap a short band-passed noise burst.
Buffer Clap() {
    Buffer b = MakeBuffer(1.6);
    Noise n(3003);
    struct ClapEvent { size_t start; double freq; double gain; };
    std::vector<ClapEvent> claps;
    for (int hand = 0; hand < 22; ++hand) {
        double t = n.Uniform(0.0, 0.12);
        const double freq = n.Uniform(900.0, 2600.0);
        const double period = n.Uniform(0.11, 0.17);
        while (t < 1.45) {
            const double density = Smooth(t / 0.15) * (1.0 - Smooth((t - 0.9) / 0.55));
            claps.push_back({static_cast<size_t>(t * kRate), freq * n.Uniform(0.9, 1.1),
                             density * n.Uniform(0.5, 1.0)});
            t += period * n.Uniform(0.85, 1.15);
        }
    }
    const size_t clapLen = static_cast<size_t>(0.03 * kRate);
    for (const ClapEvent& c : claps) {
        Biquad bp;
        bp.BandPass(c.freq, 1.2);
        for (size_t k = 0; k < clapLen && c.start + k < b.size(); ++k) {
            const double t = TimeOf(k);
            b[c.start + k] += bp(n()) * c.gain * AttackDecay(t, 0.0015, 0.007);
        }
    }
    // Gentle saturation so the crowd sounds full rather than a few loud claps.
    double peak = 0.0;
    for (double s : b) peak = std::max(peak, std::abs(s));
    for (double& s : b) s = std::tanh(2.5 * s / peak);
    Finish(b, 0.005, 0.25);
    return b;
}

// Breaking glass: a bright crash, then scattered inharmonic tinkles.
Buffer Glass() {
    Buffer b = MakeBuffer(1.05);
    Noise n(4004);
    Biquad hp;
    hp.HighPass(3000, 0.8);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = 0.7 * hp(n()) * AttackDecay(TimeOf(i), 0.002, 0.09);
    for (int shard = 0; shard < 26; ++shard) {
        const double start = shard < 8 ? n.Uniform(0.0, 0.05) : n.Uniform(0.05, 0.75);
        const double base = n.Uniform(2200.0, 5200.0);
        const double decay = shard < 8 ? n.Uniform(0.04, 0.12) : n.Uniform(0.08, 0.22);
        const double gain = shard < 8 ? n.Uniform(0.1, 0.3) : n.Uniform(0.35, 0.7) * (1.0 - start);
        const double ratios[] = {1.0, 1.59, 2.14, 2.83};
        for (size_t i = static_cast<size_t>(start * kRate); i < b.size(); ++i) {
            const double t = TimeOf(i) - start;
            const double env = AttackDecay(t, 0.001, decay);
            if (t > 0.01 && env < 1e-4) break;
            double s = 0.0;
            for (int p = 0; p < 4; ++p)
                if (base * ratios[p] < kRate / 2.2) s += std::sin(2 * kPi * base * ratios[p] * t) / (p + 1);
            b[i] += gain * env * s;
        }
    }
    Finish(b, 0.002, 0.1);
    return b;
}

// "Whew": a relieved breath with a soft whistle falling under it.
Buffer Whew() {
    Buffer b = MakeBuffer(0.8);
    Noise n(5005);
    Biquad bp;
    double phase = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        const double u = t / 0.8;
        bp.BandPass(2400.0 - 1500.0 * u, 2.0);
        const double freq = 1500.0 * std::pow(0.42, u) * (1.0 + 0.01 * std::sin(2 * kPi * 6 * t));
        phase += 2 * kPi * freq / kRate;
        const double env = Smooth(t / 0.08) * (1.0 - Smooth((t - 0.45) / 0.35));
        b[i] = env * (0.5 * bp(n()) * 3.0 + 0.35 * std::sin(phase));
    }
    Finish(b, 0.01, 0.08);
    return b;
}

// A vowel-like tone: harmonics of f0 weighted by two formant peaks.
double Vowel(double phase, double f0, double f1, double f2) {
    double s = 0.0;
    for (int h = 1; h * f0 < 5000.0; ++h) {
        const double f = h * f0;
        const double w = std::exp(-std::pow((f - f1) / 180.0, 2)) + 0.5 * std::exp(-std::pow((f - f2) / 250.0, 2)) +
                         0.08 / h;
        s += w * std::sin(h * phase);
    }
    return s;
}

// "Oh-no": two falling sung syllables.
Buffer OhNo() {
    Buffer b = MakeBuffer(0.82);
    double phase = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        double f0, env;
        if (t < 0.36) {
            f0 = 392.0 - 30.0 * (t / 0.36);
            env = Smooth(t / 0.04) * (1.0 - Smooth((t - 0.28) / 0.08));
        } else {
            const double u = (t - 0.38) / 0.44;
            f0 = 311.0 - 70.0 * Smooth(u);
            env = Smooth((t - 0.38) / 0.05) * (1.0 - Smooth((t - 0.62) / 0.2));
        }
        f0 *= 1.0 + 0.008 * std::sin(2 * kPi * 5.5 * t);
        phase += 2 * kPi * f0 / kRate;
        b[i] = env * (t < 0.37 ? Vowel(phase, f0, 500, 850) : Vowel(phase, f0, 450, 800));
    }
    Finish(b, 0.01, 0.05);
    return b;
}

// "Wah-wah-wah-waaah": a muted brass phrase stepping down, the last note long.
Buffer Choke() {
    Buffer b = MakeBuffer(1.55);
    const double starts[] = {0.0, 0.26, 0.52, 0.78};
    const double freqs[] = {233.1, 220.0, 207.7, 196.0};
    const double lens[] = {0.24, 0.24, 0.24, 0.74};
    double phase = 0.0;
    // Two-pole state-variable low-pass whose cutoff opens and closes per note.
    double low = 0.0, band = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        int note = 3;
        for (int k = 0; k < 4; ++k)
            if (t >= starts[k] && t < starts[k] + lens[k]) note = k;
        const double nt = t - starts[note];
        double f0 = freqs[note];
        if (note == 3) f0 *= 1.0 + 0.025 * std::sin(2 * kPi * 5.0 * nt) * Smooth(nt / 0.2);
        phase += f0 / kRate;
        phase -= std::floor(phase);
        const double saw = 2.0 * phase - 1.0;
        const double wah = note == 3 ? 0.5 - 0.5 * std::cos(2 * kPi * 2.5 * nt) : std::sin(kPi * nt / lens[note]);
        const double cutoff = 300.0 + 1400.0 * std::max(0.0, wah);
        const double fc = 2.0 * std::sin(kPi * cutoff / kRate);
        low += fc * band;
        const double high = saw - low - 0.5 * band;
        band += fc * high;
        const double env = Smooth(nt / 0.03) * (1.0 - Smooth((nt - lens[note] + 0.06) / 0.06));
        b[i] = low * env;
    }
    Finish(b, 0.005, 0.1);
    return b;
}

// Cheerful rising arpeggio on a bright bell-like tone, ending on a chord.
Buffer GoodJob() {
    Buffer b = MakeBuffer(1.25);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int k = 0; k < 4; ++k) {
        const double start = 0.12 * k;
        const double decay = k == 3 ? 0.45 : 0.35;
        for (size_t i = static_cast<size_t>(start * kRate); i < b.size(); ++i) {
            const double t = TimeOf(i) - start;
            const double f = notes[k];
            const double s = std::sin(2 * kPi * f * t) + 0.35 * std::sin(2 * kPi * 2 * f * t) * std::exp(-t / 0.08) +
                             0.15 * std::sin(2 * kPi * 3.01 * f * t) * std::exp(-t / 0.05);
            b[i] += s * AttackDecay(t, 0.004, decay);
        }
    }
    Finish(b, 0.003, 0.15);
    return b;
}

// Ricochet: a quick bright "pyeeew" falling in pitch with a tiny wobble.
Buffer Ricochet() {
    Buffer b = MakeBuffer(0.5);
    Noise n(9009);
    Biquad hp;
    hp.HighPass(2500, 0.7);
    double phase = 0.0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = TimeOf(i);
        const double freq = 900.0 + 2600.0 * std::exp(-t / 0.14) + 60.0 * std::sin(2 * kPi * 28 * t);
        phase += 2 * kPi * freq / kRate;
        const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase);
        const double env = Smooth(t / 0.006) * std::exp(-t / 0.22);
        const double click = hp(n()) * AttackDecay(t, 0.001, 0.01);
        b[i] = 0.8 * tone * env + 0.6 * click;
    }
    Finish(b, 0.002, 0.06);
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    const std::vector<std::pair<std::string, std::function<Buffer()>>> sounds = {
        {"thunder2.wav", Thunder}, {"pageturn.wav", PageTurn}, {"clap.wav", Clap},
        {"glasbk.wav", Glass},     {"whew.wav", Whew},         {"oh-no.wav", OhNo},
        {"choke.wav", Choke},      {"goodjob.wav", GoodJob},   {"ricochet.wav", Ricochet},
    };
    bool ok = true;
    for (const auto& [name, make] : sounds) ok = Write(out, name, make()) && ok;
    return ok ? 0 : 1;
}
