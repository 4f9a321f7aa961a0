#include "numerology/ui/Untonteher.h"

namespace {

constexpr qk::numerology::ui::NumberWindowTexts kTexts = {
    "任意号码分析", 271, "任意号码：", "输入号码是：", "请输入你的号码！"};

}  // namespace

TFrm_onther::TFrm_onther(QWidget* parent) : NumberVerdictWindow(kTexts, parent) {}

void OpenFrm_onther(QWidget* parent) {
  auto* window = new TFrm_onther(parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->exec();
}
