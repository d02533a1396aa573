// Lets a conversion run talk to the main window: message boxes, the status
// label, repaints while the run holds the event loop, and the controls that
// are disabled while it works.
#pragma once

#include "app/form_platform.h"
#include "conversion/run.h"

namespace torvel {

class TTorvelForm;

class TQtRunHost : public TRunHost {
 public:
  TQtRunHost(TTorvelForm& form, TFormPlatform& platform) : form_(form), platform_(platform) {}

  void ShowWarning(const std::string& text) override;
  void SetStatus(const std::string& text) override;
  void Repaint(TRepaint what) override;
  void SetControlsEnabled(bool enabled) override;
  void ShowErrorReport(const std::string& report) override;

 private:
  TTorvelForm& form_;
  TFormPlatform& platform_;
};

}  // namespace torvel
