#pragma once
// The article window: one text article under its title, read-only.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <optional>

class TFrmNote : public QWidget {
  Q_OBJECT
 public:
  explicit TFrmNote(QWidget* parent = nullptr);

  QWidget* ButtonBar;      // 33 pixels high, along the top
  QPushButton* BtnPrint;   // 打印: no behaviour
  QPushButton* BtnClose;   // 关闭
  QPlainTextEdit* Memo1;   // the article text

  void BtnCloseClick();
};

namespace qk::library::ui {

// Fills `pane` with article `id` and returns its title (算命 for an id without
// an article). nullopt, with the pane untouched, when KunBirth.dll cannot be
// read. Every bad pair of digits in the stored text beeps once.
std::optional<QString> LoadArticle(const QString& id, QPlainTextEdit* pane);

// Opens a new article window for `id`, centred on the screen, and returns it;
// earlier windows stay open. The window frees itself when closed. Returns
// nullptr, showing nothing, when KunBirth.dll cannot be read.
TFrmNote* OpenArticle(const QString& id);

}  // namespace qk::library::ui
