#pragma once

#include "formobject.h"
#include "twips.h"

#include <QLabel>
#include <QTimer>

namespace tarnwick {

class WindowRegistry;

// The start-up splash: a small borderless window, on top of all others,
// that brings up the main window behind it, shows the wait cursor while the
// main window gets ready and goes after three seconds. Start-up uses it only
// when asked to (--splash).
class frmSplash2 : public FormObject
{
    Q_OBJECT
public:
    static constexpr const char *Name = "frmSplash2";
    static constexpr float DesignScaleWidth = 4170;
    static constexpr float DesignScaleHeight = 2625;
    static constexpr int Timer1Interval = 1000;
    static constexpr int Timer2Interval = 3000;

    explicit frmSplash2(WindowRegistry &windows);
    ~frmSplash2() override;

    void Form_Activate();
    void Timer1_Timer();
    void Timer2_Timer();
    const TwipsScale &scale() const { return scale_; }
    bool showsWaitCursor() const { return waitCursor_; }

    Control<QLabel> Image1;
    QTimer Timer1;
    QTimer Timer2;

protected:
    QWidget *build() override;
    void Form_Load() override;
    void released() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreCursor();

    WindowRegistry &windows_;
    TwipsScale scale_;
    bool waitCursor_ = false;
};

} // namespace tarnwick
