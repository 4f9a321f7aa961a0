#include "common/random_source.h"

#include <chrono>
#include <random>

namespace qk {
namespace {

std::unique_ptr<RandomSource>& Slot() {
  static std::unique_ptr<RandomSource> source = std::make_unique<ClockSeededRandom>();
  return source;
}

}  // namespace

int ClockSeededRandom::Draw(int bound) {
  if (bound <= 1) return 0;
  std::random_device entropy;
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32), entropy()};
  std::mt19937 generator(seed);
  return std::uniform_int_distribution<int>(0, bound - 1)(generator);
}

RandomSource& Random() { return *Slot(); }

void SetRandomSource(std::unique_ptr<RandomSource> source) {
  Slot() = source ? std::move(source) : std::make_unique<ClockSeededRandom>();
}

}  // namespace qk
