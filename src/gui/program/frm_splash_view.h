#pragma once

#include "app/window_view.h"
#include "program/frm_splash.h"

namespace korvex::gui {

class FrmSplashView : public WindowView {
    Q_OBJECT
public:
    FrmSplashView(frmSplash& model, GuiHost& host);
    void refreshFromModel() override {}

private:
    frmSplash& form_;
};

} // namespace korvex::gui
