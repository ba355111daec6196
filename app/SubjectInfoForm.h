#pragma once

#include <QDialog>
#include <memory>

class TDataFile;
namespace Ui {
class TSubjectInfoForm;
}

// "Informacje": a read-only card of one subject, its marks, average and alarm state.
class TSubjectInfoForm : public QDialog {
    Q_OBJECT

  public:
    explicit TSubjectInfoForm(QWidget* parent = nullptr);
    ~TSubjectInfoForm() override;

    Ui::TSubjectInfoForm& Ui() { return *ui; }

    // Shows the card of the subject at `index`, centred over the owner; an index that is not
    // in the list shows empty fields. Without a document nothing is shown.
    void ShowSubjectInfo(QWidget& owner, TDataFile* document, int index);

  private:
    void ClearFields();
    void ShowSubject(TDataFile& document, int index);
    void btnOKClick();

    std::unique_ptr<Ui::TSubjectInfoForm> ui;
};
