#include "app/AboutForm.h"

#include <QDesktopServices>
#include <QUrl>
#include <algorithm>

#include "app/MainRoutines.h"
#include "app/WindowColors.h"
#include "core/CommonTexts.h"
#include "platform/qt/Panel.h"
#include "ui_AboutForm.h"

namespace {

const char* const kContactAddress = "kontakt@quirvale.example";

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TAboutForm>()) {
    ui->setupUi(this);
    ui->imgHeader->SetColor(kNavy);
    ui->lblTitle->setText(kProgramTitle);
    ui->lblMail->setText(kContactAddress);
    ui->lblMail->setCursor(Qt::PointingHandCursor);
    // Read-only text on the button face, as a licence box looks in a dialog.
    QPalette colors = ui->memoLicense->palette();
    colors.setColor(QPalette::Base, colors.color(QPalette::Button));
    ui->memoLicense->setPalette(colors);
    // Wide enough for its longest line in any font, so that its lines read as written; a line
    // the width cannot hold after all wraps, as the licence never scrolls across.
    const QStringList lines = ui->memoLicense->toPlainText().split('\n');
    ui->memoLicense->ensurePolished();
    const QFontMetrics metrics = ui->memoLicense->fontMetrics();
    const auto longest =
        std::max_element(lines.begin(), lines.end(), [&](const QString& a, const QString& b) {
            return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
        });
    if (longest != lines.end())
        ui->memoLicense->setMinimumWidth(MemoWidthFor(*ui->memoLicense, *longest));
    connect(ui->btnClose, &QAbstractButton::clicked, this, &TAboutForm::btnCloseClick);
    connect(ui->lblMail, &platform::LinkLabel::clicked, this, &TAboutForm::lblMailClick);
}

TAboutForm::~TAboutForm() = default;

QString TAboutForm::MailLink() {
    return QString("mailto:%1?subject=%2").arg(kContactAddress, kProgramTitle);
}

void TAboutForm::btnCloseClick() {
    close();
}

void TAboutForm::lblMailClick() {
    QDesktopServices::openUrl(QUrl(MailLink()));
}
