#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutForm;
}

// "O programie...": the program's title, version, authors, contact and licence.
class TAboutForm : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutForm(QWidget* parent = nullptr);
    ~TAboutForm() override;

    Ui::TAboutForm& Ui() { return *ui; }

    // The link the contact line opens with the desktop's mail handler.
    static QString MailLink();

  private:
    void btnCloseClick();
    void lblMailClick();

    std::unique_ptr<Ui::TAboutForm> ui;
};
