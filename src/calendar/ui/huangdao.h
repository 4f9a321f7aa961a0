#pragma once
// The almanac window 黄道吉日: pick a Gregorian day and read its entry from
// the huangdao table, with a fixed glossary of almanac terms underneath.
#include <QWidget>
#include <functional>

#include "common/day_count.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFormHuangdao : public QWidget {
  Q_OBJECT

 public:
  explicit TFormHuangdao(QWidget* parent = nullptr);

  // Where "today" comes from when the window fills its empty date boxes.
  void SetTodaySource(std::function<qk::Ymd()> today);

  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QPushButton* BtnCesuan = nullptr;  // 测算
  QPushButton* BtnPrint = nullptr;   // 打印: no action in this program
  QPushButton* BtnClose = nullptr;   // 关闭
  QLabel* LblSummary = nullptr;      // 当日统览
  QPlainTextEdit* MemoResult = nullptr;
  QPlainTextEdit* MemoGlossary = nullptr;

  void FormShow();
  void BtnCesuanClick();
  void BtnCloseClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<qk::Ymd()> today_;
};

namespace qk::calendar::ui {

// The glossary text: 34 lines explaining 32 almanac terms.
QString AlmanacGlossary();

// Opens a new almanac window, shown non-modally and freed when closed.
TFormHuangdao* ShowHuangdaoWindow(QWidget* parent = nullptr);

}  // namespace qk::calendar::ui
