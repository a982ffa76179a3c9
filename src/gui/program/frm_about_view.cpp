#include "program/frm_about_view.h"

#include "app/qt_desktop.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korvex::gui {

FrmAboutView::FrmAboutView(frmAbout& model, GuiHost& host) : WindowView(model, host), form_(model) {
    setObjectName("frmAbout");
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    title_ = new QLabel(this);
    title_->setObjectName("lblTitle");
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title_->setFont(big);
    auto* version = new QLabel(qs(form_.lblVersion), this);
    version->setObjectName("lblVersion");
    auto* titles = new QVBoxLayout;
    titles->addWidget(title_);
    titles->addWidget(version);
    head->addWidget(icon);
    head->addLayout(titles, 1);
    layout->addLayout(head);

    auto* description = new QLabel(qs(form_.lblDescription), this);
    description->setObjectName("lblDescription");
    description->setWordWrap(true);
    layout->addWidget(description);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    auto* disclaimer = new QLabel(qs(form_.lblDisclaimer), this);
    disclaimer->setObjectName("lblDisclaimer");
    disclaimer->setWordWrap(true);
    layout->addWidget(disclaimer);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = makeButton(form_.cmdOK, form_, &frmAbout::cmdOK_Click);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    QPushButton* sysInfo = makeButton(form_.cmdSysInfo, form_, &frmAbout::cmdSysInfo_Click);
    sysInfo->setObjectName("cmdSysInfo");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    layout->addLayout(buttons);
    setFixedWidth(480);
}

void FrmAboutView::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    title_->setText(qs(form_.lblTitle));
}

} // namespace korvex::gui
