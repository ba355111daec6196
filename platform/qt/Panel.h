#pragma once

#include <QFrame>
#include <QString>
#include <string>

#include "platform/Types.h"

namespace platform {

// A panel: a colour swatch, a bar or the fill of a bar, or a box with a centred caption.
// Color() returns the 32-bit colour as it was set (a system colour's high byte included);
// only the low three bytes are painted.
// A click is a left press and release; a double click emits `doubleClick()` after the first
// click's `click()`, and its own release is no further click.
// A panel with an action (what a press does, as "Wybierz kolor" for a colour swatch) is a
// control: it takes the focus with Tab or a click and shows it, Space and Enter press it, and
// the accessibility interface offers it as a button whose press action has that name. A press
// emits `click()`, and a press however made leaves the focus on the panel, as a click does:
// a window the press opens (a colour dialog) gives the focus back to it when it closes. A
// caption is what the panel says on the accessibility interface, after its accessible name when
// it has one, and a new caption is told as a change of its name.
class Panel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString action READ Action WRITE SetAction)
  public:
    explicit Panel(QWidget* parent = nullptr);

    QString Action() const { return action_; }
    void SetAction(const QString& action);
    void Press();

    TColor Color() const;
    void SetColor(TColor color);
    std::string Caption() const { return caption_.toStdString(); }
    void SetCaption(const std::string& caption);

  signals:
    void click();
    void doubleClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    TColor color_ = 0;
    QString caption_;
    QString action_;
    bool pressed_ = false;
};

}  // namespace platform
