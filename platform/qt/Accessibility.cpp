#include "platform/qt/Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPushButton>
#include <QToolButton>

#include "platform/qt/CheckListBox.h"
#include "platform/qt/CheckListBoxAccessible.h"
#include "platform/qt/DrawGrid.h"
#include "platform/qt/DrawGridAccessible.h"
#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/Pressable.h"

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

// The program's own buttons: its name is its caption once it has one, else its hint (a button
// that shows only a glyph); a press runs after the call has returned.
class ProgramButton : public QAccessibleWidget {
  public:
    explicit ProgramButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        const QString caption = WithoutMnemonic(Button()->text());
        return caption.isEmpty() ? widget()->toolTip() : caption;
    }

    // The kind Qt's own interface gives a button with a caption: a button asked for before it
    // got its caption (its checkable state set first, as a layout does) is the same kind of
    // control as one asked for after.
    QAccessible::Role role() const override {
        return Button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
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
        const QString own = Button()->isCheckable() ? toggleAction() : pressAction();
        return QStringList(own) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!widget()->isEnabled()) return;
        if (action == pressAction() && !Button()->isCheckable()) {
            PressAfterReply(*widget(), [button = Button()] { button->click(); });
        } else if (action == toggleAction() && Button()->isCheckable()) {
            Button()->toggle();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A panel is a pane, or a button once it has an action. What it shows is what it says: its
// caption, after the name the window gave it ("Stan: Zmodyfikowany"); without a caption, that
// name, else its hint.
class CaptionNamedPanel : public QAccessibleWidget {
  public:
    explicit CaptionNamedPanel(Panel* panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    QAccessible::Role role() const override {
        return Pressable() ? QAccessible::Button : QAccessible::Pane;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const QString given = widget()->accessibleName();
        const QString caption = QString::fromStdString(ThePanel()->Caption());
        if (caption.isEmpty()) return given.isEmpty() ? widget()->toolTip() : given;
        return given.isEmpty() ? caption : given + QStringLiteral(": ") + caption;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Pressable()) names.prepend(pressAction());
        return names;
    }

    QString localizedActionName(const QString& action) const override {
        if (action == pressAction() && Pressable()) return ThePanel()->Action();
        return QAccessibleWidget::localizedActionName(action);
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && Pressable()) {
            PressAfterReply(*widget(), [panel = ThePanel()] { panel->Press(); });
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    Panel* ThePanel() const { return static_cast<Panel*>(widget()); }
    bool Pressable() const { return !ThePanel()->Action().isEmpty(); }
};

class LinkInterface : public QAccessibleWidget {
  public:
    explicit LinkInterface(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return static_cast<LinkLabel*>(widget())->text();
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            PressAfterReply(*widget(),
                            [link = static_cast<LinkLabel*>(widget())] { link->Press(); });
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* NamedControls(const QString& className, QObject* object) {
    // Asked once per class up the hierarchy; answering for the object's own class is enough.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* panel = qobject_cast<Panel*>(object)) return new CaptionNamedPanel(panel);
    if (auto* link = qobject_cast<LinkLabel*>(object)) return new LinkInterface(link);
    if (auto* grid = qobject_cast<DrawGrid*>(object)) return NewAccessibleDrawGrid(*grid);
    if (auto* list = qobject_cast<CheckListBox*>(object)) return NewAccessibleCheckListBox(*list);
    // Qt's own interface presses a tool button inside the call; a tool button with a menu (the
    // calendar's month) keeps it for its menu role, and a push button with a caption too, as
    // it presses after replying.
    auto* tool = qobject_cast<QToolButton*>(object);
    if (tool != nullptr && tool->menu() == nullptr) return new ProgramButton(tool);
    auto* push = qobject_cast<QPushButton*>(object);
    if (push != nullptr && push->text().isEmpty()) return new ProgramButton(push);
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
