#include "app/EventsCategoriesEditorForm.h"

#include <QShowEvent>

#include "app/MainRoutines.h"
#include "app/MainServices.h"
#include "core/Calendar.h"
#include "platform/qt/Edit.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Panel.h"
#include "ui_EventsCategoriesEditorForm.h"

namespace {

const char* const kNotCreatedText =
    "Nie mogę utworzyć kategorii. Prawdopodobnie kategoria o tej nazwie już istnieje.";
const char* const kNotCreatedCaption = "Tworzenie kategorii";
constexpr TColor kResetColor = 0xFFFFFF;
constexpr TColor kResetTextColor = 0x000000;
// Letters of average width the list shows whole at the window's default size: room for the
// longer names a diary has, such as "Poprawa sprawdzianu z matematyki".
constexpr int kShownNameLetters = 36;

// The name edit shows what a category box will look like.
void SetGroup(platform::Edit& name, platform::Panel& color, platform::Panel& textColor,
              const std::string& text, TColor background, TColor foreground) {
    name.SetText(text);
    color.SetColor(background);
    textColor.SetColor(foreground);
    name.SetColor(background);
    name.SetFontColor(foreground);
}

void RepaintSample(platform::Edit& name, const platform::Panel& color,
                   const platform::Panel& textColor) {
    name.SetColor(color.Color());
    name.SetFontColor(textColor.Color());
}

}  // namespace

TEventsCategoriesEditorForm::TEventsCategoriesEditorForm(TMainServices& main, QWidget* parent)
    : QDialog(parent), Main(main), ui(std::make_unique<Ui::TEventsCategoriesEditorForm>()) {
    ui->setupUi(this);
    ui->lCategories->setMinimumWidth(ListWidthFor(*ui->lCategories, kShownNameLetters));
    // The modify group follows the list's item however it comes to be selected (a click, the
    // keyboard, or the program after a change or a deletion), so "Zmień właściwości" pressed
    // next writes back what the user sees. A click on the selected item refills it too.
    connect(ui->lCategories, &platform::ListBox::click, this,
            &TEventsCategoriesEditorForm::lCategoriesClick);
    connect(ui->lCategories, &QListWidget::currentRowChanged, this,
            &TEventsCategoriesEditorForm::lCategoriesClick);
    connect(ui->btnNewCategory, &QAbstractButton::clicked, this,
            &TEventsCategoriesEditorForm::btnNewCategoryClick);
    connect(ui->btnModCategory, &QAbstractButton::clicked, this,
            &TEventsCategoriesEditorForm::btnModCategoryClick);
    connect(ui->btnDelCategory, &QAbstractButton::clicked, this,
            &TEventsCategoriesEditorForm::btnDelCategoryClick);
    connect(ui->btnOK, &QAbstractButton::clicked, this, &TEventsCategoriesEditorForm::btnOKClick);
    for (platform::Panel* swatch : {ui->panelNCColor, ui->panelNCTColor})
        connect(swatch, &platform::Panel::click, this,
                [this, swatch] { panelNCColorClick(*swatch); });
    for (platform::Panel* swatch : {ui->panelMCColor, ui->panelMCTColor})
        connect(swatch, &platform::Panel::click, this,
                [this, swatch] { panelMCColorClick(*swatch); });
}

TEventsCategoriesEditorForm::~TEventsCategoriesEditorForm() = default;

void TEventsCategoriesEditorForm::Execute(QWidget& owner, TClCalendar* calendar) {
    if (calendar == nullptr) return;
    Modified = 0;
    Calendar = calendar;
    Categories = &calendar->Categories;
    ShowCentredModal(*this, owner);
}

void TEventsCategoriesEditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// Esc, the title bar and "OK" all end here.
void TEventsCategoriesEditorForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TEventsCategoriesEditorForm::FormShow() {
    FillList();
    SetNewFields("", kResetColor, kResetTextColor);
    SetModFields("", kResetColor, kResetTextColor);
}

void TEventsCategoriesEditorForm::FormClose() {
    if (Modified == 1) Main.SetModified();
    Modified = 0;
    Calendar = nullptr;
    Categories = nullptr;
}

void TEventsCategoriesEditorForm::FillList() {
    ui->lCategories->ClearItems();
    if (Categories != nullptr) {
        for (std::int32_t i = 0; i < Categories->Count; ++i)
            ui->lCategories->AddItem(Categories->Get(i)->Name);
    }
    ui->lCategories->SetItemIndex(-1);
    SetModFields("", kResetColor, kResetTextColor);
}

void TEventsCategoriesEditorForm::SetNewFields(const std::string& name, TColor color,
                                               TColor textColor) {
    SetGroup(*ui->edNewCatName, *ui->panelNCColor, *ui->panelNCTColor, name, color, textColor);
}

void TEventsCategoriesEditorForm::SetModFields(const std::string& name, TColor color,
                                               TColor textColor) {
    SetGroup(*ui->edModCatName, *ui->panelMCColor, *ui->panelMCTColor, name, color, textColor);
}

void TEventsCategoriesEditorForm::lCategoriesClick() {
    if (Calendar == nullptr) return;
    const int i = ui->lCategories->ItemIndex();
    if (i >= 0 && i < Categories->Count) {
        const TClEventCategory& category = *Categories->Get(i);
        SetModFields(category.Name, category.Color, category.TextColor);
    } else {
        SetModFields("", kResetColor, kResetTextColor);
    }
}

void TEventsCategoriesEditorForm::btnNewCategoryClick() {
    if (Calendar == nullptr) return;
    const std::string name = ui->edNewCatName->Text();
    if (name.empty()) return;
    TClEventCategory category;
    category.Name = name;
    category.Color = ui->panelNCColor->Color();
    category.TextColor = ui->panelNCTColor->Color();
    if (Calendar->AddCategory(category)) {
        FillList();
        Modified = 1;
    } else {
        platform::MessageBox(kNotCreatedText, kNotCreatedCaption,
                             platform::mb::Ok | platform::mb::IconWarning);
    }
    SetNewFields("", kResetColor, kResetTextColor);
}

void TEventsCategoriesEditorForm::btnModCategoryClick() {
    if (Calendar == nullptr) return;
    const int i = ui->lCategories->ItemIndex();
    if (i < 0 || i >= Categories->Count) return;
    TClEventCategory& category = *Categories->Get(i);
    category.Name = ui->edModCatName->Text();
    category.Color = ui->panelMCColor->Color();
    category.TextColor = ui->panelMCTColor->Color();
    FillList();
    ui->lCategories->SetItemIndex(i);
    Modified = 1;
}

void TEventsCategoriesEditorForm::btnDelCategoryClick() {
    if (Calendar == nullptr) return;
    const int i = ui->lCategories->ItemIndex();
    if (i < 0 || i >= Categories->Count) return;
    Calendar->DeleteCategory(i);
    FillList();
    ui->lCategories->SetItemIndex(i - 1);
    Modified = 1;
}

bool TEventsCategoriesEditorForm::PickColor(platform::Panel& swatch) {
    if (!ColorDialog.Execute()) return false;
    swatch.SetColor(ColorDialog.Color());
    return true;
}

void TEventsCategoriesEditorForm::panelNCColorClick(platform::Panel& sender) {
    if (PickColor(sender)) RepaintSample(*ui->edNewCatName, *ui->panelNCColor, *ui->panelNCTColor);
}

void TEventsCategoriesEditorForm::panelMCColorClick(platform::Panel& sender) {
    if (PickColor(sender)) RepaintSample(*ui->edModCatName, *ui->panelMCColor, *ui->panelMCTColor);
}

void TEventsCategoriesEditorForm::btnOKClick() {
    close();
}
