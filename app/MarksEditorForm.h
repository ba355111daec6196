#pragma once

#include <QDialog>
#include <memory>

class TAddMarkForm;
class TDataFile;
class TMainServices;
namespace Ui {
class TMarksEditorForm;
}

// "Edytor ocen": lists a subject's marks in the order of entry, adds marks through the keypad
// and deletes the one selected. It opens on the main window's current subject and hands its
// own back when it closes.
class TMarksEditorForm : public QDialog {
    Q_OBJECT

  public:
    TMarksEditorForm(TDataFile& dataFile, TMainServices& main, TAddMarkForm& keypad,
                     QWidget* parent = nullptr);
    ~TMarksEditorForm() override;

    Ui::TMarksEditorForm& Ui() { return *ui; }

    void FormShow();
    // Every way of closing (Esc, the close box) ends here.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormClose();
    void cbSubjectsListChange();
    void btnNewMarkClick();
    void btnDeleteMarkClick();
    // Row i of the list is mark i of the subject at `index`; no rows for no subject.
    void ShowMarks(int index);
    void UpdateButtons();
    bool IsSubject(int index) const;

    TDataFile& DataFile;
    TMainServices& Main;
    TAddMarkForm& AddMarkForm;
    std::unique_ptr<Ui::TMarksEditorForm> ui;
};
