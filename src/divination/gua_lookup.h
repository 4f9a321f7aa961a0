#pragma once
// Hexagram titles and texts from the 64gua table of Tgcode.dll.
#include <string>
#include <string_view>

namespace qk::divination {

struct GuaEntry {
  int id = 0;
  std::string code;   // GuaCode, trimmed
  std::string title;  // GuaTite, trimmed
  std::string text;   // GuaValue, trimmed
};

struct GuaLookup {
  enum class Status { Found, NotFound, Failed };
  Status status = Status::Failed;
  GuaEntry entry;     // when Found
  std::string error;  // when Failed: why, for the message

  bool found() const { return status == Status::Found; }
};

GuaLookup FindGuaById(int id);
GuaLookup FindGuaByCode(std::string_view code);

// The message shown when Tgcode.dll cannot be read.
std::string GuaReadFailureMessage();

}  // namespace qk::divination
