#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "common/gbk.h"
#include "data/reference_db.h"
#include "divination/fixed_random.h"
#include "divination/ui/Jinqiangua.h"
#include "divination/ui/message_capture.h"

namespace {

namespace fs = std::filesystem;
using qk::divination::CoinFace;

class QiguaWindow : public ::testing::Test {
 protected:
  void Throw(int coin) { QTest::mouseClick(window.ThrowButton(coin), Qt::LeftButton); }
  void ClickShow() { QTest::mouseClick(window.RzBitBtn1, Qt::LeftButton); }
  void ChooseCoinMode() { QTest::mouseClick(window.RzRadioButton1, Qt::LeftButton); }
  void ChooseAutomaticMode() { QTest::mouseClick(window.RzRadioButton2, Qt::LeftButton); }
  bool SlotsEmpty() const {
    for (int k = 1; k <= 6; ++k)
      if (window.SlotFace(k) || !window.Slot(k)->pixmap().isNull() || window.slotCaptions[k - 1]->isHidden())
        return false;
    return true;
  }

  qk::test::MessageCapture capture;
  qk::test::ScopedDraws draws;
  TFrmQigua window;
};

TEST_F(QiguaWindow, StartsEmptyInAutomaticModeWithTheThrowButtonsOff) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("金钱卦"));
  EXPECT_TRUE(window.RzRadioButton2->isChecked());
  EXPECT_EQ(window.Label9->text(), QStringLiteral("未起卦"));
  EXPECT_TRUE(window.RzMemo1->toPlainText().isEmpty());
  EXPECT_TRUE(SlotsEmpty());
  for (int k = 1; k <= 6; ++k) {
    EXPECT_FALSE(window.ThrowButton(k)->isEnabled());
    EXPECT_EQ(window.ThrowButton(k)->text(), QStringLiteral("投第%1币").arg(k));
    EXPECT_EQ(window.slotCaptions[k - 1]->text(), QStringLiteral("未投"));
  }
  EXPECT_EQ(window.RzBitBtn5, window.ThrowButton(6));
}

TEST_F(QiguaWindow, ShowBeforeAllCoinsAreDownAsksForTheNextAndFocusesIt) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ChooseCoinMode();
  draws.Add({1, 0});
  Throw(1);
  Throw(2);
  ClickShow();
  ASSERT_EQ(capture.messages.size(), 1u);
  EXPECT_EQ(capture.messages[0].caption, QStringLiteral("投币提示"));
  EXPECT_EQ(capture.messages[0].text, QStringLiteral("请投第3币！"));
  EXPECT_TRUE(window.RzBitBtn8->hasFocus());
  EXPECT_EQ(window.Label9->text(), QStringLiteral("未起卦"));
}

TEST_F(QiguaWindow, SixThrowsShowTheHexagramOfTheirCode) {
  ChooseCoinMode();
  draws.Add({1, 0, 0, 1, 1, 0});  // front, back, back, front, front, back
  for (int k = 1; k <= 6; ++k) {
    Throw(k);
    EXPECT_FALSE(window.ThrowButton(k)->isEnabled());
  }
  const CoinFace F = CoinFace::Front, B = CoinFace::Back;
  const CoinFace expected[] = {F, B, B, F, F, B};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(window.SlotFace(k), expected[k - 1]) << k;
  EXPECT_EQ(window.cast().Code(), "011001");
  ClickShow();
  EXPECT_TRUE(capture.messages.empty());
  EXPECT_EQ(window.Label9->text(), QStringLiteral("第17卦 泽雷随"));
  EXPECT_TRUE(window.RzMemo1->toPlainText().contains(QStringLiteral("泽中有雷，随；君子以向晦入宴息。")));
}

TEST_F(QiguaWindow, AutomaticModeDrawsAgainOnEveryShowAndSetsTheSlotsFromTheCode) {
  draws.Add({0, 63});
  ClickShow();
  EXPECT_EQ(window.Label9->text(), QStringLiteral("第1卦 乾为天"));
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(window.SlotFace(k), CoinFace::Front);
  ClickShow();
  EXPECT_EQ(window.Label9->text(), QStringLiteral("第64卦 火水未济"));
  const std::string code = "101010";
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(window.SlotFace(k), qk::divination::FaceOfCodeChar(code[k - 1])) << k;
  EXPECT_EQ(draws.bounds(), (std::vector<int>{64, 64}));

  // The buttons are off, but a throw that reaches the handler is refused.
  window.RzBitBtn6Click();
  ASSERT_EQ(capture.messages.size(), 1u);
  EXPECT_EQ(capture.messages[0].caption, QStringLiteral("信息提示"));
  EXPECT_EQ(capture.messages[0].text, QStringLiteral("全自动模式请直接查看起卦！"));
}

TEST_F(QiguaWindow, ChangingTheModeStartsANewCast) {
  draws.Add({5});
  ClickShow();
  ASSERT_NE(window.Label9->text(), QStringLiteral("未起卦"));
  ChooseCoinMode();
  EXPECT_EQ(window.Label9->text(), QStringLiteral("未起卦"));
  EXPECT_TRUE(window.RzMemo1->toPlainText().isEmpty());
  EXPECT_TRUE(SlotsEmpty());
  for (int k = 1; k <= 6; ++k) EXPECT_TRUE(window.ThrowButton(k)->isEnabled());

  draws.Add({1, 0, 1});
  Throw(1);
  Throw(2);
  Throw(3);
  ChooseAutomaticMode();  // mid-cast
  EXPECT_TRUE(SlotsEmpty());
  EXPECT_EQ(window.Label9->text(), QStringLiteral("未起卦"));
  for (int k = 1; k <= 6; ++k) EXPECT_FALSE(window.ThrowButton(k)->isEnabled());

  ChooseCoinMode();
  QTest::mouseClick(window.RzBitBtn11, Qt::LeftButton);  // 重新起卦 keeps the mode
  EXPECT_TRUE(window.RzRadioButton1->isChecked());
  EXPECT_FALSE(window.cast().IsThrown(1));
}

TEST_F(QiguaWindow, AMissingDatabaseIsReportedAndChangesNothing) {
  const fs::path empty = fs::temp_directory_path() / ("qk_qigua_nodb_" + std::to_string(::getpid()));
  fs::create_directories(empty);
  qk::data::SetReferenceDirectory(empty);
  draws.Add({3});
  ClickShow();
  qk::data::SetReferenceDirectory(std::nullopt);
  fs::remove_all(empty);
  ASSERT_EQ(capture.messages.size(), 1u);
  EXPECT_EQ(capture.messages[0].kind, qk::ui::MessageKind::Error);
  EXPECT_TRUE(capture.messages[0].text.contains(QStringLiteral("Tgcode.dll")));
  EXPECT_EQ(window.Label9->text(), QStringLiteral("未起卦"));
  EXPECT_TRUE(SlotsEmpty());
}

class QiguaSave : public QiguaWindow {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("qk_qigua_save_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    window.chooseSaveName = [this](QWidget*, const QString& title, const QString& filter, const QString& proposed) {
      asked.push_back(title + "|" + filter + "|" + proposed);
      return answer;
    };
  }
  void TearDown() override { fs::remove_all(dir); }
  void ClickSave() { QTest::mouseClick(window.RzBitBtn2, Qt::LeftButton); }
  static std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir;
  QString answer;
  QStringList asked;
};

TEST_F(QiguaSave, NameEndingInTxtGetsAnotherTxtAndTheFileIsGbkWithCrLf) {
  draws.Add({16});
  ClickShow();
  answer = QString::fromStdString((dir / "卦.txt").string());
  ClickSave();
  EXPECT_EQ(asked, QStringList{QStringLiteral("保存|文本文件 (*.txt)|金钱卦")});
  EXPECT_TRUE(capture.messages.empty());
  EXPECT_FALSE(fs::exists(dir / "卦.txt"));
  ASSERT_TRUE(fs::exists(dir / "卦.txt.txt"));

  const std::string bytes = ReadBytes(dir / "卦.txt.txt");
  const auto text = qk::GbkToUtf8(bytes);
  ASSERT_TRUE(text.has_value());
  QString expected = window.RzMemo1->toPlainText();
  expected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  EXPECT_EQ(QString::fromStdString(*text), expected + QStringLiteral("\r\n"));
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(QiguaSave, NothingToSaveOrCancelledWritesNothing) {
  ClickSave();  // empty text: no dialog
  EXPECT_TRUE(asked.isEmpty());
  draws.Add({2});
  ClickShow();
  answer.clear();  // the user cancels
  ClickSave();
  EXPECT_EQ(asked.size(), 1);
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(capture.messages.empty());
}

TEST_F(QiguaSave, AFailedSaveSaysSo) {
  draws.Add({2});
  ClickShow();
  answer = QString::fromStdString((dir / "没有的文件夹" / "卦").string());
  ClickSave();
  ASSERT_EQ(capture.messages.size(), 1u);
  EXPECT_EQ(capture.messages[0].kind, qk::ui::MessageKind::Error);
  EXPECT_TRUE(capture.messages[0].text.startsWith(QStringLiteral("保存失败")));
  EXPECT_TRUE(fs::is_empty(dir));
}

}  // namespace
