#pragma once
// TFrm_onther: the any-number window (81-number verdict of any number).
#include "numerology/ui/number_window.h"

class TFrm_onther : public qk::numerology::ui::NumberVerdictWindow {
  Q_OBJECT

 public:
  explicit TFrm_onther(QWidget* parent = nullptr);
};

// Opens a fresh window modally and frees it when it closes.
void OpenFrm_onther(QWidget* parent = nullptr);
