#include "platform/qt/Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPushButton>
#include <QToolButton>

#include "platform/qt/DrawGrid.h"
#include "platform/qt/DrawGridAccessible.h"
#include "platform/qt/Panel.h"

namespace platform {
namespace {

// "&Dodaj" reads "Dodaj"; "&&" is a literal ampersand.
QString WithoutMnemonic(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

// A button that shows only a glyph: its name is its caption once it has one, else its hint.
class HintNamedButton : public QAccessibleWidget {
  public:
    explicit HintNamedButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        const QString caption = WithoutMnemonic(Button()->text());
        return caption.isEmpty() ? widget()->toolTip() : caption;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button()->isCheckable();
        state.checked = Button()->isChecked();
        state.pressed = Button()->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(Button()))
            state.defaultButton = push->isDefault();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

class CaptionNamedPanel : public QAccessibleWidget {
  public:
    explicit CaptionNamedPanel(Panel* panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        const QString caption = QString::fromStdString(static_cast<Panel*>(widget())->Caption());
        return caption.isEmpty() ? widget()->toolTip() : caption;
    }
};

QAccessibleInterface* NamedControls(const QString& className, QObject* object) {
    // Asked once per class up the hierarchy; answering for the object's own class is enough.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* panel = qobject_cast<Panel*>(object)) return new CaptionNamedPanel(panel);
    if (auto* grid = qobject_cast<DrawGrid*>(object)) return NewAccessibleDrawGrid(*grid);
    auto* button = qobject_cast<QAbstractButton*>(object);
    const bool pushOrTool = qobject_cast<QPushButton*>(object) != nullptr ||
                            qobject_cast<QToolButton*>(object) != nullptr;
    // Buttons with a caption keep Qt's own interface (a tool button's menu role among others).
    if (button != nullptr && pushOrTool && button->text().isEmpty())
        return new HintNamedButton(button);
    return nullptr;
}

}  // namespace

void InstallAccessibleNames() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&NamedControls);
}

}  // namespace platform
