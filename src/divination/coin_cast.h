#pragma once
// Casting a hexagram with six coins, or by drawing one of the 64 at random.
// The state of one cast lives here; the window only shows it.
#include <array>
#include <string>
#include <string_view>

namespace qk::divination {

inline constexpr int kCoinCount = 6;
inline constexpr int kHexagramCount = 64;

// Front is result 0 (code digit "0"), back is result 1 (code digit "1").
enum class CoinFace { Front = 0, Back = 1 };
enum class CastMode { Coins, Automatic };

// A coin throw draws 0 or 1: a draw of 1 shows the front, 0 the back.
CoinFace FaceOfDraw(int draw);
// One coin thrown through the process-wide random source.
CoinFace ThrowCoin();
// One hexagram ID 0 … 63 drawn through the process-wide random source.
int DrawHexagramId();

// A code character "0" shows the front; any other character the back.
CoinFace FaceOfCodeChar(char c);
// Six characters, each "0" or "1".
bool IsGuaCode(std::string_view code);

// "请投第k币！" for coin k = 1 … 6.
std::string ThrowPrompt(int coin);

// What 查看起卦 asks for next.
struct ShowStep {
  enum class Kind { ThrowCoin, ById, ByCode };
  Kind kind;
  int coin = 0;      // ThrowCoin: the first coin not yet thrown, 1 … 6
  int id = 0;        // ById: the drawn hexagram ID
  std::string code;  // ByCode: the six results, coin 1 first
};

enum class ThrowOutcome { Thrown, AutomaticMode, AlreadyThrown, NoSuchCoin };

class CoinCast {
 public:
  explicit CoinCast(CastMode mode = CastMode::Automatic) { Restart(mode); }

  // A new cast: nothing thrown, every result front (0).
  void Restart(CastMode mode);
  CastMode mode() const { return mode_; }

  // Throws coin k (1 … 6) once per cast; only in coin mode.
  ThrowOutcome Throw(int coin);
  bool IsThrown(int coin) const;
  // Whether the throw button of coin k may be pressed.
  bool CanThrow(int coin) const;
  CoinFace Result(int coin) const;

  // Automatic mode draws an ID afresh on every call; coin mode asks for the
  // first coin not yet thrown, or gives the code once all six are down.
  ShowStep Show() const;
  std::string Code() const;

 private:
  static bool InRange(int coin) { return coin >= 1 && coin <= kCoinCount; }
  CastMode mode_ = CastMode::Automatic;
  std::array<bool, kCoinCount> thrown_{};
  std::array<CoinFace, kCoinCount> results_{};
};

}  // namespace qk::divination
