#include "app/info_windows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "app/commands.h"
#include "common/ui/fonts.h"

namespace qk::app {
namespace {

constexpr const char* kServiceText =
    "<h3>客户服务</h3>"
    "<p>使用中遇到问题，或发现计算结果与您手头的万年历、黄历不一致，欢迎告诉我们。</p>"
    "<p><b>电子邮件：</b>support@qiankun-zhaijian.example.org<br>"
    "<b>项目主页：</b>https://qiankun-zhaijian.example.org/</p>"
    "<p>来信时请写明：</p>"
    "<ul><li>所用的功能（例如“八字简析”“万年历”）；</li>"
    "<li>输入的性别、出生日期（公历或农历）、时辰与分钟；</li>"
    "<li>您看到的结果和您认为正确的结果，以及它的出处。</li></ul>"
    "<p>程序不联网、不收集任何个人信息，您输入的出生资料只留在本机，关闭程序后即不保存。</p>";

constexpr const char* kAboutText =
    "<h3>乾坤宅鉴 %1</h3>"
    "<p>八字简析、个人风水与玄空分析、每日一卦、万年历、黄道吉日、数字与网名测算、占卜查询与风水文章阅读。</p>"
    "<p><b>许可：</b>本程序以 MIT 许可证发布，可自由使用、复制和分发。</p>"
    "<p><b>参考数据：</b>程序目录中的 dream.dll、KunFile.dll、KunBirth.dll、Tgcode.dll 是只读的 SQLite 数据库，"
    "构建时由源码中的文本资料生成：节气时刻按天文算法（太阳视黄经，含章动与光行差）逐年计算；"
    "黄历宜忌取自开源历法库 lunar-javascript（MIT 许可）整理的通书表；六十四卦卦辞与象辞、称骨歌为古籍原文；"
    "其余释义、评语与文章均为本项目自行撰写。</p>"
    "<p>命理与风水属传统文化，结果仅供参考，请理性看待。</p>";

QDialog* Decorate(QDialog* dialog, const QString& caption, const QString& html) {
  dialog->setWindowTitle(caption);
  dialog->setFont(qk::ui::SongFont(9));
  auto* layout = new QVBoxLayout(dialog);
  auto* banner = new QLabel(dialog);
  banner->setPixmap(BannerPicture().copy(0, 0, 380, 83));
  layout->addWidget(banner);
  auto* text = new QTextBrowser(dialog);
  text->setOpenLinks(false);
  text->setHtml(html);
  layout->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog->resize(420, 380);
  return dialog;
}

}  // namespace

TFrmService::TFrmService(QWidget* parent) : QDialog(parent) {
  Decorate(this, QStringLiteral("客户服务"), QString::fromUtf8(kServiceText));
}

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
  Decorate(this, QStringLiteral("关于乾坤宅鉴"),
           QString::fromUtf8(kAboutText).arg(QStringLiteral(QIANKUN_VERSION)));
}

}  // namespace qk::app
