#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>

class QAction;
class QMenu;
class TDataFile;
class TMainServices;
namespace Ui {
class TStudentDataForm;
}
namespace platform {
class Edit;
}

// "Dane Ucznia": the pupil's name, school, class and school year. Everything is stored at once
// on OK, and only when some control was changed.
class TStudentDataForm : public QDialog {
    Q_OBJECT

  public:
    TStudentDataForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TStudentDataForm() override;

    Ui::TStudentDataForm& Ui() { return *ui; }
    QMenu& popupSelectClass() { return *ClassMenu; }
    QMenu& popupSelectClassChar() { return *ClassCharMenu; }

    void FormShow();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void memoCommentChange();
    void CSpinSchoolYear1Change();
    void CSpinSchoolYear2Change();
    void editClassClick();
    void editClassCharClick();
    void c1Click(const QAction& item);
    void a1Click(const QAction& item);
    void btnOKClick();
    void btnCancelClick();
    void CreateMenus();
    // Opens a menu over the top-left corner of the edit.
    void PopupOver(QMenu& menu, const platform::Edit& edit);

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TStudentDataForm> ui;
    std::unique_ptr<QMenu> ClassMenu;
    std::unique_ptr<QMenu> ClassCharMenu;
    // 1 once a control was changed since the window was filled.
    std::uint8_t FModified = 0;
};
