#pragma once

#include "app/frm_about.h"
#include "app/window_view.h"

class QLabel;

namespace korvex::gui {

class FrmAboutView : public WindowView {
    Q_OBJECT
public:
    FrmAboutView(frmAbout& model, GuiHost& host);
    void refreshFromModel() override;

private:
    frmAbout& form_;
    QLabel* title_;
};

} // namespace korvex::gui
