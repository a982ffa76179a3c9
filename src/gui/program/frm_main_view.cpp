#include "program/frm_main_view.h"

#include "app/qt_desktop.h"
#include "app/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace korvex::gui {

namespace {

// Line-drawn theme icons keep their black lines when disabled; fade them so a disabled toolbar
// button looks disabled.
QIcon withFadedDisabledState(const QIcon& icon) {
    const QPixmap normal = icon.pixmap(24, 24);
    QPixmap faded(normal.size());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.3);
    painter.drawPixmap(0, 0, normal);
    painter.end();
    QIcon result;
    result.addPixmap(normal, QIcon::Normal);
    result.addPixmap(faded, QIcon::Disabled);
    return result;
}

} // namespace

FrmMainView::FrmMainView(frmMain& model, GuiHost& host) : WindowView(model, host), form_(model) {
    setObjectName("frmMain");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);

    QMenu* file = menuBar_->addMenu("&File   ");
    file->setObjectName("mnuFile");
    addItem(file, "mnuFileOpen", "&Open...", [this] { form_.mnuFileOpen_Click(); });
    file->addSeparator();
    addItem(file, "mnuFileSave", "&Save", [this] { form_.mnuFileSave_Click(); });
    file->addSeparator();
    addItem(file, "mnulistfile", "&List file", [this] { form_.mnulistfile_Click(); });
    file->addSeparator();
    addItem(file, "mnuFilePrint", "&Print...", [this] { form_.mnuFilePrint_Click(); });
    file->addSeparator();
    file->addSeparator();
    addItem(file, "mnuFileExit", "E&xit", [this] { form_.mnuFileExit_Click(); });

    QMenu* view = menuBar_->addMenu("&View         ");
    view->setObjectName("mnuView");
    QAction* toolbarItem =
        addItem(view, "mnuViewToolbar", "&Toolbar", [this] { form_.mnuViewToolbar_Click(); });
    toolbarItem->setCheckable(true);
    QAction* statusItem = addItem(view, "mnuViewStatusBar", "Status &Bar",
                                  [this] { form_.mnuViewStatusBar_Click(); });
    statusItem->setCheckable(true);
    view->addSeparator();

    settlementMenu_ = menuBar_->addMenu("Settlement (Undrained Soft Soil Creep model)   ");
    settlementMenu_->setObjectName("mnuInputSett");
    // Opening the menu is the item's own click: it clears the method, so choosing one always
    // reopens the input window afresh.
    connect(settlementMenu_, &QMenu::aboutToShow, this,
            [this] { handle([this] { form_.mnuInputSett_Click(); }); });
    addItem(settlementMenu_, "MnuBjerrum", "Terzaghi-&Bjerrum (Anglo-American method)",
            [this] { form_.MnuBjerrum_Click(); });
    addItem(settlementMenu_, "MnuKoppejan", "Terzaghi-&Koppejan (Dutch method)",
            [this] { form_.MnuKoppejan_Click(); });

    addItem(nullptr, "MnuInputConsol", "Consolidation  (Terzaghi/Barron model)",
            [this] { form_.MnuInputConsol_Click(); });
    addItem(nullptr, "MnuObservation", "Observations      ",
            [this] { form_.MnuObservation_Click(); });

    QMenu* help = menuBar_->addMenu("&Help");
    help->setObjectName("mnuHelp");
    addItem(help, "mnuHelpContents", "&Contents", [this] { form_.mnuHelpContents_Click(); });
    addItem(help, "mnuHelpSearchForHelpOn", "&Search For Help On...",
            [this] { form_.mnuHelpSearchForHelpOn_Click(); });
    help->addSeparator();
    addItem(help, "mnuHelpAbout", "&About ", [this] { form_.mnuHelpAbout_Click(); });

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("tbToolBar");
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"New", QStyle::SP_FileDialogDetailedView},
        {"Open", QStyle::SP_DialogOpenButton},
        {"Save", QStyle::SP_DialogSaveButton},
        {"Print", QStyle::SP_FileDialogContentsView},
    };
    for (const auto& [key, icon] : buttons) {
        QAction* button =
            toolBar_->addAction(withFadedDisabledState(style()->standardIcon(icon)), key);
        button->setToolTip(key);
        std::string keyText = key;
        connect(button, &QAction::triggered, this, [this, keyText] {
            handle([this, keyText] { form_.tbToolBar_ButtonClick(keyText); });
        });
        actions_[std::string("tb:") + key] = button;
    }
    layout->addWidget(toolBar_);

    auto* workspace = new QWidget(this);
    workspace->setObjectName("workspace");
    workspace->setBackgroundRole(QPalette::Dark);
    workspace->setAutoFillBackground(true);
    layout->addWidget(workspace, 1);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("sbStatusBar");
    statusBar_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(this);
    datePanel_ = new QLabel(this);
    timePanel_ = new QLabel(this);
    statusBar_->addWidget(statusPanel_, 1);
    statusBar_->addPermanentWidget(datePanel_);
    statusBar_->addPermanentWidget(timePanel_);
    layout->addWidget(statusBar_);

    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &FrmMainView::updateClock);
    clock_->start(1000);
    updateClock();

    // The menu captions are long: never let the window hide them behind an overflow button.
    setMinimumWidth(menuBar_->sizeHint().width() + 8);
    applyStoredGeometry();
}

QAction* FrmMainView::addItem(QMenu* menu, const std::string& name, const char* caption,
                              std::function<void()> handler) {
    QAction* item = menu ? menu->addAction(caption) : menuBar_->addAction(caption);
    item->setObjectName(qs(name));
    connect(item, &QAction::triggered, this,
            [this, handler = std::move(handler)] { handle(handler); });
    actions_[name] = item;
    return item;
}

QAction* FrmMainView::action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void FrmMainView::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    for (auto& [name, item] : actions_) {
        const std::string itemName = name.rfind("tb:", 0) == 0 ? name.substr(3) : name;
        item->setEnabled(form_.isEnabled(itemName));
    }
    action("mnuViewToolbar")->setChecked(form_.mnuViewToolbarChecked);
    action("mnuViewStatusBar")->setChecked(form_.mnuViewStatusBarChecked);
    toolBar_->setVisible(form_.tbToolBarVisible);
    statusBar_->setVisible(form_.sbStatusBarVisible);
    statusPanel_->setText(qs(form_.StatusText));
}

void FrmMainView::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    datePanel_->setText(now.date().toString("dd-MM-yyyy"));
    timePanel_->setText(now.time().toString("HH:mm"));
}

void FrmMainView::applyStoredGeometry() {
    QRect wanted(twipsToPixels(form_.Left, this), twipsToPixels(form_.Top, this),
                 std::max(200, twipsToPixels(form_.Width, this)),
                 std::max(150, twipsToPixels(form_.Height, this)));
    // A geometry stored on a screen that is no longer there is moved back onto the primary one.
    bool visible = false;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(wanted.adjusted(0, 0, -40, -40))) {
            visible = true;
        }
    }
    if (!visible && QGuiApplication::primaryScreen()) {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        wanted.moveTopLeft(area.topLeft() + QPoint(40, 40));
    }
    move(wanted.topLeft());
    resize(wanted.size());
    geometryApplied_ = true;
    storeGeometry();
}

void FrmMainView::storeGeometry() {
    if (!geometryApplied_ || released()) {
        return;
    }
    if (isMinimized()) {
        form_.State = frmMain::WindowState::Minimized;
        return;
    }
    form_.State = isMaximized() ? frmMain::WindowState::Maximized : frmMain::WindowState::Normal;
    if (isMaximized()) {
        return;
    }
    form_.Left = static_cast<float>(pixelsToTwips(pos().x(), this));
    form_.Top = static_cast<float>(pixelsToTwips(pos().y(), this));
    form_.Width = static_cast<float>(pixelsToTwips(width(), this));
    form_.Height = static_cast<float>(pixelsToTwips(height(), this));
}

void FrmMainView::moveEvent(QMoveEvent* event) {
    WindowView::moveEvent(event);
    storeGeometry();
}

void FrmMainView::resizeEvent(QResizeEvent* event) {
    WindowView::resizeEvent(event);
    storeGeometry();
}

void FrmMainView::changeEvent(QEvent* event) {
    WindowView::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        storeGeometry();
    }
}

void FrmMainView::closeEvent(QCloseEvent* event) {
    storeGeometry();
    WindowView::closeEvent(event);
}

} // namespace korvex::gui
