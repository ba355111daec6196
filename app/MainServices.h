#pragma once

struct TProgramOptions;
class QWidget;

// What the main window lends the windows it opens. A window is given the document it works
// on and this interface, never the main window itself, so each window can be built and
// tested alone with a stand-in.
class TMainServices {
  public:
    virtual ~TMainServices() = default;

    // Marks the document changed; refreshes nothing.
    virtual void SetModified() = 0;
    virtual bool IsModified() const = 0;

    // The subject selected in the main window's subject box, -1 for none.
    virtual int CurrentSubject() const = 0;
    // Selects an entry of the subject box (-1: none) without running its change handler;
    // the main window's refresh after the window closes shows it.
    virtual void SetCurrentSubject(int index) = 0;

    // The installation settings, and writing them to "settings.dat" as closing does
    // (recording the document's name and the window's position).
    virtual TProgramOptions& InstallationSettings() = 0;
    virtual void SaveSettings() = 0;

    // Rebuilds the main window's time table at once: after the diary's days changed, before
    // anything can paint them.
    virtual void RefreshTimeTable() = 0;

    // The window that dialogs centre over and own.
    virtual QWidget& Window() = 0;
};
