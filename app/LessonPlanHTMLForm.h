#pragma once

#include <QDialog>
#include <memory>
#include <utility>
#include <vector>

#include "core/DataFile.h"
#include "platform/Dialogs.h"
#include "reports/LessonPlanOptions.h"

namespace Ui {
class TLessonPlanHTMLForm;
}
namespace platform {
class CheckBox;
class Panel;
class SpinEdit;
}  // namespace platform

// "Plan lekcji HTML": the look of the lesson-plan page, its days and its extra column, and the
// command that writes it. The options are read from "LP_HTML.dat" each time the window is
// shown and written back only when it is left through "Wyjście".
class TLessonPlanHTMLForm : public QDialog {
    Q_OBJECT

  public:
    explicit TLessonPlanHTMLForm(TDataFile& document, QWidget* parent = nullptr);
    ~TLessonPlanHTMLForm() override;

    Ui::TLessonPlanHTMLForm& Ui() { return *ui; }
    // The options as the controls stand: the spins are read now, as typed.
    const TLessonPlanHTMLOptions& Options();

    void FormShow();
    void btnSavePlanClick();
    void btnDefaultSettingsClick();
    void btnExitClick();

    platform::FileDialog SaveDialog{platform::FileDialogKind::Save, "Dokument HTML|*.htm", ".htm"};
    platform::ColorDialog ColorDialog;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void colorHeaderBGClick(platform::Panel& panel, TColor& color);
    void checkColsDefaultWidthClick(platform::CheckBox& sender);
    void ReadSpins();
    void ShowOptions();
    void ShowColumnWidth();

    std::unique_ptr<Ui::TLessonPlanHTMLForm> ui;
    TDataFile& document;
    TLessonPlanHTMLOptions options;
    // The controls and the options they stand for, in pairs.
    std::vector<std::pair<platform::CheckBox*, bool*>> boxes;
    std::vector<std::pair<platform::SpinEdit*, TSpinValue*>> spins;
    std::vector<std::pair<platform::Panel*, TColor*>> panels;
};
