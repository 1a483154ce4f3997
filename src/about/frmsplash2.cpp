#include "frmsplash2.h"

#include "frmabout.h"
#include "frmexplore.h"
#include "panels.h"
#include "windowregistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tarnwick {

frmSplash2::frmSplash2(WindowRegistry &windows)
    : FormObject(QString::fromLatin1(Name)), Image1(&scale_), windows_(windows)
{
    Timer1.setInterval(Timer1Interval);
    Timer2.setInterval(Timer2Interval);
    // On the second, not up to 5% early as coarse timers may be.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash2::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmSplash2::Timer2_Timer);
}

frmSplash2::~frmSplash2()
{
    restoreCursor();
    unload();
}

QWidget *frmSplash2::build()
{
    auto *w = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                       Qt::CustomizeWindowHint);
    w->setWindowTitle(QStringLiteral("Tarnwick"));
    w->setAccessibleName(QStringLiteral("Tarnwick"));
    scale_ = TwipsScale::forWidget(w);
    const QSize client(scale_.toPixels(DesignScaleWidth), scale_.toPixels(DesignScaleHeight));
    w->setFixedSize(client);
    centreOnScreen(w);

    // The icon and the name, drawn once at the picture's size.
    auto *image = new QLabel(w);
    image->setAccessibleName(QStringLiteral("Tarnwick"));
    Image1.attach(image, {0, 0, 4050, 2550});
    QPixmap picture(image->size() * image->devicePixelRatio());
    picture.setDevicePixelRatio(image->devicePixelRatio());
    picture.fill(w->palette().color(QPalette::Window));
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        const QSize area = image->size();
        const int icon = std::min(area.height() / 2, area.width() / 3);
        applicationIcon().paint(&p,
                                QRect((area.width() - icon) / 2, area.height() / 8, icon, icon));
        QFont font = w->font();
        font.setPointSize(20);
        font.setWeight(QFont::Black);
        p.setFont(font);
        p.setPen(QColor(0x00, 0x00, 0x80));
        p.drawText(QRect(0, area.height() / 8 + icon, area.width(), area.height() / 3),
                   Qt::AlignCenter, QStringLiteral("Tarnwick"));
    }
    image->setPixmap(picture);
    w->installEventFilter(this);
    return w;
}

// Loading brings up the main window behind the splash, and the timers start.
void frmSplash2::Form_Load()
{
    if (FormObject *main = windows_.form(QString::fromLatin1(frmExplore::Name)))
        main->show();
    Timer1.start();
    Timer2.start();
}

bool frmSplash2::eventFilter(QObject *watched, QEvent *event)
{
    // Shown counts as activated too: without a window manager a window may
    // never be made active, and the wait cursor belongs to the splash's
    // whole life.
    if (watched == window() &&
        (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show))
        Form_Activate();
    return FormObject::eventFilter(watched, event);
}

void frmSplash2::Form_Activate()
{
    Timer1.start();
    if (!waitCursor_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        waitCursor_ = true;
    }
    if (QWidget *w = window())
        w->raise();
}

void frmSplash2::Timer1_Timer()
{
    if (FormObject *main = windows_.existing(QString::fromLatin1(frmExplore::Name))) {
        if (QWidget *w = main->window())
            w->setVisible(true);
    }
    if (QWidget *w = window())
        w->raise();
    QCoreApplication::processEvents();
}

void frmSplash2::Timer2_Timer()
{
    restoreCursor();
    unload();
}

void frmSplash2::restoreCursor()
{
    if (!waitCursor_)
        return;
    QGuiApplication::restoreOverrideCursor();
    waitCursor_ = false;
}

void frmSplash2::released()
{
    Timer1.stop();
    Timer2.stop();
    Image1.detach();
    restoreCursor();
}

} // namespace tarnwick
