#include "app/AddMarkForm.h"

#include <QShowEvent>

#include "app/MainServices.h"
#include "core/CommonTexts.h"
#include "platform/Dialogs.h"
#include "platform/qt/ShowModal.h"
#include "ui_AddMarkForm.h"

TAddMarkForm::TAddMarkForm(TMainServices& main, QWidget* parent)
    : QDialog(parent), Main(main), ui(std::make_unique<Ui::TAddMarkForm>()) {
    ui->setupUi(this);
    const struct {
        QAbstractButton* button;
        TMarkKind code;
    } marks[] = {
        {ui->btn1, 0},   {ui->btn1m, 1},  {ui->btn1p, 2}, {ui->btn2, 3},   {ui->btn2m, 4},
        {ui->btn2p, 5},  {ui->btn3, 6},   {ui->btn3m, 7}, {ui->btn3p, 8},  {ui->btn4, 9},
        {ui->btn4m, 10}, {ui->btn4p, 11}, {ui->btn5, 12}, {ui->btn5m, 13}, {ui->btn5p, 14},
        {ui->btn6, 15},  {ui->btn6m, 16},
    };
    for (const auto& mark : marks) {
        // A "-" or "+" alone says nothing to a screen reader; the whole mark does.
        mark.button->setAccessibleName(QString::fromStdString(MarkSymbol(mark.code)));
        connect(mark.button, &QAbstractButton::clicked, this,
                [this, code = mark.code] { MarkButtonClick(code); });
    }
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &TAddMarkForm::btnAcceptClick);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &TAddMarkForm::btnCancelClick);
}

TAddMarkForm::~TAddMarkForm() = default;

void TAddMarkForm::Execute(TSubject* subject) {
    FSubject = subject;
    platform::ShowModal(*this);
    // The subject may be a caller's temporary one, gone once the caller has read it.
    FSubject = nullptr;
}

void TAddMarkForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAddMarkForm::FormShow() {
    ui->lblSelectedMark->clear();
    FMarkSelected = false;
}

void TAddMarkForm::MarkButtonClick(TMarkKind code) {
    ui->lblSelectedMark->setText(QString::fromStdString(MarkSymbol(code)));
    FMark = code;
    FMarkSelected = true;
}

void TAddMarkForm::btnAcceptClick() {
    if (!FMarkSelected) {
        platform::MessageBox("Nie wybrałeś oceny.", kProgramTitle,
                             platform::mb::Ok | platform::mb::IconStop);
        return;
    }
    if (FSubject == nullptr) return;
    FSubject->Marks.AddMark(static_cast<TMarkKind>(FMark));
    Main.SetModified();
    close();
}

void TAddMarkForm::btnCancelClick() {
    close();
}
