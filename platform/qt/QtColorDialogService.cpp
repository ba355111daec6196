#include "platform/qt/QtColorDialogService.h"

#include <QApplication>
#include <QColorDialog>

#include "platform/qt/QtColor.h"

namespace platform {

std::optional<TColor> QtColorDialogService::Pick(TColor initial) {
    QColorDialog box(ToQColor(initial), QApplication::activeWindow());
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return FromQColor(box.selectedColor());
}

}  // namespace platform
