#include "divination/ui/Jinqiangua.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "common/text.h"
#include "common/ui/fonts.h"
#include "common/ui/messages.h"
#include "common/ui/qt_text.h"
#include "divination/gua_lookup.h"
#include "divination/text_file.h"
#include "divination/ui/coin_pictures.h"

using qk::divination::CastMode;
using qk::divination::CoinFace;
using qk::divination::kCoinCount;
using qk::ui::Q;
using qk::ui::S;

namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 520;
constexpr int kMargin = 8;
constexpr int kThrowButtonWidth = 80;
constexpr int kThrowButtonGap = 12;
constexpr int kSlotTop = 144;

const QString kEmptyTitle = QStringLiteral("未起卦");

QString DefaultSaveName(QWidget* parent, const QString& title, const QString& filter, const QString& proposed) {
  return QFileDialog::getSaveFileName(parent, title, QDir::home().filePath(proposed), filter);
}

QLabel* CoinLabel(QWidget* parent, const QRect& at) {
  auto* label = new QLabel(parent);
  label->setGeometry(at);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

}  // namespace

TFrmQigua::TFrmQigua(QWidget* parent) : QDialog(parent), chooseSaveName(DefaultSaveName) {
  setObjectName(QStringLiteral("FrmQigua"));
  setWindowTitle(QStringLiteral("金钱卦"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(qk::ui::SongFont(9));
  setFixedSize(kClientWidth, kClientHeight);

  BuildLegend();
  BuildModes();
  BuildTitle();
  BuildCoins();
  BuildButtons();

  RzMemo1 = new QPlainTextEdit(this);
  RzMemo1->setReadOnly(true);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setFont(qk::ui::SongFont(10.5));
  RzMemo1->setGeometry(kMargin, 248, kClientWidth - 2 * kMargin, kClientHeight - 248 - kMargin);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));

  RzBitBtn11Click();
}

void TFrmQigua::BuildLegend() {
  GroupBox1 = new QGroupBox(QStringLiteral("图形说明"), this);
  GroupBox1->setGeometry(kMargin, kMargin, 150, 104);
  Image1 = CoinLabel(GroupBox1, QRect(16, 20, 52, 53));
  Image2 = CoinLabel(GroupBox1, QRect(82, 20, 52, 53));
  Image1->setPixmap(qk::divination::ui::CoinPicture(CoinFace::Front));
  Image2->setPixmap(qk::divination::ui::CoinPicture(CoinFace::Back));
  const struct {
    QLabel* image;
    const char* caption;
  } legend[] = {{Image1, "正面"}, {Image2, "反面"}};
  for (const auto& item : legend) {
    auto* caption = new QLabel(QString::fromUtf8(item.caption), GroupBox1);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(item.image->x(), 77, 52, 18);
  }
}

void TFrmQigua::BuildModes() {
  GroupBox2 = new QGroupBox(QStringLiteral("起卦方式"), this);
  GroupBox2->setGeometry(166, kMargin, 120, 104);
  RzRadioButton1 = new QRadioButton(QStringLiteral("投币"), GroupBox2);
  RzRadioButton1->move(16, 30);
  RzRadioButton1->adjustSize();
  RzRadioButton2 = new QRadioButton(QStringLiteral("电脑自动"), GroupBox2);
  RzRadioButton2->move(16, 62);
  RzRadioButton2->adjustSize();
  RzRadioButton2->setChecked(true);
  connect(RzRadioButton1, &QRadioButton::clicked, this, [this] { RzRadioButton1Click(); });
  connect(RzRadioButton2, &QRadioButton::clicked, this, [this] { RzRadioButton2Click(); });
}

void TFrmQigua::BuildTitle() {
  GroupBox3 = new QGroupBox(QStringLiteral("简语"), this);
  GroupBox3->setGeometry(294, kMargin, kClientWidth - 294 - kMargin, 104);
  Label9 = new QLabel(GroupBox3);
  Label9->setGeometry(8, 22, GroupBox3->width() - 16, 72);
  Label9->setAlignment(Qt::AlignCenter);
  Label9->setFont(qk::ui::HeiFont(15));
  Label9->setStyleSheet(QStringLiteral("color: #8B0000;"));
}

void TFrmQigua::BuildCoins() {
  const int left = (kClientWidth - (kCoinCount * kThrowButtonWidth + (kCoinCount - 1) * kThrowButtonGap)) / 2;
  QPushButton** buttons[kCoinCount] = {&RzBitBtn6, &RzBitBtn7, &RzBitBtn8, &RzBitBtn9, &RzBitBtn10, &RzBitBtn5};
  QLabel** images[kCoinCount] = {&ImageA, &ImageB, &ImageC, &ImageD, &ImageE, &ImageF};
  for (int k = 1; k <= kCoinCount; ++k) {
    const int x = left + (k - 1) * (kThrowButtonWidth + kThrowButtonGap);
    auto* button = new QPushButton(QStringLiteral("投第%1币").arg(k), this);
    button->setGeometry(x, 118, kThrowButtonWidth, 24);
    connect(button, &QPushButton::clicked, this, [this, k] { ThrowCoinClick(k); });
    *buttons[k - 1] = button;

    const QRect slotRect(x + (kThrowButtonWidth - 52) / 2, kSlotTop + 4, 52, 53);
    auto* caption = new QLabel(QStringLiteral("未投"), this);
    caption->setGeometry(slotRect);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFrameShape(QFrame::StyledPanel);
    caption->setStyleSheet(QStringLiteral("color: gray;"));
    slotCaptions[k - 1] = caption;
    *images[k - 1] = CoinLabel(this, slotRect);  // above its caption, which it covers once it shows a coin
  }
}

void TFrmQigua::BuildButtons() {
  const struct {
    QPushButton** field;
    const char* caption;
  } buttons[] = {{&RzBitBtn1, "查看起卦"}, {&RzBitBtn3, "打印"}, {&RzBitBtn2, "保存"},
                 {&RzBitBtn11, "重新起卦"}, {&RzBitBtn4, "关闭"}};
  const int width = 84, gap = 16, count = 5;
  int x = (kClientWidth - (count * width + (count - 1) * gap)) / 2;
  for (const auto& b : buttons) {
    *b.field = new QPushButton(QString::fromUtf8(b.caption), this);
    (*b.field)->setGeometry(x, 212, width, 26);
    x += width + gap;
  }
  RzBitBtn1->setDefault(true);
  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
  connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
  connect(RzBitBtn11, &QPushButton::clicked, this, [this] { RzBitBtn11Click(); });
  connect(RzBitBtn4, &QPushButton::clicked, this, [this] { RzBitBtn4Click(); });
  // 打印 (RzBitBtn3) has no command.
}

QLabel* TFrmQigua::Slot(int coin) const {
  const std::array<QLabel*, kCoinCount> images = {ImageA, ImageB, ImageC, ImageD, ImageE, ImageF};
  return coin >= 1 && coin <= kCoinCount ? images[coin - 1] : nullptr;
}

QPushButton* TFrmQigua::ThrowButton(int coin) const {
  const std::array<QPushButton*, kCoinCount> buttons = {RzBitBtn6, RzBitBtn7, RzBitBtn8,
                                                        RzBitBtn9, RzBitBtn10, RzBitBtn5};
  return coin >= 1 && coin <= kCoinCount ? buttons[coin - 1] : nullptr;
}

std::optional<CoinFace> TFrmQigua::SlotFace(int coin) const {
  return coin >= 1 && coin <= kCoinCount ? slotFaces_[coin - 1] : std::nullopt;
}

void TFrmQigua::SetSlot(int coin, std::optional<CoinFace> face) {
  slotFaces_[coin - 1] = face;
  QLabel* slot = Slot(coin);
  // The coin covers its caption; the caption would show through the hole.
  slotCaptions[coin - 1]->setVisible(!face);
  if (face)
    slot->setPixmap(qk::divination::ui::CoinPicture(*face));
  else
    slot->clear();
}

void TFrmQigua::ShowEntry(const std::string& title, const std::string& text) {
  Label9->setText(Q(title));
  RzMemo1->setPlainText(Q(text));
}

void TFrmQigua::ShowGuaById(int id) {
  const auto lookup = qk::divination::FindGuaById(id);
  if (lookup.status == qk::divination::GuaLookup::Status::Failed) {
    qk::ui::ShowError(Q(qk::divination::GuaReadFailureMessage()));
    return;
  }
  if (!lookup.found()) return;
  const std::string& code = lookup.entry.code;
  for (int k = 1; k <= kCoinCount; ++k)
    SetSlot(k, qk::divination::FaceOfCodeChar(k <= static_cast<int>(code.size()) ? code[k - 1] : '\0'));
  ShowEntry(lookup.entry.title, lookup.entry.text);
}

void TFrmQigua::ShowGuaByCode(const std::string& code) {
  const auto lookup = qk::divination::FindGuaByCode(code);
  if (lookup.status == qk::divination::GuaLookup::Status::Failed) {
    qk::ui::ShowError(Q(qk::divination::GuaReadFailureMessage()));
    return;
  }
  if (lookup.found()) ShowEntry(lookup.entry.title, lookup.entry.text);
}

void TFrmQigua::RzBitBtn11Click() {
  Label9->setText(kEmptyTitle);
  RzMemo1->clear();
  cast_.Restart(RzRadioButton1->isChecked() ? CastMode::Coins : CastMode::Automatic);
  for (int k = 1; k <= kCoinCount; ++k) {
    ThrowButton(k)->setEnabled(cast_.CanThrow(k));
    SetSlot(k, std::nullopt);
  }
}

void TFrmQigua::RzRadioButton1Click() { RzBitBtn11Click(); }

void TFrmQigua::RzRadioButton2Click() { RzBitBtn11Click(); }

void TFrmQigua::ThrowCoinClick(int coin) {
  switch (cast_.Throw(coin)) {
    case qk::divination::ThrowOutcome::AutomaticMode:
      qk::ui::ShowInfoCaptioned(QStringLiteral("信息提示"), QStringLiteral("全自动模式请直接查看起卦！"));
      return;
    case qk::divination::ThrowOutcome::Thrown:
      SetSlot(coin, cast_.Result(coin));
      ThrowButton(coin)->setEnabled(false);
      return;
    case qk::divination::ThrowOutcome::AlreadyThrown:
    case qk::divination::ThrowOutcome::NoSuchCoin:
      return;
  }
}

void TFrmQigua::RzBitBtn1Click() {
  const auto step = cast_.Show();
  switch (step.kind) {
    case qk::divination::ShowStep::Kind::ThrowCoin:
      qk::ui::ShowInfoCaptioned(QStringLiteral("投币提示"), Q(qk::divination::ThrowPrompt(step.coin)));
      ThrowButton(step.coin)->setFocus();
      return;
    case qk::divination::ShowStep::Kind::ById:
      ShowGuaById(step.id);
      return;
    case qk::divination::ShowStep::Kind::ByCode:
      ShowGuaByCode(step.code);
      return;
  }
}

void TFrmQigua::RzBitBtn2Click() {
  const QString text = RzMemo1->toPlainText();
  if (qk::Trim(S(text)).empty()) return;
  const QString chosen = chooseSaveName(this, QStringLiteral("保存"), QStringLiteral("文本文件 (*.txt)"),
                                        QStringLiteral("金钱卦"));
  if (chosen.isEmpty()) return;
  const std::string path = qk::divination::SaveNameWithTxt(QFile::encodeName(chosen).toStdString());
  const auto result = qk::divination::SaveLinesAsGbk(path, qk::SplitLines(S(text)));
  if (!result.ok) qk::ui::ShowError(Q(result.message));
}

void TFrmQigua::RzBitBtn4Click() { close(); }

namespace qk::divination::ui {

void ShowQiguaModal(QPointer<TFrmQigua>& instance, QWidget* parent) {
  delete instance.data();
  instance = new TFrmQigua(parent);
  instance->exec();
}

}  // namespace qk::divination::ui
