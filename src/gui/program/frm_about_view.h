#pragma once

#include "app/window_view.h"
#include "program/frm_about.h"

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
