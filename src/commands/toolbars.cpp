// The two toolbars: the same buttons, small and large, and their pictures.
#include "frmexplore.h"
#include "icons.h"
#include "preferences.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <tuple>

namespace tarnwick {

namespace {

// Button sizes are kept as the toolbar control stores them, in hundredths
// of a millimetre: 609 x 582 fits the 16-pixel pictures of the small
// toolbar in its 375-twip strip, 1032 x 1005 the 32-pixel ones of the large
// toolbar in its 560-twip strip.
QSize buttonPixels(int width, int height, const TwipsScale &scale)
{
    // 1 inch = 2540 hundredths of a millimetre = 1440 twips.
    const auto toTwips = [](int hmm) { return float(hmm) * 1440.0f / 2540.0f; };
    return {scale.toPixels(toTwips(width)), scale.toPixels(toTwips(height))};
}

// Pictures drawn here for the view buttons, and for any other where the
// icon theme has none.
QPixmap drawPicture(int picture, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QColor ink(50, 60, 80);
    p.setPen(QPen(ink, std::max(1.0, s / 16)));
    p.setBrush(QColor(90, 130, 200));
    switch (picture) {
    case 10: // large icons: four big squares
        for (int i = 0; i < 4; ++i)
            p.drawRect(
                QRectF(s * (0.1 + 0.45 * (i % 2)), s * (0.1 + 0.45 * (i / 2)), s * 0.35, s * 0.35));
        break;
    case 11: // small icons: rows of small squares with text
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) {
                p.drawRect(QRectF(s * (0.08 + 0.46 * c), s * (0.12 + 0.3 * r), s * 0.14, s * 0.14));
                p.drawLine(QPointF(s * (0.27 + 0.46 * c), s * (0.19 + 0.3 * r)),
                           QPointF(s * (0.46 + 0.46 * c), s * (0.19 + 0.3 * r)));
            }
        break;
    case 12: // list: one column of items
        for (int r = 0; r < 4; ++r) {
            p.drawRect(QRectF(s * 0.1, s * (0.1 + 0.22 * r), s * 0.14, s * 0.14));
            p.drawLine(QPointF(s * 0.32, s * (0.17 + 0.22 * r)),
                       QPointF(s * 0.9, s * (0.17 + 0.22 * r)));
        }
        break;
    case 13: // details: a header and rows in columns
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(s * 0.08, s * 0.1, s * 0.84, s * 0.8));
        p.drawLine(QPointF(s * 0.08, s * 0.28), QPointF(s * 0.92, s * 0.28));
        p.drawLine(QPointF(s * 0.5, s * 0.1), QPointF(s * 0.5, s * 0.9));
        for (int r = 0; r < 3; ++r)
            p.drawLine(QPointF(s * 0.12, s * (0.42 + 0.16 * r)),
                       QPointF(s * 0.88, s * (0.42 + 0.16 * r)));
        break;
    default: { // a labelled tile
        static const char *labels[] = {"",      "Up", "Map",   "Disc", "Cut", "Copy",
                                       "Paste", "",   "Del",   "Prop", "",    "",
                                       "",      "",   "Print", "Back", "Fwd", "Home"};
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.15, s * 0.15);
        QFont f = p.font();
        f.setPixelSize(std::max(6, int(s * 0.3)));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QString::fromLatin1(labels[picture]));
        break;
    }
    }
    return pm;
}

QIcon picture(int index, int size)
{
    static const char *themeNames[] = {
        "",           "go-up", "network-server", "network-offline",     "edit-cut", "edit-copy",
        "edit-paste", "",      "edit-delete",    "document-properties", "",         "",
        "",           "",      "document-print", "go-previous",         "go-next",  "go-home"};
    const QIcon drawn(drawPicture(index, size));
    const char *name = themeNames[index];
    if (!*name)
        return Icons::fadedWhenDisabled(drawn);
    // The theme's "go-" arrows and home are pale and look disabled even when
    // they are not: their shapes in the text colour read clearly.
    if (index == 1 || index >= 15)
        return Icons::inTextColour(QString::fromLatin1(name), drawn);
    // The theme's icon whole, not one pixmap of it: it then stays sharp on a
    // screen of twice the density. Some are grey already, so their look out
    // of use is made faint as well as grey.
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(name));
    return Icons::fadedWhenDisabled(themed.isNull() ? drawn : themed);
}

QList<QIcon> pictureList(int size)
{
    QList<QIcon> list;
    for (int i = 1; i <= 14; ++i)
        list.append(picture(i, size));
    return list;
}

struct ButtonRow
{
    const char *key;
    int picture; // 1-based; 0 none
    Toolbar::Style style;
    const char *description1, *toolTip1, *description2, *toolTip2;
};

constexpr auto P = Toolbar::Style::Plain;
constexpr auto G = Toolbar::Style::Group;
constexpr auto S = Toolbar::Style::Separator;

const ButtonRow buttonTable[] = {
    {"UpOneLevel", 1, P, "UpOneLevel", QT_TRANSLATE_NOOP("Toolbar", "Up One Level"),
     QT_TRANSLATE_NOOP("Toolbar", "Up One Level"), QT_TRANSLATE_NOOP("Toolbar", "Up One Level")},
    {"", 0, S, "", "", "", ""},
    {"MapNetworkDrive", 2, P, QT_TRANSLATE_NOOP("Toolbar", "Map Network Drive"),
     QT_TRANSLATE_NOOP("Toolbar", "Map Network Drive"), "MapNetworkDrive",
     QT_TRANSLATE_NOOP("Toolbar", "Map Network Drive")},
    {"DisconnectNetDrive", 3, P, QT_TRANSLATE_NOOP("Toolbar", "Disconnect Network Drive"),
     QT_TRANSLATE_NOOP("Toolbar", "Disconnect Network Drive"), "DisconnectNetDrive",
     QT_TRANSLATE_NOOP("Toolbar", "Disconnect Net Drive")},
    {"", 0, S, "", "", "", ""},
    {"Cut", 4, P, QT_TRANSLATE_NOOP("Toolbar", "Cut"), QT_TRANSLATE_NOOP("Toolbar", "Cut"),
     QT_TRANSLATE_NOOP("Toolbar", "Cut"), QT_TRANSLATE_NOOP("Toolbar", "Cut")},
    {"Copy", 5, P, QT_TRANSLATE_NOOP("Toolbar", "Copy"), QT_TRANSLATE_NOOP("Toolbar", "Copy"),
     QT_TRANSLATE_NOOP("Toolbar", "Copy"), QT_TRANSLATE_NOOP("Toolbar", "Copy")},
    {"Paste", 6, P, QT_TRANSLATE_NOOP("Toolbar", "Paste"), QT_TRANSLATE_NOOP("Toolbar", "Paste"),
     QT_TRANSLATE_NOOP("Toolbar", "Paste"), QT_TRANSLATE_NOOP("Toolbar", "Paste")},
    {"", 0, S, "", "", "", ""},
    {"Delete", 8, P, QT_TRANSLATE_NOOP("Toolbar", "Delete"), QT_TRANSLATE_NOOP("Toolbar", "Delete"),
     QT_TRANSLATE_NOOP("Toolbar", "Delete"), QT_TRANSLATE_NOOP("Toolbar", "Delete")},
    {"Properties", 9, P, QT_TRANSLATE_NOOP("Toolbar", "Properties"),
     QT_TRANSLATE_NOOP("Toolbar", "Properties"), QT_TRANSLATE_NOOP("Toolbar", "Properties"),
     QT_TRANSLATE_NOOP("Toolbar", "Properties")},
    {"", 0, S, "", "", "", ""},
    {"LargeIcon", 10, G, "LargeIcon", QT_TRANSLATE_NOOP("Toolbar", "Large Icons"), "LargeIcon",
     QT_TRANSLATE_NOOP("Toolbar", "Large Icons")},
    {"SmallIcon", 11, G, "SmallIcon", QT_TRANSLATE_NOOP("Toolbar", "Small Icons"), "SmallIcon",
     QT_TRANSLATE_NOOP("Toolbar", "Small Icons")},
    {"List", 12, G, QT_TRANSLATE_NOOP("Toolbar", "List"), QT_TRANSLATE_NOOP("Toolbar", "List"),
     QT_TRANSLATE_NOOP("Toolbar", "List"), QT_TRANSLATE_NOOP("Toolbar", "List")},
    {"Details", 13, G, QT_TRANSLATE_NOOP("Toolbar", "Details"),
     QT_TRANSLATE_NOOP("Toolbar", "Details"), QT_TRANSLATE_NOOP("Toolbar", "Details"),
     QT_TRANSLATE_NOOP("Toolbar", "Details")},
    {"", 0, S, "", "", "", ""},
    {"Print", 14, P, QT_TRANSLATE_NOOP("Toolbar", "Print"), QT_TRANSLATE_NOOP("Toolbar", "Print"),
     QT_TRANSLATE_NOOP("Toolbar", "Print"), QT_TRANSLATE_NOOP("Toolbar", "Print")},
};

std::vector<Toolbar::Button> buttonsFor(bool small, const QList<QIcon> &pictures)
{
    std::vector<Toolbar::Button> out;
    for (const ButtonRow &row : buttonTable) {
        Toolbar::Button b;
        b.key = QString::fromLatin1(row.key);
        b.style = row.style;
        if (row.picture > 0)
            b.picture = pictures.value(row.picture - 1);
        // A description that is the button's key stays as it is: the
        // customise dialog tells it by that (untranslated table words give
        // the same text back).
        b.description =
            QCoreApplication::translate("Toolbar", small ? row.description1 : row.description2);
        b.toolTip = QCoreApplication::translate("Toolbar", small ? row.toolTip1 : row.toolTip2);
        out.push_back(b);
    }
    if (small) // an empty button closes the small toolbar; it does nothing
        out.push_back(Toolbar::Button{});
    return out;
}

// Offered by the customise dialog only: no toolbar starts with them. Their
// pictures follow the design's fourteen.
std::vector<Toolbar::Button> navigationButtons(int size)
{
    const struct
    {
        const char *key, *words;
        int picture;
    } rows[] = {{"Back", QT_TRANSLATE_NOOP("tarnwick::frmExplore", "Back"), 15},
                {"Forward", QT_TRANSLATE_NOOP("tarnwick::frmExplore", "Forward"), 16},
                {"Home", QT_TRANSLATE_NOOP("tarnwick::frmExplore", "Home"), 17}};
    std::vector<Toolbar::Button> out;
    for (const auto &row : rows) {
        Toolbar::Button b;
        b.key = QString::fromLatin1(row.key);
        b.picture = picture(row.picture, size);
        b.description = b.toolTip = frmExplore::tr(row.words);
        out.push_back(b);
    }
    return out;
}

} // namespace

void frmExplore::buildToolbars()
{
    ImgLstToolbar1 = pictureList(16);
    ImageList1 = pictureList(32);
    Toolbar1->setButtonSize(buttonPixels(609, 582, scale_));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setDesignButtons(buttonsFor(true, ImgLstToolbar1));
    Toolbar2->setButtonSize(buttonPixels(1032, 1005, scale_));
    Toolbar2->setIconSize(QSize(32, 32));
    Toolbar2->setDesignButtons(buttonsFor(false, ImageList1));
    connect(Toolbar1.get(), &Toolbar::ButtonClick, this, &frmExplore::Toolbar1_ButtonClick);
    connect(Toolbar2.get(), &Toolbar::ButtonClick, this, &frmExplore::Toolbar2_ButtonClick);
    // A customised arrangement comes back at the next start.
    for (const auto &[toolbar, stored, side] :
         {std::tuple{Toolbar1.get(), Pref::Toolbar1Buttons, 16},
          std::tuple{Toolbar2.get(), Pref::Toolbar2Buttons, 32}}) {
        Toolbar *bar = toolbar;
        const Pref pref = stored;
        bar->setExtraButtons(navigationButtons(side));
        const QString text = prefs_.read(pref);
        if (text != QLatin1String(prefKey(pref).fallback))
            bar->setArrangementText(text);
        connect(bar, &Toolbar::arrangementChanged, this,
                [this, bar, pref] { prefs_.write(pref, bar->arrangementText()); });
    }
}

} // namespace tarnwick
