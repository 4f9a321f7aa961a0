#pragma once
// One source of random draws for the whole program. The default re-seeds from
// the clock before every draw; tests install a fixed sequence instead.
#include <functional>
#include <memory>

namespace qk {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number in [0, bound); bound must be positive.
  virtual int Draw(int bound) = 0;
};

// Seeds a fresh generator from the high-resolution clock and the system
// entropy source for each draw.
class ClockSeededRandom final : public RandomSource {
 public:
  int Draw(int bound) override;
};

// The process-wide source; never null.
RandomSource& Random();
// Replaces the process-wide source (nullptr restores the clock-seeded one).
void SetRandomSource(std::unique_ptr<RandomSource> source);

}  // namespace qk
