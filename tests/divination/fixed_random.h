#pragma once
// Replaces the process-wide random source with a fixed list of draws for the
// life of the object.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "common/random_source.h"

namespace qk::test {

class FixedDraws final : public RandomSource {
 public:
  explicit FixedDraws(std::deque<int>* draws, std::vector<int>* bounds) : draws_(draws), bounds_(bounds) {}
  int Draw(int bound) override {
    bounds_->push_back(bound);
    if (draws_->empty()) {
      ADD_FAILURE() << "more draws than the test provided";
      return 0;
    }
    const int value = draws_->front();
    draws_->pop_front();
    return value;
  }

 private:
  std::deque<int>* draws_;
  std::vector<int>* bounds_;
};

class ScopedDraws {
 public:
  explicit ScopedDraws(std::deque<int> draws = {}) : draws_(std::move(draws)) {
    SetRandomSource(std::make_unique<FixedDraws>(&draws_, &bounds_));
  }
  ~ScopedDraws() { SetRandomSource(nullptr); }
  ScopedDraws(const ScopedDraws&) = delete;
  ScopedDraws& operator=(const ScopedDraws&) = delete;

  void Add(std::initializer_list<int> more) { draws_.insert(draws_.end(), more); }
  std::size_t left() const { return draws_.size(); }
  // The bound of every draw made so far.
  const std::vector<int>& bounds() const { return bounds_; }

 private:
  std::deque<int> draws_;
  std::vector<int> bounds_;
};

}  // namespace qk::test
