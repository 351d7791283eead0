#pragma once

#include "docking/ui/dockable_form.h"
#include "settings/settings.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

namespace tolvane::ui {

class TTagsList;

// The tool window "Integrierter Editor": the selected row's text to be translated, the usual edit
// commands, and "Einfügen", which writes the text into every block of the row's group. "Einfügen"
// is available while the text has been changed since it was loaded or last applied.
class TfrmEditText : public TDockableForm {
  Q_OBJECT
 public:
  TfrmEditText(TTagsList& tags, const settings::TGlobalVars& settings, QWidget* parent = nullptr);

  QPlainTextEdit* RichEdit() const { return m_edit; }
  QPushButton* btnSetText() const { return m_setText; }

  void ClearEditor();
  // Puts text into the edit box, all selected so that typing replaces it; with edit the window
  // also comes up with the focus in the edit box.
  void LoadSelectedText(const QString& text, bool edit);
  void LoadText(const QString& text);
  void btnSetTextClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createActions();
  void retranslateUi();
  void updateActions();
  void setStatusText(const QString& text);

  TTagsList& m_tags;
  const settings::TGlobalVars& m_settings;
  QPlainTextEdit* m_edit;
  QToolBar* m_toolBar;
  QPushButton* m_setText;
  QLabel* m_status;
  QAction* m_cut = nullptr;
  QAction* m_copy = nullptr;
  QAction* m_paste = nullptr;
  QAction* m_delete = nullptr;
  QAction* m_undo = nullptr;
  QAction* m_selectAll = nullptr;
  bool m_changedSinceApply = false;
};

}  // namespace tolvane::ui
