// The coin-hexagram window against bad input: the names typed into its save
// box, and hexagram IDs and codes that no row has. A refused name gives one
// message and writes nothing; the shown hexagram never changes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <climits>
#include <filesystem>
#include <unistd.h>

#include "divination/ui/Jinqiangua.h"
#include "divination/ui/message_capture.h"
#include "support/bad_inputs.h"

namespace {

namespace fs = std::filesystem;
using namespace qk::test;

class CoinWindowBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("qk_coin_bad_input_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "taken.txt");  // a directory where a file would go
    window.ShowGuaById(1);
    ASSERT_FALSE(window.RzMemo1->toPlainText().isEmpty());
  }
  void TearDown() override { fs::remove_all(dir); }

  QStringList Shown() const { return {window.Label9->text(), window.RzMemo1->toPlainText()}; }

  fs::path dir;
  TFrmQigua window;
};

TEST_F(CoinWindowBadInput, SaveNames) {
  struct Case {
    std::string name;      // relative to the temp folder; "" is a cancelled dialog
    bool refused;          // a message and no file
  };
  const std::vector<Case> cases = {
      {"", false},
      {"   ", false},
      {"'", false},
      {kSqlInjection, false},
      {kFullWidthDigits, false},
      {"no/such/folder/gua", true},
      {kHugePaste, true},  // longer than any file name may be
      {"taken", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 40));
    const QStringList before = Shown();
    MessageCapture capture;
    window.chooseSaveName = [&](QWidget*, const QString&, const QString&, const QString&) {
      return c.name.empty() ? QString() : QString::fromStdString((dir / c.name).string());
    };
    window.RzBitBtn2Click();
    EXPECT_EQ(Shown(), before);
    if (c.name.empty()) {
      EXPECT_TRUE(capture.messages.empty());
      continue;
    }
    const fs::path file = dir / (c.name + ".txt");
    std::error_code ec;
    if (c.refused) {
      ASSERT_EQ(capture.messages.size(), 1u);
      EXPECT_EQ(capture.messages[0].kind, qk::ui::MessageKind::Error);
      EXPECT_FALSE(fs::is_regular_file(file, ec));
    } else {
      EXPECT_TRUE(capture.messages.empty());
      EXPECT_GT(fs::file_size(file, ec), 0u);
    }
  }
  // No temporary file is left behind by the refused saves.
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(CoinWindowBadInput, IdsAndCodesWithoutARowChangeNothing) {
  const QStringList before = Shown();
  MessageCapture capture;
  for (int id : {-5, 64, 65, INT_MAX, INT_MIN}) window.ShowGuaById(id);  // ids run 0 … 63
  for (const std::string& code : {std::string(), std::string("'"), kSqlInjection, kFullWidthDigits, kHugePaste,
                                  std::string("1111112"), std::string("11111")})
    window.ShowGuaByCode(code);
  EXPECT_EQ(Shown(), before);
  EXPECT_TRUE(capture.messages.empty());
}

}  // namespace
