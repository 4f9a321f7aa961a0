#pragma once
// TFrm_SJcs: the mobile-number window. The last four digits of the number,
// modulo 80, pick a stored verdict.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFrm_SJcs : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_SJcs(QWidget* parent = nullptr);

  QGroupBox* grpInput = nullptr;
  QLineEdit* edtPhone = nullptr;
  QPushButton* RzButton1 = nullptr;  // 测算
  QPushButton* RzButton2 = nullptr;  // 关闭
  QLabel* lblHint = nullptr;         // the eleven-digit note under the edit box
  QGroupBox* grpResult = nullptr;    // 测算结果
  QLineEdit* edtNumber = nullptr;
  QLineEdit* edtState = nullptr;
  QLineEdit* edtGrade = nullptr;
  QPlainTextEdit* MemoShow = nullptr;
  QLabel* lblNote = nullptr;         // the note at the bottom

  void RzButton1Click();
  void RzButton2Click();
};

// Opens a fresh window modally and frees it when it closes.
void OpenFrm_SJcs(QWidget* parent = nullptr);
