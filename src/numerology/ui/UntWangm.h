#pragma once
// TFrmWangming: the net-name window. The last letter of the name's pinyin
// initials picks a personality trait.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFrmWangming : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmWangming(QWidget* parent = nullptr);

  QGroupBox* grpInput = nullptr;
  QLineEdit* edtName = nullptr;
  QPushButton* RzButton1 = nullptr;  // 测算
  QPushButton* RzButton2 = nullptr;  // 关闭
  QGroupBox* grpResult = nullptr;    // 测算结果
  QLabel* lblName = nullptr;         // green name line
  QLabel* lblTrait = nullptr;        // navy trait line

  void RzButton1Click();
  void RzButton2Click();
};

// Opens a fresh window modally and frees it when it closes.
void OpenFrmWangming(QWidget* parent = nullptr);
