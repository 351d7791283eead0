#pragma once

#include <QDialog>

#include "settings/settings.h"

class QCheckBox;

namespace tolvane::ui {

// The options dialog: nine of the option flags as check boxes on two pages. It only shows and
// takes back the flags; saving them and reloading the page is the caller's business.
class TfrmOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmOptions(QWidget* parent = nullptr);

  void load(const settings::TGlobalVars& vars);
  void store(settings::TGlobalVars& vars) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createGeneralPage();
  QWidget* createHtmlPage();
  // Scripts are listed only with auto-save on: while the scripts box is on, it keeps auto-save on.
  void bxScriptsClick();

  QCheckBox* bxFilter = nullptr;
  QCheckBox* bxDelete = nullptr;
  QCheckBox* bxMSWord = nullptr;
  QCheckBox* bxAutoSave = nullptr;
  QCheckBox* bxPlaintext = nullptr;
  QCheckBox* bxImgalt = nullptr;
  QCheckBox* bxContent = nullptr;
  QCheckBox* bxValueBox = nullptr;
  QCheckBox* bxScripts = nullptr;
};

}  // namespace tolvane::ui
