#include "program/frm_splash_view.h"

#include "app/qt_desktop.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

FrmSplashView::FrmSplashView(frmSplash& model, GuiHost& host)
    : WindowView(model, host), form_(model) {
    setObjectName("frmSplash");
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setObjectName("fraMainFrame");
    frame->setFrameShape(QFrame::Box);
    auto* layout = new QVBoxLayout(frame);

    auto* product = new QLabel(qs(form_.lblProductName), frame);
    product->setObjectName("lblProductName");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2.6);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel(qs(form_.lblSubtitle), frame);
    QFont medium = subtitle->font();
    medium.setPointSizeF(medium.pointSizeF() * 1.4);
    subtitle->setFont(medium);
    subtitle->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(qs(form_.lblVersion), frame);
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignCenter);
    auto* legal = new QLabel(qs(form_.Label1), frame);
    legal->setObjectName("Label1");
    legal->setWordWrap(true);
    auto* company = new QLabel(qs(form_.lblCompany), frame);
    company->setAlignment(Qt::AlignCenter);

    layout->addWidget(product);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    layout->addSpacing(12);
    layout->addWidget(legal);
    layout->addWidget(company);

    auto* buttons = new QHBoxLayout;
    QPushButton* start = makeButton(form_.Command1, form_, &frmSplash::Command1_Click);
    start->setObjectName("Command1");
    start->setDefault(true);
    QPushButton* exit = makeButton(form_.Command2, form_, &frmSplash::Command2_Click);
    exit->setObjectName("Command2");
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(exit);
    buttons->addStretch();
    outer->addWidget(frame);
    outer->addLayout(buttons);
    setFixedWidth(520);
}

} // namespace korvex::gui
