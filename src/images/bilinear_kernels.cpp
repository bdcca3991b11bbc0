#include "images/bilinear_kernels.h"

#include <algorithm>
#include <bit>

#include "images/bilinear_sampler.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define LUMENA_HAVE_AVX2_KERNELS 1
#endif

namespace lumena {
namespace {

inline uint8_t Truncated(double v) { return static_cast<uint8_t>(std::min(static_cast<int>(v), 255)); }

void BlendRowPlain(const Pixel* row, const SampleAxis& columns, double* out, uint8_t* nearestAlpha) {
  const size_t count = columns.first.size();
  for (size_t c = 0; c < count; ++c, out += 4) {
    const Pixel& p0 = row[columns.first[c]];
    const Pixel& p1 = row[columns.second[c]];
    const double w0 = columns.complement[c], w1 = columns.fraction[c];
    out[0] = w0 * p0.b + w1 * p1.b;
    out[1] = w0 * p0.g + w1 * p1.g;
    out[2] = w0 * p0.r + w1 * p1.r;
    out[3] = w0 * p0.a + w1 * p1.a;
    nearestAlpha[c] = p0.a;
  }
}

void MixRowsPlain(const double* a, const double* b, double w0, double w1, size_t count, Pixel* out) {
  for (size_t c = 0; c < count; ++c, a += 4, b += 4)
    out[c] = {Truncated(w0 * a[0] + w1 * b[0]), Truncated(w0 * a[1] + w1 * b[1]), Truncated(w0 * a[2] + w1 * b[2]),
              Truncated(w0 * a[3] + w1 * b[3])};
}

void TruncateRowPlain(const double* a, size_t count, Pixel* out) {
  for (size_t c = 0; c < count; ++c, a += 4)
    out[c] = {Truncated(a[0]), Truncated(a[1]), Truncated(a[2]), Truncated(a[3])};
}

void BlendRowExactPlain(const Pixel* row, const SampleAxis& columns, uint16_t* out, uint8_t* nearestAlpha) {
  const int one = 1 << columns.exactBits;
  const size_t count = columns.first.size();
  for (size_t c = 0; c < count; ++c, out += 4) {
    const Pixel& p0 = row[columns.first[c]];
    const Pixel& p1 = row[columns.second[c]];
    const int w1 = columns.scaledFraction[c], w0 = one - w1;
    out[0] = static_cast<uint16_t>(w0 * p0.b + w1 * p1.b);
    out[1] = static_cast<uint16_t>(w0 * p0.g + w1 * p1.g);
    out[2] = static_cast<uint16_t>(w0 * p0.r + w1 * p1.r);
    out[3] = static_cast<uint16_t>(w0 * p0.a + w1 * p1.a);
    nearestAlpha[c] = p0.a;
  }
}

void MixRowsExactPlain(const uint16_t* a, const uint16_t* b, uint16_t w0, uint16_t w1, int shift, size_t count,
                       Pixel* out) {
  auto mixed = [&](int k) { return static_cast<uint8_t>((w0 * a[k] + w1 * b[k]) >> shift); };
  for (size_t c = 0; c < count; ++c, a += 4, b += 4) out[c] = {mixed(0), mixed(1), mixed(2), mixed(3)};
}

void TruncateRowExactPlain(const uint16_t* a, int shift, size_t count, Pixel* out) {
  for (size_t c = 0; c < count; ++c, a += 4)
    out[c] = {static_cast<uint8_t>(a[0] >> shift), static_cast<uint8_t>(a[1] >> shift),
              static_cast<uint8_t>(a[2] >> shift), static_cast<uint8_t>(a[3] >> shift)};
}

constexpr BilinearKernels kPlain{BlendRowPlain,      MixRowsPlain,      TruncateRowPlain,
                                 BlendRowExactPlain, MixRowsExactPlain, TruncateRowExactPlain};

#ifdef LUMENA_HAVE_AVX2_KERNELS
#define LUMENA_AVX2 __attribute__((target("avx2")))

LUMENA_AVX2 inline __m256d LoadPixel(const Pixel& p) {
  return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(std::bit_cast<int32_t>(p))));
}

// Four pixels' worth of truncated channels, packed to bytes with saturation.
LUMENA_AVX2 inline void StoreFour(__m256d v0, __m256d v1, __m256d v2, __m256d v3, Pixel* out) {
  const __m128i low = _mm_packs_epi32(_mm256_cvttpd_epi32(v0), _mm256_cvttpd_epi32(v1));
  const __m128i high = _mm_packs_epi32(_mm256_cvttpd_epi32(v2), _mm256_cvttpd_epi32(v3));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(low, high));
}

LUMENA_AVX2 void BlendRowAvx2(const Pixel* row, const SampleAxis& columns, double* out, uint8_t* nearestAlpha) {
  const size_t count = columns.first.size();
  for (size_t c = 0; c < count; ++c, out += 4) {
    const Pixel& p0 = row[columns.first[c]];
    const __m256d w0 = _mm256_set1_pd(columns.complement[c]), w1 = _mm256_set1_pd(columns.fraction[c]);
    _mm256_storeu_pd(
        out, _mm256_add_pd(_mm256_mul_pd(w0, LoadPixel(p0)), _mm256_mul_pd(w1, LoadPixel(row[columns.second[c]]))));
    nearestAlpha[c] = p0.a;
  }
}

LUMENA_AVX2 inline __m256d MixOne(const double* a, const double* b, __m256d w0, __m256d w1) {
  return _mm256_add_pd(_mm256_mul_pd(w0, _mm256_loadu_pd(a)), _mm256_mul_pd(w1, _mm256_loadu_pd(b)));
}

LUMENA_AVX2 void MixRowsAvx2(const double* a, const double* b, double weight0, double weight1, size_t count,
                             Pixel* out) {
  const __m256d w0 = _mm256_set1_pd(weight0), w1 = _mm256_set1_pd(weight1);
  size_t c = 0;
  for (; c + 4 <= count; c += 4, a += 16, b += 16)
    StoreFour(MixOne(a, b, w0, w1), MixOne(a + 4, b + 4, w0, w1), MixOne(a + 8, b + 8, w0, w1),
              MixOne(a + 12, b + 12, w0, w1), out + c);
  MixRowsPlain(a, b, weight0, weight1, count - c, out + c);
}

LUMENA_AVX2 void TruncateRowAvx2(const double* a, size_t count, Pixel* out) {
  size_t c = 0;
  for (; c + 4 <= count; c += 4, a += 16)
    StoreFour(_mm256_loadu_pd(a), _mm256_loadu_pd(a + 4), _mm256_loadu_pd(a + 8), _mm256_loadu_pd(a + 12), out + c);
  TruncateRowPlain(a, count - c, out + c);
}

// The whole-number kernels need only SSE2, with eight 16-bit lanes: two
// pixels' channels.
inline __m128i TwoPixels(const Pixel& first, const Pixel& second) {
  const __m128i bytes = _mm_set_epi32(0, 0, std::bit_cast<int32_t>(second), std::bit_cast<int32_t>(first));
  return _mm_unpacklo_epi8(bytes, _mm_setzero_si128());
}

void BlendRowExactSse2(const Pixel* row, const SampleAxis& columns, uint16_t* out, uint8_t* nearestAlpha) {
  const __m128i one = _mm_set1_epi16(static_cast<int16_t>(1 << columns.exactBits));
  const size_t count = columns.first.size();
  const int32_t* first = columns.first.data();
  const int32_t* second = columns.second.data();
  const uint16_t* weight = columns.scaledFraction.data();
  size_t c = 0;
  for (; c + 2 <= count; c += 2, out += 8) {
    __m128i w1 = _mm_cvtsi32_si128(weight[c] | weight[c + 1] << 16);
    w1 = _mm_unpacklo_epi16(w1, w1);
    w1 = _mm_unpacklo_epi32(w1, w1);  // four lanes of each weight
    const __m128i p0 = TwoPixels(row[first[c]], row[first[c + 1]]);
    const __m128i p1 = TwoPixels(row[second[c]], row[second[c + 1]]);
    const __m128i v = _mm_add_epi16(_mm_mullo_epi16(p0, _mm_sub_epi16(one, w1)), _mm_mullo_epi16(p1, w1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
    nearestAlpha[c] = row[first[c]].a;
    nearestAlpha[c + 1] = row[first[c + 1]].a;
  }
  for (; c < count; ++c, out += 4) {
    const int w1 = weight[c], w0 = (1 << columns.exactBits) - w1;
    const Pixel& p0 = row[first[c]];
    const Pixel& p1 = row[second[c]];
    out[0] = static_cast<uint16_t>(w0 * p0.b + w1 * p1.b);
    out[1] = static_cast<uint16_t>(w0 * p0.g + w1 * p1.g);
    out[2] = static_cast<uint16_t>(w0 * p0.r + w1 * p1.r);
    out[3] = static_cast<uint16_t>(w0 * p0.a + w1 * p1.a);
    nearestAlpha[c] = p0.a;
  }
}

// Shifted and packed: four pixels from sixteen 16-bit values.
inline void StoreFourShifted(__m128i low, __m128i high, __m128i shift, Pixel* out) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                   _mm_packus_epi16(_mm_srl_epi16(low, shift), _mm_srl_epi16(high, shift)));
}

inline __m128i Load8(const uint16_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

void MixRowsExactSse2(const uint16_t* a, const uint16_t* b, uint16_t weight0, uint16_t weight1, int shift, size_t count,
                      Pixel* out) {
  const __m128i w0 = _mm_set1_epi16(static_cast<int16_t>(weight0)), w1 = _mm_set1_epi16(static_cast<int16_t>(weight1));
  const __m128i bits = _mm_cvtsi32_si128(shift);
  auto mixed = [&](const uint16_t* x, const uint16_t* y) {
    return _mm_add_epi16(_mm_mullo_epi16(Load8(x), w0), _mm_mullo_epi16(Load8(y), w1));
  };
  size_t c = 0;
  for (; c + 4 <= count; c += 4, a += 16, b += 16) StoreFourShifted(mixed(a, b), mixed(a + 8, b + 8), bits, out + c);
  MixRowsExactPlain(a, b, weight0, weight1, shift, count - c, out + c);
}

void TruncateRowExactSse2(const uint16_t* a, int shift, size_t count, Pixel* out) {
  const __m128i bits = _mm_cvtsi32_si128(shift);
  size_t c = 0;
  for (; c + 4 <= count; c += 4, a += 16) StoreFourShifted(Load8(a), Load8(a + 8), bits, out + c);
  TruncateRowExactPlain(a, shift, count - c, out + c);
}

constexpr BilinearKernels kAvx2{BlendRowAvx2,      MixRowsAvx2,      TruncateRowAvx2,
                                BlendRowExactSse2, MixRowsExactSse2, TruncateRowExactSse2};
#endif

}  // namespace

const BilinearKernels& SelectBilinearKernels(bool plainOnly) {
#ifdef LUMENA_HAVE_AVX2_KERNELS
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2 && !plainOnly) return kAvx2;
#endif
  return kPlain;
}

}  // namespace lumena
