#pragma once
// The customer-service and about windows of the help menu.
#include <QDialog>

namespace qk::app {

// 客户服务: how to get help, where to write, what to include.
class TFrmService : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmService(QWidget* parent = nullptr);
};

// 关于系统: program name, version, licence and where the reference data comes from.
class TFrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmAbout(QWidget* parent = nullptr);
};

}  // namespace qk::app
