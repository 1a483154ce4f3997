#include "frmoptions.h"

#include "explorerlistview.h"
#include "frmexplore.h"
#include "panels.h"
#include "windowregistry.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

namespace tarnwick {

namespace {

constexpr float SmallStripHeight = frmExplore::SmallStripHeight;
constexpr float LargeStripHeight = frmExplore::LargeStripHeight;

// Where each panel waits until its tab brings it onto the display area:
// beside or below the visible client area.
constexpr TwipsRect PanelDesign[3] = {
    {5040, 3840, 4455, 3015}, // General
    {240, 4125, 4455, 3015},  // Filters
    {5040, 600, 4455, 3015},  // Files
};

const char *const PanelNames[3] = {QT_TRANSLATE_NOOP("tarnwick::frmOptions", "General"),
                                   QT_TRANSLATE_NOOP("tarnwick::frmOptions", "Filters"),
                                   QT_TRANSLATE_NOOP("tarnwick::frmOptions", "Files")};

// The state a stored switch brings its box up in. Only "0" and "1" are values
// the program writes; anything else shows cleared, so that merely opening the
// dialog writes nothing over it.
Qt::CheckState switchState(const QString &stored)
{
    return stored == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
}

QCheckBox *checkBox(const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return box;
}

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    // Neither Enter nor Escape presses a button here: none is the default,
    // not even the one with the focus.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

OptionsWindow::OptionsWindow(QWidget *parent) : QDialog(parent, FixedDialogFlags) {}

void OptionsWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

frmOptions::frmOptions(WindowRegistry &windows, Preferences &prefs)
    : FormObject(QString::fromLatin1(Name)),
      TabStrip1(&scale_), picTab{Control<QWidget>(&scale_), Control<QWidget>(&scale_),
                                 Control<QWidget>(&scale_)},
      Command1(&scale_), cmdCancel(&scale_), chkToolBar(&scale_), chkToolBar2(&scale_),
      chkStatusBar(&scale_), cmdCustomize(&scale_), Label1(&scale_),
      txtFilter(controlArray<QLineEdit, FilterCount>(&scale_)), chkAllowRename(&scale_),
      chkShowHidden(&scale_), chkShowSystem(&scale_), windows_(windows), prefs_(prefs)
{
}

frmOptions::~frmOptions()
{
    unload();
}

OptionsWindow *frmOptions::dialog() const
{
    return static_cast<OptionsWindow *>(window());
}

frmExplore *frmOptions::mainWindow() const
{
    auto *main =
        static_cast<frmExplore *>(windows_.existing(QString::fromLatin1(frmExplore::Name)));
    return main && main->isLoaded() ? main : nullptr;
}

TwipsRect frmOptions::filterRect(int index)
{
    const int row = index % 6;
    return {index < 6 ? 480.0f : 2520.0f, 600.0f + 360.0f * float(row), 1335, 285};
}

QWidget *frmOptions::build()
{
    auto *d = new OptionsWindow;
    d->setWindowTitle(tr("Options"));
    d->setAccessibleName(tr("Options"));
    scale_ = TwipsScale::forWidget(d);

    // The client area, placed by its own top left corner.
    const QSize client(scale_.toPixels(DesignScaleWidth), scale_.toPixels(DesignScaleHeight));
    d->setFixedSize(client);
    d->setGeometry(QRect(QPoint(scale_.toPixels(DesignLeft), scale_.toPixels(DesignTop)), client));

    // Made first, so the panels lie above it.
    auto *tabs = new TabStrip(d);
    tabs->setAccessibleName(tr("Options pages"));
    tabs->addTab(tr("&General"));
    tabs->addTab(tr("&Filters"));
    tabs->addTab(tr("&Files"));
    TabStrip1.attach(tabs, {120, 120, 4575, 3375});

    for (int i = 0; i < 3; ++i) {
        auto *panel = new TabPage(d);
        panel->setStrip(tabs);
        panel->setObjectName(QStringLiteral("picTab%1").arg(i));
        panel->setAccessibleName(tr(PanelNames[i]));
        // Out of reach until its tab brings it to the front.
        panel->setEnabled(false);
        picTab[size_t(i)].attach(panel, PanelDesign[i]);
    }

    Command1.attach(button(tr("&OK"), d), {2400, 3600, 1110, 315});
    cmdCancel.attach(button(tr("&Cancel"), d), {3600, 3600, 1110, 315});

    QWidget *general = picTab[0].get();
    chkToolBar.attach(checkBox(tr("&Display Small Tool Bar"), general), {360, 240, 2175, 255});
    chkToolBar2.attach(checkBox(tr("&Display Large Tool Bar"), general), {360, 600, 2220, 255});
    chkStatusBar.attach(checkBox(tr("&Display Status Bar"), general), {360, 960, 1815, 255});
    cmdCustomize.attach(button(tr("&Customize"), general), {2760, 2520, 1455, 375});

    QWidget *filters = picTab[1].get();
    auto *label = new QLabel(tr("Custom Filters"), filters);
    label->setAccessibleName(label->text());
    Label1.attach(label, {600, 120, 2895, 375});
    for (int i = 0; i < FilterCount; ++i) {
        auto *box = new QLineEdit(filters);
        box->setAccessibleName(tr("Custom filter %1").arg(i + 1));
        txtFilter[size_t(i)].attach(box, filterRect(i));
    }

    QWidget *files = picTab[2].get();
    chkAllowRename.attach(checkBox(tr("Allow Files to be Renamed"), files), {360, 240, 2775, 255});
    chkShowHidden.attach(checkBox(tr("Show Hidden Files"), files), {360, 600, 2295, 375});
    chkShowSystem.attach(checkBox(tr("Show System Files"), files), {360, 1080, 2655, 255});

    // The design's widths cut captions short in today's fonts: a box is
    // widened to its caption, never past its page.
    for (Control<QCheckBox> *box : {&chkToolBar, &chkToolBar2, &chkStatusBar, &chkAllowRename,
                                    &chkShowHidden, &chkShowSystem}) {
        const float needed = scale_.toTwips((*box)->sizeHint().width());
        const float room = PanelDesign[0].width - box->Left();
        if (needed > box->Width())
            box->setWidth(std::min(needed, room));
    }

    // Tab goes from the tabs through the page in front, then to the buttons;
    // the pages behind are disabled and so passed over.
    QList<QWidget *> order{tabs->tabBar(), chkToolBar.get(), chkToolBar2.get(), chkStatusBar.get(),
                           cmdCustomize.get()};
    for (const auto &box : txtFilter)
        order << box.get();
    order << chkAllowRename.get() << chkShowHidden.get() << chkShowSystem.get() << Command1.get()
          << cmdCancel.get();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(tabs, &TabStrip::Click, this, [this](int index) { TabStrip1_Click(index + 1); });
    const auto onChange = [this](Control<QCheckBox> &box, void (frmOptions::*handler)()) {
        connect(box.get(), &QCheckBox::stateChanged, this, handler);
    };
    onChange(chkToolBar, &frmOptions::chkToolBar_Click);
    onChange(chkToolBar2, &frmOptions::chkToolBar2_Click);
    onChange(chkStatusBar, &frmOptions::chkStatusBar_Click);
    onChange(chkAllowRename, &frmOptions::chkAllowRename_Click);
    onChange(chkShowHidden, &frmOptions::chkShowHidden_Click);
    onChange(chkShowSystem, &frmOptions::chkShowSystem_Click);
    connect(cmdCustomize.get(), &QPushButton::clicked, this, &frmOptions::cmdCustomize_Click);
    connect(cmdCancel.get(), &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(Command1.get(), &QPushButton::clicked, this, &frmOptions::Command1_Click);
    return d;
}

void frmOptions::released()
{
    TabStrip1.detach();
    for (auto &panel : picTab)
        panel.detach();
    Command1.detach();
    cmdCancel.detach();
    chkToolBar.detach();
    chkToolBar2.detach();
    chkStatusBar.detach();
    cmdCustomize.detach();
    Label1.detach();
    for (auto &box : txtFilter)
        box.detach();
    chkAllowRename.detach();
    chkShowHidden.detach();
    chkShowSystem.detach();
    front_ = -1;
}

void frmOptions::Form_Load()
{
    // 1: the General page in front.
    bringToFront(0);

    // 2, 3, 4: the bars as the main window has them. Checking a box runs its
    // handler, which applies and stores again what is already so.
    if (frmExplore *main = mainWindow()) {
        if (main->Toolbar1.Visible())
            chkToolBar->setCheckState(Qt::Checked);
        if (main->Toolbar2.Visible())
            chkToolBar2->setCheckState(Qt::Checked);
        if (main->StatusBar1.Visible())
            chkStatusBar->setCheckState(Qt::Checked);
    }

    // 5: the custom filters.
    fillFilters();

    // 6: the file list's switches.
    setSwitch(chkShowHidden, Pref::HiddenFiles);
    setSwitch(chkAllowRename, Pref::Rename);
    setSwitch(chkShowSystem, Pref::SystemFiles);

    // 7: the main window takes the stored size.
    if (frmExplore *main = mainWindow()) {
        main->setHeight(prefs_.read(Pref::Height).trimmed().toFloat());
        main->setWidth(prefs_.read(Pref::Width).trimmed().toFloat());
    }
}

void frmOptions::setSwitch(Control<QCheckBox> &box, Pref pref)
{
    box->setCheckState(switchState(prefs_.readStored(pref)));
}

void frmOptions::bringToFront(int index)
{
    QWidget *panel = picTab[size_t(index)].get();
    panel->raise();
    const QRect area = TabStrip1->displayArea();
    picTab[size_t(index)].setLeft(TabStrip1.Left() + scale_.toTwips(area.left()));
    picTab[size_t(index)].setTop(TabStrip1.Top() + scale_.toTwips(area.top()));
    // The pages behind stay where they are, out of the focus chain and
    // deaf to their Alt keys.
    for (size_t i = 0; i < picTab.size(); ++i)
        picTab[i]->setEnabled(int(i) == index);
    front_ = index;
}

void frmOptions::TabStrip1_Click(int tab)
{
    if (tab >= 1 && tab <= int(picTab.size()))
        bringToFront(tab - 1);
}

void frmOptions::chkToolBar_Click()
{
    toolbarBoxChanged(chkToolBar, chkToolBar2, Small);
}

void frmOptions::chkToolBar2_Click()
{
    toolbarBoxChanged(chkToolBar2, chkToolBar, Large);
}

// The two toolbar boxes mirror each other. Checking one clears the other and
// shows its own toolbar in a strip of its height, laid out and stored;
// clearing it hides its toolbar and nothing more.
void frmOptions::toolbarBoxChanged(Control<QCheckBox> &box, Control<QCheckBox> &other,
                                   ToolbarChoice choice)
{
    frmExplore *main = mainWindow();
    if (!main)
        return;
    Control<Toolbar> &own = choice == Small ? main->Toolbar1 : main->Toolbar2;
    Control<Toolbar> &theOther = choice == Small ? main->Toolbar2 : main->Toolbar1;
    if (box->checkState() != Qt::Checked) {
        own.setVisible(false);
        return;
    }
    theOther.setVisible(false);
    other->setCheckState(Qt::Unchecked);
    own.setVisible(true);
    cmdCustomize->setEnabled(true);
    main->picToolbar1.setHeight(choice == Small ? SmallStripHeight : LargeStripHeight);
    main->SizeControls();
    prefs_.write(Pref::Toolbar,
                 choice == Small ? QStringLiteral("small") : QStringLiteral("large"));
}

// The View menu keeps its own check mark, and the bar's state is not stored.
void frmOptions::chkStatusBar_Click()
{
    frmExplore *main = mainWindow();
    if (!main)
        return;
    main->StatusBar1.setVisible(chkStatusBar->checkState() == Qt::Checked);
    main->SizeControls();
}

bool frmOptions::storeSwitch(Control<QCheckBox> &box, Pref pref)
{
    const bool on = box->checkState() == Qt::Checked;
    prefs_.write(pref, on ? QStringLiteral("1") : QStringLiteral("0"));
    return on;
}

void frmOptions::chkAllowRename_Click()
{
    const bool on = storeSwitch(chkAllowRename, Pref::Rename);
    if (frmExplore *main = mainWindow())
        main->CcXploreListView1->setAllowFileRename(on);
}

void frmOptions::chkShowHidden_Click()
{
    const bool on = storeSwitch(chkShowHidden, Pref::HiddenFiles);
    if (frmExplore *main = mainWindow())
        main->CcXploreListView1->setShowHidden(on);
}

void frmOptions::chkShowSystem_Click()
{
    const bool on = storeSwitch(chkShowSystem, Pref::SystemFiles);
    if (frmExplore *main = mainWindow())
        main->CcXploreListView1->setSystem(on);
}

// Chooses by what shows, unlike Tools > Customize Toolbar, which always
// arranges the small toolbar.
void frmOptions::cmdCustomize_Click()
{
    if (frmExplore *main = mainWindow(); main && main->Toolbar1.Visible())
        main->Toolbar1->customize();
    // The program may have been ended while that dialog was open.
    if (frmExplore *main = mainWindow(); main && main->Toolbar2.Visible())
        main->Toolbar2->customize();
}

// Every box has acted already; only the filter edits are dropped.
void frmOptions::cmdCancel_Click()
{
    if (QWidget *w = window())
        w->close();
}

void frmOptions::teardown()
{
    frmExplore &main = windows_.get<frmExplore>(QString::fromLatin1(frmExplore::Name));
    prefs_.write(Pref::Height, QString::number(main.Height(), 'g', 7));
    prefs_.write(Pref::Width, QString::number(main.Width(), 'g', 7));
}

} // namespace tarnwick
