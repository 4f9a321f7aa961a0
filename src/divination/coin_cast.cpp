#include "divination/coin_cast.h"

#include "common/random_source.h"

namespace qk::divination {

CoinFace FaceOfDraw(int draw) { return draw == 1 ? CoinFace::Front : CoinFace::Back; }

CoinFace ThrowCoin() { return FaceOfDraw(Random().Draw(2)); }

int DrawHexagramId() { return Random().Draw(kHexagramCount); }

CoinFace FaceOfCodeChar(char c) { return c == '0' ? CoinFace::Front : CoinFace::Back; }

bool IsGuaCode(std::string_view code) {
  if (code.size() != static_cast<std::size_t>(kCoinCount)) return false;
  for (char c : code)
    if (c != '0' && c != '1') return false;
  return true;
}

std::string ThrowPrompt(int coin) { return "请投第" + std::to_string(coin) + "币！"; }

void CoinCast::Restart(CastMode mode) {
  mode_ = mode;
  thrown_.fill(false);
  results_.fill(CoinFace::Front);
}

ThrowOutcome CoinCast::Throw(int coin) {
  if (mode_ == CastMode::Automatic) return ThrowOutcome::AutomaticMode;
  if (!InRange(coin)) return ThrowOutcome::NoSuchCoin;
  if (thrown_[coin - 1]) return ThrowOutcome::AlreadyThrown;
  results_[coin - 1] = ThrowCoin();
  thrown_[coin - 1] = true;
  return ThrowOutcome::Thrown;
}

bool CoinCast::IsThrown(int coin) const { return InRange(coin) && thrown_[coin - 1]; }

bool CoinCast::CanThrow(int coin) const {
  return mode_ == CastMode::Coins && InRange(coin) && !thrown_[coin - 1];
}

CoinFace CoinCast::Result(int coin) const { return InRange(coin) ? results_[coin - 1] : CoinFace::Front; }

std::string CoinCast::Code() const {
  std::string code;
  for (CoinFace face : results_) code += face == CoinFace::Front ? '0' : '1';
  return code;
}

ShowStep CoinCast::Show() const {
  if (mode_ == CastMode::Automatic) return {ShowStep::Kind::ById, 0, DrawHexagramId(), {}};
  for (int coin = 1; coin <= kCoinCount; ++coin)
    if (!thrown_[coin - 1]) return {ShowStep::Kind::ThrowCoin, coin, 0, {}};
  return {ShowStep::Kind::ByCode, 0, 0, Code()};
}

}  // namespace qk::divination
