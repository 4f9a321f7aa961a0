#pragma once
// TFrmQigua, the coin-hexagram window 金钱卦: casts one of the 64 hexagrams,
// by six coin throws or automatically, and shows its title and text.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "divination/coin_cast.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TFrmQigua : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmQigua(QWidget* parent = nullptr);

  // Asks for the name to save under (title, filter, proposed name); an empty
  // result means the user cancelled. Replaceable so tests need no dialog.
  using SaveNameChooser =
      std::function<QString(QWidget* parent, const QString& title, const QString& filter, const QString& proposed)>;
  SaveNameChooser chooseSaveName;

  // Legend 图形说明.
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Image1 = nullptr;  // 正面
  QLabel* Image2 = nullptr;  // 反面
  // Coin slots, left to right, and the "未投" caption under each.
  QLabel* ImageA = nullptr;
  QLabel* ImageB = nullptr;
  QLabel* ImageC = nullptr;
  QLabel* ImageD = nullptr;
  QLabel* ImageE = nullptr;
  QLabel* ImageF = nullptr;
  std::array<QLabel*, qk::divination::kCoinCount> slotCaptions{};
  // Throw buttons 投第1币 … 投第6币.
  QPushButton* RzBitBtn6 = nullptr;
  QPushButton* RzBitBtn7 = nullptr;
  QPushButton* RzBitBtn8 = nullptr;
  QPushButton* RzBitBtn9 = nullptr;
  QPushButton* RzBitBtn10 = nullptr;
  QPushButton* RzBitBtn5 = nullptr;
  // Mode 起卦方式.
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton* RzRadioButton1 = nullptr;  // 投币
  QRadioButton* RzRadioButton2 = nullptr;  // 电脑自动
  // 简语.
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label9 = nullptr;
  // Buttons.
  QPushButton* RzBitBtn1 = nullptr;   // 查看起卦
  QPushButton* RzBitBtn3 = nullptr;   // 打印
  QPushButton* RzBitBtn2 = nullptr;   // 保存
  QPushButton* RzBitBtn11 = nullptr;  // 重新起卦
  QPushButton* RzBitBtn4 = nullptr;   // 关闭
  QPlainTextEdit* RzMemo1 = nullptr;

  // Slot k (1 … 6) and throw button k.
  QLabel* Slot(int coin) const;
  QPushButton* ThrowButton(int coin) const;
  // The face shown in slot k, or nothing while the slot is empty.
  std::optional<qk::divination::CoinFace> SlotFace(int coin) const;
  const qk::divination::CoinCast& cast() const { return cast_; }

  // Shows the row of 64gua with this ID: slot pictures, title and text. With
  // no such row nothing changes.
  void ShowGuaById(int id);
  // Shows the title and text of the row with this code; the slots stay.
  void ShowGuaByCode(const std::string& code);

  void RzBitBtn11Click();  // 重新起卦
  void RzRadioButton1Click();
  void RzRadioButton2Click();
  void ThrowCoinClick(int coin);
  void RzBitBtn6Click() { ThrowCoinClick(1); }
  void RzBitBtn7Click() { ThrowCoinClick(2); }
  void RzBitBtn8Click() { ThrowCoinClick(3); }
  void RzBitBtn9Click() { ThrowCoinClick(4); }
  void RzBitBtn10Click() { ThrowCoinClick(5); }
  void RzBitBtn5Click() { ThrowCoinClick(6); }
  void RzBitBtn1Click();  // 查看起卦
  void RzBitBtn2Click();  // 保存
  void RzBitBtn4Click();  // 关闭

 private:
  void BuildLegend();
  void BuildModes();
  void BuildTitle();
  void BuildCoins();
  void BuildButtons();
  void SetSlot(int coin, std::optional<qk::divination::CoinFace> face);
  void ShowEntry(const std::string& title, const std::string& text);

  qk::divination::CoinCast cast_;
  std::array<std::optional<qk::divination::CoinFace>, qk::divination::kCoinCount> slotFaces_{};
};

namespace qk::divination::ui {

// 每日一卦: frees the window left from before (the hidden one made at
// start-up included), creates a fresh one and shows it modally.
void ShowQiguaModal(QPointer<TFrmQigua>& instance, QWidget* parent);

}  // namespace qk::divination::ui
