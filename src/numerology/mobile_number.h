#pragma once
// Mobile numbers: the last four digits, modulo 80, key a stored verdict.
#include <optional>
#include <string>
#include <string_view>

namespace qk::numerology {

inline constexpr int kMobileNumberLength = 11;

// The key of the verdict: the characters from position 8 on (at most four),
// read as a decimal number, modulo 80, as decimal text. nullopt when there
// are fewer than eight characters or those read are not all digits.
std::optional<std::string> shoujiinfostr(std::string_view numberText);

// Why a trimmed number text cannot be analysed, or nullopt when it can: empty,
// a character that is not a digit, fewer than eight digits, more than eleven.
std::optional<std::string> MobileInputProblem(std::string_view trimmedNumber);

// The four result fields of the mobile-number window.
struct MobileVerdict {
  std::string number;
  std::string title;    // 状态
  std::string grade;    // 吉凶
  std::string content;  // 具体表现
};

enum class MobileLookup { Found, NoRow, Failed };

struct MobileResult {
  MobileLookup status = MobileLookup::Failed;
  MobileVerdict verdict;  // with NoRow only the number is set
};

// Looks the number's key up in the shouji table of dream.dll. The number must
// have passed MobileInputProblem.
MobileResult LookupMobileVerdict(std::string_view trimmedNumber);

}  // namespace qk::numerology
