#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tarnwick {

// A window object: it exists once, lives as long as the program, and builds
// its on-screen window on demand. Closing the window destroys the widget and
// its controls but not the object; the next show builds it afresh and runs
// the load step again.
class FormObject : public QObject
{
    Q_OBJECT
public:
    explicit FormObject(const QString &name, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    bool isLoaded() const { return window_ != nullptr; }
    QWidget *window() const { return window_; }

    // Builds the window and runs its load step, unless already loaded.
    void load();
    void show();
    // Destroys the on-screen window and its controls now.
    void unload();
    // For a dialog: builds it afresh, runs its load step and shows it modally,
    // without an owner; returns once it is closed, with the window destroyed,
    // so that the next opening builds it again.
    void showModal();
    // Hides the window now and destroys it once control is back in the event
    // loop: for the program's end, which may be asked for from inside one of
    // the window's own handlers (a menu entry, the close box).
    void release();

    // The teardown step, run only at the orderly end of the program, and only
    // for objects that were created in this run. Default: nothing.
    virtual void teardown() {}

protected:
    // Builds the top-level widget and the controls (as members).
    virtual QWidget *build() = 0;
    virtual void Form_Load() {}
    // The widget is gone: forget the controls.
    virtual void released() {}

private:
    void onDestroyed();
    QPointer<QWidget> window_;
};

} // namespace tarnwick
