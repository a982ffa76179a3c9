#pragma once

#include "app/window_view.h"
#include "program/frm_main.h"

#include <functional>
#include <map>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QToolBar;

namespace korvex::gui {

class FrmMainView : public WindowView {
    Q_OBJECT
public:
    FrmMainView(frmMain& model, GuiHost& host);
    void refreshFromModel() override;

    // The action of a menu item or toolbar button by its program name ("MnuBjerrum", "tb:New").
    QAction* action(const std::string& name) const;
    QMenu* settlementMenu() const { return settlementMenu_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const std::string& name, const char* caption,
                     std::function<void()> handler);
    void applyStoredGeometry();
    void storeGeometry();
    void updateClock();

    frmMain& form_;
    QMenuBar* menuBar_;
    QToolBar* toolBar_;
    QStatusBar* statusBar_;
    QMenu* settlementMenu_ = nullptr;
    QLabel* statusPanel_;
    QLabel* datePanel_;
    QLabel* timePanel_;
    QTimer* clock_;
    std::map<std::string, QAction*> actions_;
    bool geometryApplied_ = false;
};

} // namespace korvex::gui
