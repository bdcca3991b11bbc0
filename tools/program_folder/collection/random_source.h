#pragma once
// The collection is drawn with its own seeded generator, so every build
// writes the same pictures.
#include <cstdint>
#include <random>
#include <string_view>

namespace lumena::tools {

class RandomSource {
 public:
  explicit RandomSource(uint32_t seed) : engine_(seed) {}
  // A seed that stays the same for the same name on every machine.
  explicit RandomSource(std::string_view name) : engine_(SeedOf(name)) {}

  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine_); }
  double Normal(double mean, double spread) { return std::normal_distribution<double>(mean, spread)(engine_); }
  bool Chance(double probability) { return Uniform(0, 1) < probability; }

  static uint32_t SeedOf(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return hash;
  }

 private:
  std::mt19937 engine_;
};

}  // namespace lumena::tools
