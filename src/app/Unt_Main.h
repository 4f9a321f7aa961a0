#pragma once
// TFrmmain: the main window. Input panel on top, command column on the left,
// result pane on the right, status bar below.
#include <QDialog>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "app/commands.h"
#include "common/report.h"

class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;

namespace qk::app {

// A widget that shows one picture stretched over its whole area.
class PictureWidget : public QWidget {
 public:
  PictureWidget(const QPixmap& picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmmain(QWidget* parent = nullptr);

  // The input panel as the analyses read it.
  PanelInput ReadPanel() const;
  // Shows a report outcome: lines go through REbazi into Memo1, messages into
  // their box; anything else leaves Memo1 as it was.
  void ShowOutcome(const ReportOutcome& outcome);

  // Menus of the menu bar, in order.
  std::vector<QMenu*> topMenus;

  // Input panel.
  QComboBox* CBsex = nullptr;
  QComboBox* ComDate = nullptr;
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QComboBox* CBFen = nullptr;
  QComboBox* CBShanxiang = nullptr;
  QComboBox* CBMenwei = nullptr;
  QComboBox* CBFont = nullptr;
  QPushButton* RzButton1 = nullptr;   // 风水分析
  QPushButton* RzButton20 = nullptr;  // 玄空分析
  QPushButton* RzButton21 = nullptr;  // 星宿分析
  QPushButton* RzButton22 = nullptr;  // 八字简析
  QPushButton* RzButton23 = nullptr;  // 每日一卦

  // Command column, row by row, left then right.
  QScrollArea* commandScroll = nullptr;
  std::vector<QPushButton*> commandButtons;

  // Result area.
  QPlainTextEdit* Memo1 = nullptr;
  QTextEdit* REbazi = nullptr;
  QComboBox* Smin = nullptr;
  // Hidden table panes: the lunar mansions, the star table and the eight house
  // grids (Memo11 … Memo18 in the door order 坎 坤 震 巽 乾 兑 艮 离).
  QPlainTextEdit* MemoXingsu = nullptr;
  QPlainTextEdit* MemoGua = nullptr;
  std::array<QPlainTextEdit*, 8> houseGridMemos{};
  QPushButton* btnService = nullptr;  // 客户服务
  QPushButton* btnChat = nullptr;     // 联系QQ
  QPushButton* btnMore = nullptr;     // 更多软件
  QPushButton* btnPrint = nullptr;    // 打印
  QPushButton* btnSave = nullptr;     // 保存
  QPushButton* btnExit = nullptr;     // 退出
  QLabel* welcomeLabel = nullptr;

  // The CBFont item index the pane size follows (-1 after typing).
  int fontItemIndex() const { return fontItemIndex_; }

 public slots:
  void CBFontChange();
  void ExitClick();
  // The one command of every article library entry; it has no behaviour.
  void ArticleEntryClick() {}

 public:
  // Runs a command as the menu bar, the panel buttons and the column do.
  void RunCommand(CommandRef command);
  // Windows made with the main window at start.
  void CreateStartupWindows();
  // The window left in a modal command's slot by its last opening, if any.
  QWidget* ModalInstance(Command command) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildInputPanel();
  QWidget* BuildCommandColumn();
  QWidget* BuildResultArea();
  void BuildMenus();
  void ConnectArticleEntries();
  // Frees the slot's previous instance, shows the new one modally, keeps it
  // in the slot until the next opening.
  void OpenModal(Command command, std::unique_ptr<QDialog> window);
  void RunSubsystemCommand(CommandRef command);

  std::map<Command, std::unique_ptr<QDialog>> modalSlots_;

  int fontItemIndex_ = 5;
};

}  // namespace qk::app

using qk::app::TFrmmain;
