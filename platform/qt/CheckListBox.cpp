#include "platform/qt/CheckListBox.h"

namespace platform {

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent) {}

void CheckListBox::AddItem(const std::string& text) {
    auto* row = new QListWidgetItem(QString::fromStdString(text), this);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
}

std::string CheckListBox::ItemText(int i) const {
    const QListWidgetItem* row = item(i);
    return row != nullptr ? row->text().toStdString() : std::string();
}

bool CheckListBox::IsChecked(int i) const {
    const QListWidgetItem* row = item(i);
    return row != nullptr && row->checkState() == Qt::Checked;
}

void CheckListBox::SetChecked(int i, bool checked) {
    if (QListWidgetItem* row = item(i)) row->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace platform
