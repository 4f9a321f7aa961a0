#pragma once
// Start-up steps of the program, shared by main() and the start-up benchmark.
#include <QString>
#include <memory>

class QApplication;

namespace qk::app {

class TFrmmain;

// Fixes the date/time settings of this process and sets the title.
void PrepareApplication(QApplication& app);

// Creates the main window (and the windows created with it) and shows it.
std::unique_ptr<TFrmmain> CreateAndShowMainWindow();

// The message naming the reference files that cannot be used; empty when all
// four are fine.
QString UnusableReferenceMessage();

// Shows that message once, if there is one.
void WarnAboutUnusableReferenceFiles();

}  // namespace qk::app
