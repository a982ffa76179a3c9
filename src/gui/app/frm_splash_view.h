#pragma once

#include "app/frm_splash.h"
#include "app/window_view.h"

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
