#pragma once
// TFrmQQhm: the QQ-number window (81-number verdict of a QQ number).
#include "numerology/ui/number_window.h"

class TFrmQQhm : public qk::numerology::ui::NumberVerdictWindow {
  Q_OBJECT

 public:
  explicit TFrmQQhm(QWidget* parent = nullptr);
};

// Opens a fresh window modally and frees it when it closes.
void OpenFrmQQhm(QWidget* parent = nullptr);
