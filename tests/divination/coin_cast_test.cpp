#include "divination/coin_cast.h"

#include <gtest/gtest.h>

#include "divination/fixed_random.h"

namespace qk::divination {
namespace {

using Kind = ShowStep::Kind;

TEST(CoinCast, DrawOfOneIsTheFrontAndZeroTheBack) {
  EXPECT_EQ(FaceOfDraw(1), CoinFace::Front);
  EXPECT_EQ(FaceOfDraw(0), CoinFace::Back);
  EXPECT_EQ(FaceOfCodeChar('0'), CoinFace::Front);
  EXPECT_EQ(FaceOfCodeChar('1'), CoinFace::Back);
  EXPECT_EQ(FaceOfCodeChar('x'), CoinFace::Back);
}

TEST(CoinCast, SixThrowsMakeTheCodeCoinOneFirst) {
  // front, back, back, front, front, back
  test::ScopedDraws draws({1, 0, 0, 1, 1, 0});
  CoinCast cast(CastMode::Coins);
  for (int coin = 1; coin <= kCoinCount; ++coin) {
    EXPECT_TRUE(cast.CanThrow(coin));
    EXPECT_EQ(cast.Throw(coin), ThrowOutcome::Thrown);
    EXPECT_FALSE(cast.CanThrow(coin));
  }
  EXPECT_EQ(draws.bounds(), std::vector<int>(6, 2));
  const ShowStep step = cast.Show();
  EXPECT_EQ(step.kind, Kind::ByCode);
  EXPECT_EQ(step.code, "011001");
}

TEST(CoinCast, ShowAsksForTheFirstCoinNotYetThrown) {
  test::ScopedDraws draws({1, 1, 1});
  CoinCast cast(CastMode::Coins);
  EXPECT_EQ(cast.Show().coin, 1);
  cast.Throw(1);
  cast.Throw(2);
  EXPECT_EQ(cast.Show().kind, Kind::ThrowCoin);
  EXPECT_EQ(cast.Show().coin, 3);
  cast.Throw(5);  // out of order: coin 3 is still the first missing
  EXPECT_EQ(cast.Show().coin, 3);
  EXPECT_EQ(ThrowPrompt(3), "请投第3币！");
}

TEST(CoinCast, EachCoinIsThrownOncePerCast) {
  test::ScopedDraws draws({0, 1});
  CoinCast cast(CastMode::Coins);
  EXPECT_EQ(cast.Throw(2), ThrowOutcome::Thrown);
  EXPECT_EQ(cast.Throw(2), ThrowOutcome::AlreadyThrown);
  EXPECT_EQ(cast.Result(2), CoinFace::Back);  // the second throw changed nothing
  EXPECT_EQ(cast.Throw(0), ThrowOutcome::NoSuchCoin);
  EXPECT_EQ(cast.Throw(7), ThrowOutcome::NoSuchCoin);
  EXPECT_EQ(draws.left(), 1u);  // no draw wasted on refused throws

  cast.Restart(CastMode::Coins);  // a new cast forgets the throws and results
  EXPECT_FALSE(cast.IsThrown(2));
  EXPECT_EQ(cast.Result(2), CoinFace::Front);
  EXPECT_EQ(cast.Throw(2), ThrowOutcome::Thrown);
}

TEST(CoinCast, AutomaticModeRefusesThrowsAndDrawsAnIdOnEveryShow) {
  test::ScopedDraws draws({0, 63, 17});
  CoinCast cast(CastMode::Automatic);
  EXPECT_FALSE(cast.CanThrow(1));
  EXPECT_EQ(cast.Throw(1), ThrowOutcome::AutomaticMode);
  for (int expected : {0, 63, 17}) {
    const ShowStep step = cast.Show();
    EXPECT_EQ(step.kind, Kind::ById);
    EXPECT_EQ(step.id, expected);
  }
  EXPECT_EQ(draws.bounds(), std::vector<int>(3, 64));
}

TEST(CoinCast, CodeCheck) {
  EXPECT_TRUE(IsGuaCode("011001"));
  for (const char* bad : {"", "01100", "0110011", "01100x", "0 1100"}) EXPECT_FALSE(IsGuaCode(bad)) << bad;
}

}  // namespace
}  // namespace qk::divination
