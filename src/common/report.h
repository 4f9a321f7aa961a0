#pragma once
// What the main window's report commands read and what they give back. The
// report functions of core take the input panel's texts and return either the
// finished lines or the message to show; a window only displays the outcome.
#include <string>
#include <vector>

namespace qk {

// The input panel as the analyses read it (texts already trimmed where the
// panel trims them; Shour is the whole hour item such as "午 12").
struct PanelInput {
  std::string sex = "男";     // CBsex
  int dateKind = 0;           // ComDate item index: 0 公历, 1 农历
  std::string year = "1980";  // SYear
  std::string month = "1";    // SMonth
  std::string day = "1";      // Sday
  std::string hour = "子 0";  // Shour
  std::string minute = "0";   // CBFen, as entered
};

struct ReportOutcome {
  enum class Kind {
    Report,   // lines hold the finished report
    Info,     // message goes to the information box
    Error,    // message goes to the error dialog
    Silent,   // the command ends without a word, as for a failed look-up
  };
  Kind kind = Kind::Silent;
  std::vector<std::string> lines;
  std::string message;

  static ReportOutcome Lines(std::vector<std::string> lines) { return {Kind::Report, std::move(lines), {}}; }
  static ReportOutcome Info(std::string message) { return {Kind::Info, {}, std::move(message)}; }
  static ReportOutcome Error(std::string message) { return {Kind::Error, {}, std::move(message)}; }
  static ReportOutcome Quiet() { return {Kind::Silent, {}, {}}; }
};

}  // namespace qk
