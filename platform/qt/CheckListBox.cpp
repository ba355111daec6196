#include "platform/qt/CheckListBox.h"

#include "platform/qt/CheckListBoxAccessible.h"

namespace platform {

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent) {
    // However an item is ticked (a click, Space, the program or the accessibility interface),
    // assistive technology hears it.
    connect(this, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { AnnounceCheckState(*this, row(item)); });
}

void CheckListBox::AddItem(const std::string& text) {
    // Made whole before it joins the list, so that adding it is no change of an item.
    auto* row = new QListWidgetItem(QString::fromStdString(text));
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
    addItem(row);
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
