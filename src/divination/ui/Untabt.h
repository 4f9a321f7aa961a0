#pragma once
// TFrm_NanNv, the gender table 生男生女: the mother's age against the month of
// conception, read off by the user.
#include <QDialog>
#include <QPointer>

class QLabel;
class QPlainTextEdit;

class TFrm_NanNv : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1 = nullptr;  // the table
  QLabel* Label1 = nullptr;         // the note under it
};

namespace qk::divination::ui {

// 生男生女: frees the window left from an earlier opening, creates a fresh
// one and shows it modally.
void ShowGenderTableModal(QPointer<TFrm_NanNv>& instance, QWidget* parent);

}  // namespace qk::divination::ui
