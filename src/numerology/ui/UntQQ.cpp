#include "numerology/ui/UntQQ.h"

namespace {

constexpr qk::numerology::ui::NumberWindowTexts kTexts = {
    "QQ号码测试", 270, "QQ号码：", "qq号码是：", "请输入你的QQ号码！"};

}  // namespace

TFrmQQhm::TFrmQQhm(QWidget* parent) : NumberVerdictWindow(kTexts, parent) {}

void OpenFrmQQhm(QWidget* parent) {
  auto* window = new TFrmQQhm(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->exec();
}
