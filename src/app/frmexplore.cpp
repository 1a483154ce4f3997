#include "frmexplore.h"

#include "thumbnails.h"

#include "accessiblepopups.h"
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "fileoperationdialogs.h"
#include "launcher.h"
#include "panels.h"
#include "preferences.h"
#include "toolbar.h"
#include "usermessages.h"
#include "windowregistry.h"

#include <QCoreApplication>
#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeView>

namespace tarnwick {

frmExplore::frmExplore(WindowRegistry &windows, Preferences &prefs, FormServices services)
    : FormObject(QString::fromLatin1(Name)), CcXploreCombo1(&scale_), CcXploreListView1(&scale_),
      CcXploreTreeView1(&scale_), Text1(&scale_), rtfPrintWindow(&scale_), cboFilter(&scale_),
      txtStatus1(&scale_), picToolbar1(&scale_), CcXploreCombo12(&scale_), Toolbar1(&scale_),
      Toolbar2(&scale_), picSplitter(&scale_), StatusBar1(&scale_), txtStatus2(&scale_),
      windows_(windows), prefs_(prefs), services_(std::move(services))
{
    if (!services_.messages)
        services_.messages = &UserMessages::dialogs();
    if (!services_.launcher)
        services_.launcher = &Launcher::system();
    if (services_.programPath.isEmpty())
        services_.programPath = QCoreApplication::applicationFilePath();
}

frmExplore::~frmExplore()
{
    unload();
}

FormWindow *frmExplore::formWindow() const
{
    return static_cast<FormWindow *>(window());
}

float frmExplore::ScaleWidth() const
{
    const FormWindow *w = formWindow();
    return w ? scale_.toTwips(w->client()->width()) : 0;
}

float frmExplore::ScaleHeight() const
{
    const FormWindow *w = formWindow();
    return w ? scale_.toTwips(w->client()->height()) : 0;
}

QWidget *frmExplore::build()
{
    announcePopupMenus();
    auto *window = new FormWindow;
    window->setWindowTitle(QStringLiteral("Tarnwick"));
    window->setAccessibleName(QStringLiteral("Tarnwick"));
    scale_ = TwipsScale::forWidget(window);
    buildMenus(window);
    buildControls(window->client());
    buildToolbars();
    buildKeys(window);

    // Design place and size of the window: the client area is 9360 x 6420.
    const int menuHeight = window->menuBar()->sizeHint().height();
    window->move(scale_.toPixels(DesignLeft), scale_.toPixels(DesignTop));
    window->resize(scale_.toPixels(DesignScaleWidth),
                   scale_.toPixels(DesignScaleHeight) + menuHeight);

    connect(window, &FormWindow::clientResized, this, [this] {
        rememberSize();
        alignBars();
        Form_Resize();
    });
    connect(window, &FormWindow::restored, this, &frmExplore::Form_Resize);
    connect(window, &FormWindow::normalAgain, this, [this] {
        if (const std::optional<QSize> size = std::exchange(pendingNormal_, std::nullopt))
            setNormalOuterSize(*size);
    });
    connect(window, &FormWindow::closing, this, [this, window] {
        rememberSize();
        endAfterJobs(window, *services_.messages, [this] { windows_.endOrderly(); });
    });
    return window;
}

void frmExplore::buildControls(QWidget *client)
{
    // Design order; the first listed lies on top.
    auto *combo = new ExplorerCombo(client);
    CcXploreCombo1.attach(combo, {720, 360, 5535, 360});

    auto *list = new ExplorerListView(client);
    list->setMessages(services_.messages);
    list->setLauncher(services_.launcher);
    CcXploreListView1.attach(list, {2760, 1440, 5175, 5775});

    auto *tree = new ExplorerTreeView(client);
    tree->setMessages(services_.messages);
    tree->setLauncher(services_.launcher);
    CcXploreTreeView1.attach(tree, {0, 1440, 2655, 5775});

    Text1.attach(new CaptionBox(tr("Filter"), client), {6240, 360, 495, 360});

    auto *rtf = new QTextEdit(client);
    rtf->setAccessibleName(tr("Print staging"));
    rtfPrintWindow.attach(rtf, {8040, 5040, 2655, 1335});
    rtf->hide();

    auto *filter = new QComboBox(client);
    filter->setEditable(true);
    filter->setInsertPolicy(QComboBox::NoInsert);
    // The pattern is what was typed: an entry that begins with it must not
    // fill in the rest (typing "*.t" would filter on "*.txt").
    filter->setCompleter(nullptr);
    filter->addItems({QStringLiteral("*.*"), QStringLiteral("*.doc"), QStringLiteral("*.txt")});
    filter->setEditText(QStringLiteral("*.*"));
    filter->setAccessibleName(tr("Filter"));
    filter->lineEdit()->setAccessibleName(tr("Filter"));
    filter->lineEdit()->setAccessibleDescription(tr("Which files the list shows, as patterns"));
    cboFilter.attach(filter, {6960, 360, 975, 315});
    // The box is narrow; its list opens as wide as its longest entry, so a
    // custom filter such as "*.jpg;*.png" shows whole.
    const auto fitList = [filter] {
        QAbstractItemView *entries = filter->view();
        entries->setMinimumWidth(entries->sizeHintForColumn(0) + 2 * entries->frameWidth() +
                                 entries->verticalScrollBar()->sizeHint().width());
    };
    QAbstractItemModel *filters = filter->model();
    connect(filters, &QAbstractItemModel::rowsInserted, filter, fitList);
    connect(filters, &QAbstractItemModel::rowsRemoved, filter, fitList);
    connect(filters, &QAbstractItemModel::modelReset, filter, fitList);
    connect(filters, &QAbstractItemModel::dataChanged, filter, fitList);
    fitList();

    auto *addressCaption = new CaptionBox(tr("Address"), client);
    txtStatus1.attach(addressCaption, {15, 360, 2595, 360});
    // The design's 705 twips before the address box cut the caption in
    // today's fonts; the box moves right by as little as shows it whole,
    // and keeps its right edge.
    const QMargins margins = addressCaption->textMargins();
    const int captionPixels = addressCaption->fontMetrics().horizontalAdvance(tr("Address")) +
                              margins.left() + margins.right() + 6;
    addressShift_ = std::max(0.0f, 15 + scale_.toTwips(captionPixels) - 720);
    CcXploreCombo1.move(720 + addressShift_, 360, 5535 - addressShift_, 360);

    auto *strip = new QWidget(client);
    strip->setAccessibleName(tr("Toolbar strip"));
    picToolbar1.attach(strip, {0, 0, 9360, 375});

    auto *combo12 = new ExplorerCombo(strip);
    CcXploreCombo12.attach(combo12, {120, 0, 2415, 360});
    combo12->hide();

    auto *small = new Toolbar(strip);
    small->setAccessibleName(tr("Small toolbar"));
    Toolbar1.attach(small, {120, 0, 7575, 330});

    auto *large = new Toolbar(strip);
    large->setAccessibleName(tr("Large toolbar"));
    Toolbar2.attach(large, {120, -15, 9975, 570});
    large->hide();

    auto *splitter = new MousePanel(&scale_, client);
    splitter->setAccessibleName(tr("Splitter"));
    picSplitter.attach(splitter, {5520, 1440, 2415, 1440});
    splitter->onMouseDown(
        [this](auto b, auto s, float x, float y) { picSplitter_MouseDown(b, s, x, y); });
    splitter->onMouseMove(
        [this](auto b, auto s, float x, float y) { picSplitter_MouseMove(b, s, x, y); });
    splitter->onMouseUp(
        [this](auto b, auto s, float x, float y) { picSplitter_MouseUp(b, s, x, y); });

    StatusBar1.attach(new StatusBarPanel(client), {0, 6075, 9360, 345});

    txtStatus2.attach(new CaptionBox(tr("Filter"), client), {6240, 360, 690, 360});

    // Stacking: raise from the bottom of the design order up.
    const QList<QWidget *> bottomUp{
        txtStatus2.get(),        StatusBar1.get(),        picSplitter.get(),    picToolbar1.get(),
        txtStatus1.get(),        cboFilter.get(),         rtfPrintWindow.get(), Text1.get(),
        CcXploreTreeView1.get(), CcXploreListView1.get(), CcXploreCombo1.get()};
    for (QWidget *w : bottomUp)
        w->raise();

    // The strip is under 3 pixels wide; the grip over the panes' facing
    // edges makes it easy to take, and paints nothing, so the strip looks
    // as it is. It passes the mouse on in the panel's own coordinates.
    auto *grip = new MousePanel(&scale_, client);
    grip->setCursor(Qt::SplitHCursor);
    const auto inPanel = [this, grip](float x) {
        return x + scale_.toTwips(grip->x() - picSplitter->x());
    };
    grip->onMouseDown([this, inPanel](auto b, auto s, float x, float y) {
        picSplitter_MouseDown(b, s, inPanel(x), y);
    });
    grip->onMouseMove([this, inPanel](auto b, auto s, float x, float y) {
        picSplitter_MouseMove(b, s, inPanel(x), y);
    });
    grip->onMouseUp([this, inPanel](auto b, auto s, float x, float y) {
        picSplitter_MouseUp(b, s, inPanel(x), y);
    });
    grip->raise();
    splitterGrip_ = grip;

    connect(tree, &ExplorerTreeView::GotFocus, this, &frmExplore::CcXploreTreeView1_GotFocus);
    connect(list, &ExplorerListView::GotFocus, this, &frmExplore::CcXploreListView1_GotFocus);
    connect(tree, &ExplorerTreeView::FolderChanged, this,
            &frmExplore::CcXploreTreeView1_FolderChanged);
    connect(list, &ExplorerListView::Click, this, &frmExplore::CcXploreListView1_Click);
    connect(list, &ExplorerListView::FolderChanged, this,
            &frmExplore::CcXploreListView1_FolderChanged);
    connect(combo, &ExplorerCombo::FolderChanged, this, &frmExplore::CcXploreCombo1_FolderChanged);
    connect(filter, &QComboBox::editTextChanged, this, &frmExplore::cboFilter_Change);
    connect(filter, &QComboBox::activated, this, &frmExplore::cboFilter_Click);

    // Tab goes through the header row, then the panes, and round again.
    static_cast<FormWindow *>(client->window())->setTabCycle({combo, filter, tree, list});
}

void frmExplore::Form_Load()
{
    ExplorerTreeView *tree = CcXploreTreeView1.get();
    ExplorerListView *list = CcXploreListView1.get();

    // 1, 2: the tree drives the list and the address box from now on.
    tree->setLinkedListView(list);
    tree->setLinkedCombo(CcXploreCombo1.get());

    // The size of Large Icons and which files show pictures of their own.
    list->setLargeIconSide(prefs_.read(Pref::IconSize).toInt());
    connect(list, &ExplorerListView::largeIconSideChanged, this,
            [this](int side) { prefs_.write(Pref::IconSize, QString::number(side)); });
    ThumbnailPolicy pictures;
    pictures.onNetwork = prefs_.read(Pref::ThumbnailsOnNetwork) == QLatin1String("1");
    pictures.maxPictureBytes = prefs_.read(Pref::ThumbnailMaxMb).toLongLong() << 20;
    list->setThumbnailPolicy(pictures);

    // 3, 4: the view mode, and the marks that name it. The stored "button"
    // is only ever written beside "view"; the mode alone says which button
    // shows pressed, as the defaults of the two would disagree.
    list->setViewText(prefs_.read(Pref::View));
    markView();

    // 5: the custom filters, in key order, skipping empty ones.
    for (int i = 1; i <= CustomFilterCount; ++i) {
        const QString filter = prefs_.read(filterPref(i));
        if (!filter.isEmpty())
            cboFilter->addItem(filter);
    }

    // 6: which toolbar; anything but exactly "small" is the large one.
    if (prefs_.read(Pref::Toolbar) == QLatin1String("small")) {
        Toolbar2.setVisible(false);
        Toolbar1.setVisible(true);
        picToolbar1.setHeight(SmallStripHeight);
    } else {
        Toolbar1.setVisible(false);
        Toolbar2.setVisible(true);
        picToolbar1.setHeight(LargeStripHeight);
    }

    // 7, 8, 9: the list's switches.
    list->setHiddenText(prefs_.read(Pref::HiddenFiles));
    list->setAllowFileRenameText(prefs_.read(Pref::Rename));
    list->setSystemText(prefs_.read(Pref::SystemFiles));

    // A place asked for on the command line, for this loading only.
    if (const std::optional<StartPlace> start = std::exchange(start_, std::nullopt);
        start && tree->setCurrentFolder(start->folder))
        list->selectWhenListed(start->selected);
}

void frmExplore::alignBars()
{
    // The strip keeps to the top edge and the status bar to the bottom edge,
    // both as wide as the client area.
    const float width = ScaleWidth();
    picToolbar1.move(0, 0, width, picToolbar1.Height());
    StatusBar1.move(0, ScaleHeight() - StatusBar1.Height(), width, StatusBar1.Height());
}

void frmExplore::released()
{
    CcXploreCombo1.detach();
    CcXploreListView1.detach();
    CcXploreTreeView1.detach();
    Text1.detach();
    rtfPrintWindow.detach();
    cboFilter.detach();
    txtStatus1.detach();
    picToolbar1.detach();
    CcXploreCombo12.detach();
    Toolbar1.detach();
    Toolbar2.detach();
    picSplitter.detach();
    StatusBar1.detach();
    txtStatus2.detach();
    splitterDragging = false;
    activePane = Pane::None;
}

void frmExplore::mnuFileClose_Click()
{
    windows_.endNow();
}

} // namespace tarnwick
