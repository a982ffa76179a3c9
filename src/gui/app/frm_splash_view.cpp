#include "app/frm_splash_view.h"

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
    auto* start = new QPushButton(qs(form_.Command1), this);
    start->setObjectName("Command1");
    start->setDefault(true);
    auto* exit = new QPushButton(qs(form_.Command2), this);
    exit->setObjectName("Command2");
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(exit);
    buttons->addStretch();
    outer->addWidget(frame);
    outer->addLayout(buttons);

    connect(start, &QPushButton::clicked, this,
            [this] { handle([this] { form_.Command1_Click(); }); });
    connect(exit, &QPushButton::clicked, this,
            [this] { handle([this] { form_.Command2_Click(); }); });
    setFixedWidth(520);
}

} // namespace korvex::gui
