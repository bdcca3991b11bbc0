#include "work/composition_blend.h"

#include <cstring>

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace lumena {

namespace {

void BlendScalar(Pixel* target, const Pixel* layer, const uint8_t* alpha, int count, CompositionTarget kind,
                 uint8_t opacity) {
  for (int i = 0; i < count; ++i) {
    const uint8_t own = opacity < 100 ? ApplyOpacity(layer[i].a, opacity) : layer[i].a;
    target[i] = BlendPixel(target[i], layer[i], alpha ? alpha[i] : own, kind);
  }
}

#ifdef __x86_64__
// Eight pixels at a time in 16-bit lanes: b * a + s * (255 - a) never
// exceeds 255 * 255. The layer's alpha lane is taken as 255, which gives
// the full image's alpha formula; the desk takes a instead. The unpacking
// and packing stay within 128-bit halves, so the pixel order holds.
__attribute__((target("avx2"), always_inline)) inline __m256i MixAvx2(__m256i b, __m256i s, __m256i a,
                                                                      __m256i lane255) {
  return _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_mullo_epi16(b, a), _mm256_mullo_epi16(s, _mm256_sub_epi16(lane255, a))), 8);
}

__attribute__((target("avx2"))) int BlendAvx2(Pixel* target, const Pixel* layer, const uint8_t* alpha, int count,
                                              CompositionTarget kind, uint8_t opacity) {
  const bool scaled = opacity < 100;
  const __m256i factor = _mm256_set1_epi32(opacity * 255 / 100);
  const __m256i zero = _mm256_setzero_si256();
  const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  const __m256i all255 = _mm256_set1_epi32(255);
  const __m256i lane255 = _mm256_set1_epi16(255);
  const bool desk = kind == CompositionTarget::Desk;
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(layer + i));
    __m256i a32;
    if (alpha) {
      a32 = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha + i)));
    } else {
      a32 = _mm256_srli_epi32(b, 24);
      // Both factors are below 256, so the product fits the low 16 bits.
      if (scaled) a32 = _mm256_srli_epi32(_mm256_mullo_epi16(a32, factor), 8);
    }
    const __m256i isZero = _mm256_cmpeq_epi32(a32, zero);
    if (_mm256_movemask_epi8(isZero) == -1) continue;
    auto* out = reinterpret_cast<__m256i*>(target + i);
    const __m256i bOpaque = _mm256_or_si256(b, opaque);
    const __m256i isFull = _mm256_cmpeq_epi32(a32, all255);
    if (_mm256_movemask_epi8(isFull) == -1) {
      _mm256_storeu_si256(out, bOpaque);
      continue;
    }
    const __m256i s = _mm256_loadu_si256(out);
    const __m256i a16 = _mm256_or_si256(a32, _mm256_slli_epi32(a32, 16));
    const __m256i lo = MixAvx2(_mm256_unpacklo_epi8(bOpaque, zero), _mm256_unpacklo_epi8(s, zero),
                               _mm256_unpacklo_epi32(a16, a16), lane255);
    const __m256i hi = MixAvx2(_mm256_unpackhi_epi8(bOpaque, zero), _mm256_unpackhi_epi8(s, zero),
                               _mm256_unpackhi_epi32(a16, a16), lane255);
    __m256i result = _mm256_packus_epi16(lo, hi);
    if (desk) result = _mm256_or_si256(_mm256_andnot_si256(opaque, result), _mm256_slli_epi32(a32, 24));
    result = _mm256_blendv_epi8(result, bOpaque, isFull);
    result = _mm256_blendv_epi8(result, s, isZero);
    _mm256_storeu_si256(out, result);
  }
  return i;
}
#endif

}  // namespace

void BlendRow(Pixel* target, const Pixel* layer, const uint8_t* alpha, int count, CompositionTarget kind,
              uint8_t opacity) {
  int done = 0;
#ifdef __x86_64__
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) done = BlendAvx2(target, layer, alpha, count, kind, opacity);
#endif
  BlendScalar(target + done, layer + done, alpha ? alpha + done : nullptr, count - done, kind, opacity);
}

}  // namespace lumena
