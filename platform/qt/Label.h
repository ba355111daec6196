#pragma once

#include <QLabel>

#include "platform/Controls.h"
#include "platform/Types.h"

namespace platform {

// A label that, unless it wraps its text, sizes itself to its text, so that the windows can
// place other labels after its right edge or centre it in a box.
class Label : public QLabel, public TextControl {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);

    void SetText(const std::string& text) override;
    std::string Text() const override { return text().toStdString(); }
    void SetFontColor(TColor color);

  signals:
    // A click of the left button, pressed and released over the label.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// A label that is a link: it takes the focus with Tab or a click and shows it, Space and Enter
// follow it as a click does, and the accessibility interface offers it as a link with a press
// action. Following it emits `clicked()`.
class LinkLabel : public Label {
    Q_OBJECT
  public:
    explicit LinkLabel(QWidget* parent = nullptr);

    void Press() { emit clicked(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
