#include "icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStandardPaths>

namespace tarnwick::Icons {
namespace {

enum class Shape
{
    Folder,
    File,
    Link
};

QPixmap draw(Shape shape, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, s / 24)));
    if (shape == Shape::Folder) {
        QPainterPath tab;
        tab.addRoundedRect(QRectF(s * 0.08, s * 0.18, s * 0.4, s * 0.2), s * 0.05, s * 0.05);
        p.setBrush(QColor(214, 170, 60));
        p.drawPath(tab);
        p.setBrush(QColor(240, 196, 80));
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.28, s * 0.88, s * 0.6), s * 0.06, s * 0.06);
    } else {
        QPainterPath page;
        page.moveTo(s * 0.2, s * 0.06);
        page.lineTo(s * 0.62, s * 0.06);
        page.lineTo(s * 0.82, s * 0.26);
        page.lineTo(s * 0.82, s * 0.94);
        page.lineTo(s * 0.2, s * 0.94);
        page.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawLine(QPointF(s * 0.62, s * 0.06), QPointF(s * 0.62, s * 0.26));
        p.drawLine(QPointF(s * 0.62, s * 0.26), QPointF(s * 0.82, s * 0.26));
        if (shape == Shape::Link) {
            p.setBrush(QColor(40, 110, 200));
            p.drawRect(QRectF(s * 0.1, s * 0.58, s * 0.36, s * 0.36));
            p.setPen(QPen(Qt::white, std::max(1.0, s / 16)));
            p.drawLine(QPointF(s * 0.18, s * 0.86), QPointF(s * 0.38, s * 0.66));
        }
    }
    return pm;
}

QIcon drawn(Shape shape)
{
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64})
        icon.addPixmap(draw(shape, size));
    return icon;
}

// An icon drawn at whatever size it is asked for: a plain pixmap is one at a
// ratio of 1.
class AnySizeEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

protected:
    // Paints the pixmap made for the painter's own pixel ratio.
    void paintPixmap(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }
};

// Paints the base icon, then the emblem over its lower left corner; for any
// size, so that both stay sharp on a screen of twice the density.
class EmblemEngine : public AnySizeEngine
{
public:
    EmblemEngine(QIcon base, QIcon emblem) : base_(std::move(base)), emblem_(std::move(emblem)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        base_.paint(painter, rect, Qt::AlignCenter, mode, state);
        const int side = std::max(8, std::min(rect.width(), rect.height()) / 2);
        const QRect corner(rect.left(), rect.bottom() - side + 1, side, side);
        emblem_.paint(painter, corner, Qt::AlignCenter, mode, state);
    }
    // `size` in device pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        pm.setDevicePixelRatio(scale);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), (QSizeF(size) / scale).toSize()), mode, state);
        return pm;
    }
    QIconEngine *clone() const override { return new EmblemEngine(base_, emblem_); }
    QString key() const override { return QStringLiteral("tarnwick-emblem"); }

private:
    QIcon base_;
    QIcon emblem_;
};

// Draws a one-colour icon's shape in the palette's text colour for the mode.
class TextColourEngine : public AnySizeEngine
{
public:
    explicit TextColourEngine(QIcon shape) : shape_(std::move(shape)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        paintPixmap(painter, rect, mode, state);
    }
    // `size` in device pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pm = shape_.pixmap(size, 1.0, QIcon::Normal, state);
        if (pm.isNull())
            return pm;
        const QPalette palette = QGuiApplication::palette();
        QPainter p(&pm);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(pm.rect(), mode == QIcon::Disabled
                                  ? palette.color(QPalette::Disabled, QPalette::WindowText)
                                  : palette.color(QPalette::Active, QPalette::WindowText));
        p.end();
        pm.setDevicePixelRatio(scale);
        return pm;
    }
    QIconEngine *clone() const override { return new TextColourEngine(shape_); }
    QString key() const override { return QStringLiteral("tarnwick-text-colour"); }

private:
    QIcon shape_;
};

// The base icon as it is, and out of use grey and faint: greying alone
// leaves an icon that is grey already looking just as it did.
class FadedEngine : public AnySizeEngine
{
public:
    explicit FadedEngine(QIcon base, bool always = false) : base_(std::move(base)), always_(always)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        if (always_ || mode == QIcon::Disabled)
            paintPixmap(painter, rect, QIcon::Disabled, state);
        else
            base_.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // `size` in device pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        if (always_)
            mode = QIcon::Disabled;
        QPixmap normal =
            base_.pixmap(size, 1.0, mode == QIcon::Disabled ? QIcon::Normal : mode, state);
        if (mode == QIcon::Disabled && !normal.isNull()) {
            QImage grey = normal.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < grey.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
                for (int x = 0; x < grey.width(); ++x) {
                    const int g = 128 + qGray(line[x]) / 2;
                    line[x] = qRgba(g, g, g, qAlpha(line[x]) * 2 / 5);
                }
            }
            normal = QPixmap::fromImage(std::move(grey));
        }
        normal.setDevicePixelRatio(scale);
        return normal;
    }
    QIconEngine *clone() const override { return new FadedEngine(base_, always_); }
    QString key() const override { return QStringLiteral("tarnwick-faded"); }

private:
    QIcon base_;
    bool always_;
};

} // namespace

QIcon fadedWhenDisabled(const QIcon &base)
{
    return QIcon(new FadedEngine(base));
}

QIcon dimmed(const QIcon &base)
{
    return QIcon(new FadedEngine(base, true));
}

QIcon inTextColour(const QString &name, const QIcon &fallback)
{
    const QIcon shape = QIcon::fromTheme(name);
    return shape.isNull() ? fallback : QIcon(new TextColourEngine(shape));
}

QIcon withEmblem(const QIcon &base, const QIcon &emblem)
{
    return QIcon(new EmblemEngine(base, emblem));
}

QIcon linkEmblem()
{
    static const QIcon icon = themed(QStringLiteral("emblem-symbolic-link"), drawn(Shape::Link));
    return icon;
}

QIcon brokenLinkEmblem()
{
    static const QIcon icon = themed(QStringLiteral("emblem-unreadable"), drawn(Shape::Link));
    return icon;
}

void useDesktopTheme()
{
    // Some platforms (offscreen, minimal) look only in Qt's resources.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString &dir :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory)) {
        if (!paths.contains(dir))
            paths.append(dir);
    }
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

QIcon themed(const QString &name, const QIcon &fallback)
{
    QIcon icon = QIcon::fromTheme(name);
    return icon.isNull() ? fallback : icon;
}

QString placeIconName(NameSpace nameSpace)
{
    switch (nameSpace) {
    case DesktopSpace:
        return QStringLiteral("user-desktop");
    case ControlPanelSpace:
        return QStringLiteral("preferences-system");
    case PrintersSpace:
        return QStringLiteral("printer");
    case RecycleBinSpace:
        return QStringLiteral("user-trash");
    case MyComputerSpace:
        return QStringLiteral("computer");
    case FolderSpace:
        break;
    }
    return {};
}

QIcon place(NameSpace nameSpace)
{
    return nameSpace == FolderSpace ? folder() : themed(placeIconName(nameSpace), folder());
}

QIcon folder()
{
    static const QIcon icon = themed(QStringLiteral("folder"), drawn(Shape::Folder));
    return icon;
}

QIcon file()
{
    static const QIcon icon = themed(QStringLiteral("text-x-generic"), drawn(Shape::File));
    return icon;
}

QIcon symlink()
{
    static const QIcon icon = themed(QStringLiteral("emblem-symbolic-link"), drawn(Shape::Link));
    return icon;
}

} // namespace tarnwick::Icons
