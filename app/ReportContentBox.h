#pragma once

#include <QGroupBox>
#include <array>
#include <memory>

#include "reports/ReportContent.h"

namespace Ui {
class TReportContentBox;
}
namespace platform {
class CheckBox;
}

// "Zawartość raportu", the content box both grade-report dialogs share: fifteen check boxes
// bound to a report content. The content's own rules decide what a click does; the box passes
// each click on and then shows the content as it stands.
class TReportContentBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit TReportContentBox(QWidget* parent = nullptr);
    ~TReportContentBox() override;

    Ui::TReportContentBox& Ui() { return *ui; }
    platform::CheckBox& Box(ContentBox box) { return *boxes[static_cast<int>(box)]; }

    // The content the boxes show and change; it must outlive the box.
    void Bind(TReportContent& content);
    // Sets every check box from the content, running no click handler.
    void ShowContent();

  private:
    void BoxClick(ContentBox box);

    std::unique_ptr<Ui::TReportContentBox> ui;
    std::array<platform::CheckBox*, kContentBoxes> boxes{};
    TReportContent* content = nullptr;
};
