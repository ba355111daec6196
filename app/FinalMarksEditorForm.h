#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TAddMarkForm;
class TDataFile;
class TMainServices;
namespace Ui {
class TFinalMarksEditorForm;
}

// "Oceny końcowe": every subject with its final mark. The marks are edited on a working copy
// that "OK" stores into the document; "Anuluj" drops it.
class TFinalMarksEditorForm : public QDialog {
    Q_OBJECT

  public:
    TFinalMarksEditorForm(TDataFile& dataFile, TMainServices& main, TAddMarkForm& keypad,
                          QWidget* parent = nullptr);
    ~TFinalMarksEditorForm() override;

    Ui::TFinalMarksEditorForm& Ui() { return *ui; }

    void FormShow();
    // Every way of closing ("OK", "Anuluj", Esc, the close box) ends here.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormClose();
    void SubjectsListSelectCell(int col, int row);
    void btnSelectMarkClick();
    void btnDelMarkClick();
    void btnOKClick();
    void btnCancelClick();

    void InitGrid();
    void LoadMarks();
    void ShowEmptyGrid();
    void ClearDetails();
    void RefreshDetails();
    void FillGrid();
    // Row r of the grid is subject r - 1; 0 selects none.
    void SelectRow(int row);
    void StoreMarks();
    // "brak" for a subject without a final mark, else the mark's symbol.
    static std::string FinalMarkText(std::int32_t value);

    TDataFile& DataFile;
    TMainServices& Main;
    TAddMarkForm& AddMarkForm;
    std::unique_ptr<Ui::TFinalMarksEditorForm> ui;
    int FCurrentRow = 0;
    // One final mark per subject in document order, while the dialog is showing.
    std::optional<std::vector<std::int32_t>> FFinalMarks;
};
