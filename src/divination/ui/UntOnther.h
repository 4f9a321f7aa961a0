#pragma once
// TFormOnther, the omen window: seven pages without tabs, one per omen, and a
// note that gives the clock hours of the double hours.
#include <QString>
#include <QWidget>
#include <array>

#include "divination/omen_pages.h"

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

class TFormOnther : public QWidget {
  Q_OBJECT

 public:
  explicit TFormOnther(QWidget* parent = nullptr);

  QStackedWidget* PageControl1 = nullptr;
  std::array<QPlainTextEdit*, qk::divination::kOmenPageCount> pageMemos{};
  QLabel* Label1 = nullptr;  // the navy note

  // Shows page 0 … 6; any other number changes nothing.
  void SelectPage(int page);
  int currentPage() const;
};

namespace qk::divination::ui {

// Opens a further omen window on the page, with the caption, and shows it
// without waiting; it frees itself when closed. A page outside 0 … 6 opens
// nothing and gives nullptr.
TFormOnther* OpenOmenWindow(const QString& caption, int page, QWidget* parent = nullptr);
// The same with the page's own caption ("打喷嚏占卜吉凶" … "耳鸣测吉凶").
TFormOnther* OpenOmenWindow(int page, QWidget* parent = nullptr);

}  // namespace qk::divination::ui
