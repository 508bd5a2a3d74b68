#include "sound/band_pass.h"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

// Both channels' state, left in the low lane. x1 and x2 hold a0 × the inputs.
struct State {
    __m128d x1, x2, y1, y2;
};

// y = a0·x + a1·x1 + a2·x2 − b1·y1 − b2·y2 for both channels, each lane computing what the
// scalar code computes, in the same order. Two terms are taken in a form with the same
// value: a1·x1 is a1 = 0 times a finite input, a zero whose adding can at most change the
// sign of a zero sum, which neither a later step nor a stored sample can tell apart; and
// a2·x2 is −(a0·x2) exactly, rounding being symmetric about zero, with a0·x2 already at
// hand from two steps before.
inline __m128d Step(State &s, __m128d input, __m128d b1, __m128d b2)
{
    const __m128d y =
        _mm_sub_pd(_mm_sub_pd(_mm_sub_pd(input, s.x2), _mm_mul_pd(b1, s.y1)), _mm_mul_pd(b2, s.y2));
    s.x2 = s.x1;
    s.x1 = input;
    s.y2 = s.y1;
    s.y1 = y;
    return y;
}

// a0 × (v × (1 / 32767)) for every 16-bit v, from index v + 32768.
std::vector<double> InputTerms(double a0)
{
    std::vector<double> terms(65536);
    for (int v = -32768; v < 32768; v++)
        terms[v + 32768] = a0 * (v * kSampleScale);
    return terms;
}

inline __m128d Input(const std::vector<double> &terms, const uint8_t *frame)
{
    int16_t sample[2];
    std::memcpy(sample, frame, 4);
    return _mm_set_pd(terms[sample[1] + 32768], terms[sample[0] + 32768]);
}

int Level(int16_t sample)
{
    return std::abs(static_cast<int>(sample)) / 256;
}

// The value of a double's bit pattern.
double FromBits(uint32_t high, uint32_t low)
{
    const uint64_t bits = static_cast<uint64_t>(high) << 32 | low;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

BandPass MakeBandPass(double rate, double centre, double bandwidth)
{
    const double pi = 3.14159265358979323846;
    const double c = 1 / std::tan(pi * bandwidth / rate);
    const double d = 2 * std::cos(2 * pi * centre / rate);
    const double a0 = 1 / (1 + c);
    return {a0, 0, -a0, -c * d * a0, (c - 1) * a0};
}

int16_t FilteredSample(double y)
{
    const double value = y / kSampleScale;
    if (!(std::fabs(value) < 9.2e18))
        return 0;
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<long long>(value)));
}

// A segment's level is that of its largest |y|, division and truncation keeping the order
// of magnitudes, as long as no sample of it wraps past 16 bits: below 32768 none does. The
// largest |y| is tracked by the high half of its bit pattern, an integer that grows with
// it: the level is known when both ends of that half's range give the same one. Segments
// where they differ, that pass 32768 or that hold an unstable filter's infinity or NaN (whose
// patterns lie above every finite one) are walked again sample by sample from their
// starting state.
__attribute__((force_align_arg_pointer)) void MeasureBandPeaks(const BandPass &filter,
                                                               const uint8_t *samples, DWORD length,
                                                               int segments, int *left, int *right)
{
    const std::vector<double> terms = InputTerms(filter.a0);
    const __m128d b1 = _mm_set1_pd(filter.b1), b2 = _mm_set1_pd(filter.b2);
    const __m128i magnitude = _mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL);
    State state = {_mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd()};
    const uint8_t *frame = samples;
    for (int f = 0; f < segments; f++) {
        const State start = state;
        __m128i peak = _mm_setzero_si128();
        for (DWORD i = 0; i < length; i++, frame += 4) {
            const __m128i bits = _mm_and_si128(
                _mm_castpd_si128(Step(state, Input(terms, frame), b1, b2)), magnitude);
            const __m128i higher = _mm_cmpgt_epi32(bits, peak);
            peak = _mm_or_si128(_mm_and_si128(higher, bits), _mm_andnot_si128(higher, peak));
        }
        uint32_t words[4];
        _mm_storeu_si128(reinterpret_cast<__m128i *>(words), peak);
        int levels[2];
        bool exact[2];
        for (int c = 0; c < 2; c++) {
            const double least = FromBits(words[2 * c + 1], 0) / kSampleScale;
            const double most = FromBits(words[2 * c + 1], 0xFFFFFFFF) / kSampleScale;
            exact[c] =
                most < 32768 && static_cast<int>(least) / 256 == static_cast<int>(most) / 256;
            levels[c] = exact[c] ? static_cast<int>(most) / 256 : 0;
        }
        if (!exact[0] || !exact[1]) {
            State again = start;
            const uint8_t *sample = frame - 4 * length;
            for (DWORD i = 0; i < length; i++, sample += 4) {
                double y[2];
                _mm_storeu_pd(y, Step(again, Input(terms, sample), b1, b2));
                for (int c = 0; c < 2; c++)
                    if (!exact[c])
                        levels[c] = std::max(levels[c], Level(FilteredSample(y[c])));
            }
        }
        left[f] = levels[0];
        right[f] = levels[1];
    }
}
