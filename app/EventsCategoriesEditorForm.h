#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Types.h"

namespace Ui {
class TEventsCategoriesEditorForm;
}
namespace platform {
class Edit;
class Panel;
}  // namespace platform
class TClCalendar;
class TClEventsCategoriesList;
class TMainServices;

// "Kategorie zdarzeń": adds, changes and deletes the diary's event categories. Every change
// takes effect at once; the document is marked modified once, when the window closes after a
// change, whichever way it is closed.
class TEventsCategoriesEditorForm : public QDialog {
    Q_OBJECT

  public:
    explicit TEventsCategoriesEditorForm(TMainServices& main, QWidget* parent = nullptr);
    ~TEventsCategoriesEditorForm() override;

    // Edits the calendar's categories, centred over the owner; a null calendar is refused.
    void Execute(QWidget& owner, TClCalendar* calendar);

    Ui::TEventsCategoriesEditorForm& Ui() { return *ui; }

    std::uint8_t Modified = 0;
    TClCalendar* Calendar = nullptr;                // bound while shown; not owned
    TClEventsCategoriesList* Categories = nullptr;  // that calendar's categories

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void FormClose();
    void FillList();
    void SetNewFields(const std::string& name, TColor color, TColor textColor);
    void SetModFields(const std::string& name, TColor color, TColor textColor);
    void lCategoriesClick();
    void btnNewCategoryClick();
    void btnModCategoryClick();
    void btnDelCategoryClick();
    void panelNCColorClick(platform::Panel& sender);
    void panelMCColorClick(platform::Panel& sender);
    void btnOKClick();
    bool PickColor(platform::Panel& swatch);

    TMainServices& Main;
    std::unique_ptr<Ui::TEventsCategoriesEditorForm> ui;
    platform::ColorDialog ColorDialog;
};
