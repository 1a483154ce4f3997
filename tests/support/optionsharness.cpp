#include "optionsharness.h"

#include <QClipboard>
#include <QScreen>
#include <QSettings>
#include <QTabBar>

namespace tarnwick::test {

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20) {
            QGuiApplication::clipboard()->setText(QString(c));
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            continue;
        }
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

void clickTab(frmOptions &o, int index)
{
    QTabBar *bar = o.TabStrip1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

frmOptions &OptionsHarness::options()
{
    return windows.get<frmOptions>(QString::fromLatin1(frmOptions::Name));
}

frmOptions &OptionsHarness::openOptions()
{
    if (!form().isLoaded())
        open();
    frmOptions &o = options();
    o.show();
    if (!QTest::qWaitForWindowExposed(o.window()))
        qWarning("Options not exposed");
    return o;
}

std::optional<QString> OptionsHarness::onDisk(const QString &key)
{
    // Read from a copy under a new name each time: the INI reader keeps files
    // it has read by name, and two writes within one tick of the file clock
    // can leave the same size and time behind.
    const QString copy = dir_.filePath(QStringLiteral("read-%1.ini").arg(++reads_));
    if (!writeFile(copy, fileBytes()))
        return std::nullopt;
    QSettings file(copy, QSettings::IniFormat);
    const QVariant v = file.value(QStringLiteral("Settings/") + key);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

QByteArray OptionsHarness::fileBytes() const
{
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool OptionsHarness::writeSettings(const QByteArray &body)
{
    return writeFile(settingsFile(), "[Settings]\n" + body);
}

QSize OptionsHarness::expectedOuter(float widthTwips, float heightTwips)
{
    const TwipsScale &s = form().scale();
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    return QSize(s.toPixels(widthTwips), s.toPixels(heightTwips)).boundedTo(free);
}

QSize OptionsHarness::outerSize()
{
    return form().window()->frameGeometry().size();
}

} // namespace tarnwick::test
