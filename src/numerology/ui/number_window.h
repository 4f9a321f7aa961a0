#pragma once
// The layout and behaviour shared by the QQ-number and any-number windows: an
// edit box with 测算 and 关闭, and four result fields.
#include <QDialog>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qk::numerology::ui {

struct NumberWindowTexts {
  const char* caption;
  int clientHeight;
  const char* inputLabel;
  const char* numberLabel;
  const char* emptyMessage;
};

class NumberVerdictWindow : public QDialog {
  Q_OBJECT

 public:
  NumberVerdictWindow(const NumberWindowTexts& texts, QWidget* parent);

  QGroupBox* grpInput = nullptr;
  QLabel* lblInput = nullptr;
  QLineEdit* edtmun = nullptr;
  QPushButton* RzButton1 = nullptr;  // 测算
  QPushButton* RzButton2 = nullptr;  // 关闭
  QGroupBox* grpResult = nullptr;    // 测算结果
  QLabel* lblNumber = nullptr;
  QLineEdit* edtNumber = nullptr;
  QLineEdit* edtState = nullptr;
  QLineEdit* edtGrade = nullptr;
  QPlainTextEdit* MemoShow = nullptr;

  void RzButton1Click();
  void RzButton2Click();

 private:
  std::string emptyMessage_;
};

}  // namespace qk::numerology::ui
