#pragma once
// The texts a careless or hostile user puts into an input box, shared by the
// bad-input tests of every window and of the command line.
#include <string>

namespace qk::test {

inline const std::string kTwentyDigits = "12345678901234567890";
inline const std::string kSqlInjection = "'; drop table x; --";
inline const std::string kFullWidthDigits = "１２３";
inline const std::string kHugePaste(10000, '9');

}  // namespace qk::test
