#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

#include "core/Records.h"
#include "platform/Dialogs.h"

class TDataFile;
class TMainServices;
namespace Ui {
class TProgramOptionsForm;
}
namespace platform {
class Panel;
}

// "Opcje": whether the last document opens at start-up (an installation setting, written to
// "settings.dat" on OK) and the diary's twelve colours (the document's).
class TProgramOptionsForm : public QDialog {
    Q_OBJECT

  public:
    TProgramOptionsForm(TDataFile& dataFile, TMainServices& main, QWidget* parent = nullptr);
    ~TProgramOptionsForm() override;

    Ui::TProgramOptionsForm& Ui() { return *ui; }
    // The swatch of each colour slot, in slot order.
    const std::array<platform::Panel*, kTimeTableColors>& Swatches() const { return ColorSwatches; }

    void FormShow();
    void LoadOptions();
    void StoreOptions();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void colorTTBackgroundClick(platform::Panel& swatch);
    void btnOKClick();
    void btnCancelClick();

    TDataFile& DataFile;
    TMainServices& Main;
    std::unique_ptr<Ui::TProgramOptionsForm> ui;
    std::array<platform::Panel*, kTimeTableColors> ColorSwatches;
    // One dialog for the window's lifetime: it opens on the colour last confirmed in it.
    platform::ColorDialog ColorDialog;
    // 1 once a colour was picked since the window was filled.
    std::uint8_t FColorsChanged = 0;
};
