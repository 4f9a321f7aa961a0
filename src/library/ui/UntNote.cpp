#include "library/ui/UntNote.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "common/ui/fonts.h"
#include "common/ui/qt_text.h"
#include "library/article.h"

TFrmNote::TFrmNote(QWidget* parent)
    : QWidget(parent, Qt::Window),
      ButtonBar(new QWidget(this)),
      BtnPrint(new QPushButton(QStringLiteral("打印"), ButtonBar)),
      BtnClose(new QPushButton(QStringLiteral("关闭"), ButtonBar)),
      Memo1(new QPlainTextEdit(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(qk::library::kArticleDefaultTitle.data(),
                                   static_cast<qsizetype>(qk::library::kArticleDefaultTitle.size())));
  resize(615, 466);
  setFont(qk::ui::SongFont(9));

  ButtonBar->setFixedHeight(33);
  BtnPrint->setGeometry(5, 4, 68, 25);
  BtnClose->setGeometry(78, 4, 68, 25);

  Memo1->setReadOnly(true);
  Memo1->setFont(qk::ui::SongFont(9));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap
  Memo1->setContextMenuPolicy(Qt::PreventContextMenu);
  Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FFFDF4; color: #202020; }"));

  // The pane fills the window below the bar, also when the window is resized.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ButtonBar);
  layout->addWidget(Memo1);

  connect(BtnClose, &QPushButton::clicked, this, &TFrmNote::BtnCloseClick);
}

void TFrmNote::BtnCloseClick() { close(); }

namespace qk::library::ui {

std::optional<QString> LoadArticle(const QString& id, QPlainTextEdit* pane) {
  const auto article = library::LoadArticle(qk::ui::S(id), [] { QApplication::beep(); });
  if (!article) return std::nullopt;
  pane->clear();
  if (!article->lines.empty()) pane->setPlainText(qk::ui::JoinQ(article->lines));
  pane->moveCursor(QTextCursor::Start);
  return qk::ui::Q(article->title);
}

TFrmNote* OpenArticle(const QString& id) {
  auto* window = new TFrmNote;
  const auto title = LoadArticle(id, window->Memo1);
  if (!title) {
    delete window;
    return nullptr;
  }
  window->setWindowTitle(*title);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
  window->show();
  return window;
}

}  // namespace qk::library::ui
