#include "frmabout.h"

#include "launcher.h"
#include "panels.h"
#include "plaintext.h"
#include "registry.h"
#include "usermessages.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QUrl>

static void initApplicationIconResource()
{
    Q_INIT_RESOURCE(appicon);
}

namespace tarnwick {

namespace {

// Colours as the form keeps them, blue-green-red.
QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

QLabel *label(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAccessibleName(text);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A font by family with what matters when the family is missing: the
// weight and the kind of face the substitute should have.
QFont designFont(const QString &family, int points, QFont::Weight weight, QFont::StyleHint hint)
{
    QFont font(family);
    font.setPointSize(points);
    font.setWeight(weight);
    font.setStyleHint(hint);
    return font;
}

void setColour(QLabel *l, const QColor &colour)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
}

const QString MsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString MsInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

} // namespace

QIcon applicationIcon()
{
    static const bool loaded = [] {
        initApplicationIconResource();
        return true;
    }();
    Q_UNUSED(loaded);
    return QIcon(QStringLiteral(":/icons/tarnwick.svg"));
}

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent, FixedDialogFlags)
{
    setMouseTracking(true);
}

void AboutWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that does not track the mouse reach the box too;
    // only its own surface counts.
    if (!childAt(event->position().toPoint()))
        emit surfaceMouseMove();
    QDialog::mouseMoveEvent(event);
}

void AboutWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white one just below it.
    const float perPixel = TwipsScale::forWidget(this).twipsPerPixel();
    const auto px = [perPixel](float twips) { return qreal(twips / perPixel); };
    QPainter p(this);
    p.setPen(QPen(fromBgr(0x808080), 1));
    p.drawLine(QPointF(px(90), px(2445)), QPointF(px(6000), px(2445)));
    p.setPen(QPen(fromBgr(0xffffff), 1));
    p.drawLine(QPointF(px(105), px(2460)), QPointF(px(6000), px(2460)));
}

frmAbout::frmAbout(Services services)
    : FormObject(QString::fromLatin1(Name)), lblTitle(&scale_), lblVersion(&scale_),
      txtHomePage(&scale_), Image1(&scale_), Label1(&scale_), Label2(&scale_), cmdOK(&scale_),
      cmdSysInfo(&scale_), services_(std::move(services))
{
    if (!services_.messages)
        services_.messages = &UserMessages::dialogs();
    if (!services_.launcher)
        services_.launcher = &Launcher::system();
}

frmAbout::~frmAbout()
{
    unload();
}

AboutWindow *frmAbout::dialog() const
{
    return static_cast<AboutWindow *>(window());
}

QString frmAbout::homePage() const
{
    if (!services_.homePage.isEmpty())
        return services_.homePage;
    if (*version::HomePage)
        return QString::fromUtf8(version::HomePage);
    // The page installed with the program, beside its executable's tree.
    const QString page = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../share/tarnwick/homepage/index.html"));
    return QUrl::fromLocalFile(page).toString();
}

QWidget *frmAbout::build()
{
    auto *d = new AboutWindow;
    scale_ = TwipsScale::forWidget(d);
    const QSize client(scale_.toPixels(DesignScaleWidth), scale_.toPixels(DesignScaleHeight));
    d->setFixedSize(client);
    centreOnScreen(d);

    // Made first, so they lie behind everything else.
    auto *deco2 = label(QStringLiteral("»"), d);
    deco2->setFont(
        designFont(QStringLiteral("Tempus Sans ITC"), 72, QFont::Bold, QFont::Decorative));
    setColour(deco2, fromBgr(0x0000ff));
    deco2->setAccessibleName(QString());
    Label2.attach(deco2, {1080, 75, 1335, 1980});

    auto *deco1 = label(QStringLiteral("⇆"), d);
    deco1->setFont(designFont(QStringLiteral("Arial Black"), 36, QFont::Black, QFont::SansSerif));
    setColour(deco1, fromBgr(0x800000));
    deco1->setAlignment(Qt::AlignCenter);
    deco1->setAccessibleName(QString());
    Label1.attach(deco1, {3960, 720, 2205, 825});

    auto *title = label(QStringLiteral("Tarnwick"), d);
    title->setFont(designFont(QStringLiteral("Arial Black"), 36, QFont::Black, QFont::SansSerif));
    setColour(title, fromBgr(0x800000));
    lblTitle.attach(title, {1080, 0, 4845, 1200});

    lblVersion.attach(label(tr("Version"), d), {1080, 1560, 3885, 225});

    auto *link = label(QString(), d);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    txtHomePage.attach(link, {120, 2880, 1815, 345});

    auto *icon = new QLabel(d);
    icon->setAccessibleName(tr("Tarnwick icon"));
    Image1.attach(icon, {240, 360, 480, 480});
    icon->setPixmap(applicationIcon().pixmap(icon->size()));

    auto *ok = new QPushButton(tr("OK"), d);
    ok->setDefault(true);
    ok->setAccessibleName(tr("OK"));
    cmdOK.attach(ok, {4680, 2625, 1260, 345});
    auto *sysInfo = new QPushButton(tr("&System Info..."), d);
    sysInfo->setAutoDefault(false);
    sysInfo->setAccessibleName(tr("System Info..."));
    cmdSysInfo.attach(sysInfo, {2760, 3075, 1245, 345});

    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(d, &AboutWindow::surfaceMouseMove, this, &frmAbout::Form_MouseMove);
    return d;
}

void frmAbout::Form_Load()
{
    dialog()->setWindowTitle(tr("About %1").arg(QString::fromLatin1(version::Title)));
    dialog()->setAccessibleName(dialog()->windowTitle());
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(version::Major).arg(version::Minor).arg(version::Revision));
    lblVersion->setAccessibleName(lblVersion->text());

    // The address in full where it fits, else cut in the middle; the whole
    // of it in the tool tip.
    const QString address = homePage();
    QLabel *link = txtHomePage.get();
    link->setText(link->fontMetrics().elidedText(address, Qt::ElideMiddle, link->width()));
    link->setToolTip(plainToolTip(address));
    link->setAccessibleName(tr("Home page"));
    link->setAccessibleDescription(address);
    setLinkColour(LinkRest);
}

void frmAbout::released()
{
    for (Control<QLabel> *c : {&lblTitle, &lblVersion, &txtHomePage, &Image1, &Label1, &Label2})
        c->detach();
    cmdOK.detach();
    cmdSysInfo.detach();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtHomePage.get()) {
        if (event->type() == QEvent::MouseMove)
            txtHomePage_MouseMove();
        else if (event->type() == QEvent::MouseButtonRelease)
            txtHomePage_MouseUp();
    }
    return FormObject::eventFilter(watched, event);
}

void frmAbout::setLinkColour(QRgb colour)
{
    if (QLabel *link = txtHomePage.get())
        setColour(link, QColor::fromRgb(colour));
}

void frmAbout::txtHomePage_MouseMove()
{
    setLinkColour(LinkHover);
}

void frmAbout::Form_MouseMove()
{
    setLinkColour(LinkRest);
}

// Any button, released over the link: the page opens in the desktop's
// browser, which stays open after the box has closed.
void frmAbout::txtHomePage_MouseUp()
{
    const QString address = homePage();
    if (!services_.launcher->openUrl(QUrl::fromUserInput(address)))
        services_.messages->error(window(),
                                  tr("The home page could not be opened: %1").arg(address));
}

void frmAbout::cmdOK_Click()
{
    if (QWidget *w = window())
        w->close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const Registry machine;
    const Registry &registry = services_.registry ? *services_.registry : machine;
    QString path;
    QString keyValue;
    if (GetKeyValue(registry, Registry::LocalMachine, MsInfoKey, QStringLiteral("PATH"),
                    keyValue)) {
        // Found; whether it is there is the start's business.
        path = keyValue;
    } else if (GetKeyValue(registry, Registry::LocalMachine, MsInfoLocationKey,
                           QStringLiteral("MSINFO"), keyValue)) {
        const QString inFolder = keyValue + QStringLiteral("/MSINFO32.EXE");
        if (QFileInfo(inFolder).isFile())
            path = inFolder;
    }
    // Started on its own, by its path, never through a shell; the box stays.
    if (path.isEmpty() || !services_.launcher->startDetached(path, {}))
        services_.messages->notice(window(), tr("System Information Is Unavailable At This Time"));
}

} // namespace tarnwick
