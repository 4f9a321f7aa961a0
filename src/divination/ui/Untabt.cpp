#include "divination/ui/Untabt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

#include "common/ui/fonts.h"
#include "common/ui/qt_text.h"
#include "divination/gender_table.h"

namespace {

// 594 × 561 outside, less the frame and title bar.
constexpr int kClientWidth = 578;
constexpr int kClientHeight = 523;
constexpr int kNoteHeight = 40;

// 宋体 draws Latin letters at half the width of a Chinese character, so the
// columns line up; on Linux the monospaced Noto CJK face does the same.
QFont TableFont() {
  QFont font = qk::ui::SongFont(9);
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                    QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
  font.setStyleHint(QFont::Monospace);
  return font;
}

}  // namespace

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frm_NanNv"));
  setWindowTitle(QStringLiteral("生男生女"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setFont(qk::ui::SongFont(9));
  setFixedSize(kClientWidth, kClientHeight);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setFont(TableFont());
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setPlainText(qk::ui::JoinQ(qk::divination::GenderTableLines()));
  Memo1->setGeometry(0, 0, kClientWidth, kClientHeight - kNoteHeight);

  Label1 = new QLabel(qk::ui::Q(qk::divination::GenderTableNote()), this);
  Label1->setWordWrap(true);
  Label1->setGeometry(6, kClientHeight - kNoteHeight, kClientWidth - 12, kNoteHeight);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
}

namespace qk::divination::ui {

void ShowGenderTableModal(QPointer<TFrm_NanNv>& instance, QWidget* parent) {
  delete instance.data();
  instance = new TFrm_NanNv(parent);
  instance->exec();
}

}  // namespace qk::divination::ui
