// A window's view is kept from its first opening (or built while the program waits) and shows,
// at every later opening, the model as just loaded: exactly what a view built at that moment
// shows, and nothing of what it showed before its window closed.

#include "app/gui_host.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form5_consolidation_results_view.h"
#include "consolidation/form7_settlement_time_list.h"
#include "consolidation/form7_settlement_time_list_view.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "preload/form10_preload_input.h"
#include "preload/form10_preload_input_view.h"
#include "preload/form12_removal_time.h"
#include "preload/form12_removal_time_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "report/form18_listing.h"
#include "report/form18_listing_view.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form16_cc_e0_regression_view.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form3_settlement_results_view.h"
#include "state/module1.h"
#include "support/fake_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace korvex::gui {
namespace {

const char* const kMarker = "shown before closing";

struct Window {
    const char* name;
    // Writes the marker into the model as a handler would, in a box, a table or the list.
    std::function<void(WindowModel&)> mark;
    // The view as the program builds it.
    std::function<WindowView*(WindowModel&, GuiHost&)> make;
};

template <typename Form, typename Mark, typename Make> Window window(Mark mark, Make make) {
    return {Form::kName, [mark](WindowModel& m) { mark(static_cast<Form&>(m)); },
            [make](WindowModel& m, GuiHost& h) -> WindowView* {
                return make(static_cast<Form&>(m), h);
            }};
}

const Window kWindows[] = {
    window<Form1>(
        [](Form1& f) {
            f.Text1 = kMarker;
            f.Fg1.setTextMatrix(1, 1, kMarker);
        },
        newView<Form1View>),
    window<Form3>(
        [](Form3& f) {
            f.Label1 = kMarker;
            f.Fg3.setTextMatrix(1, 1, kMarker);
        },
        newView<Form3View>),
    window<Form4>(
        [](Form4& f) {
            f.Text5 = kMarker;
            f.Fg4.setTextMatrix(1, 1, kMarker);
        },
        newView<Form4View>),
    window<Form5>([](Form5& f) { f.Text1 = kMarker; }, newView<Form5View>),
    window<Form7>([](Form7& f) { f.Fg5.setTextMatrix(1, 1, kMarker); }, newView<Form7View>),
    window<Form10>(
        [](Form10& f) {
            f.Text1 = kMarker;
            f.Fg9.setTextMatrix(1, 1, kMarker);
        },
        newView<Form10View>),
    window<Form12>([](Form12& f) { f.Text1 = kMarker; }, newView<Form12View>),
    window<Form13>(
        [](Form13& f) {
            f.Text1 = kMarker;
            f.Fg12.setTextMatrix(1, 1, kMarker);
        },
        newView<Form13View>),
    window<Form16>([](Form16& f) { f.Text1 = kMarker; }, makeForm16View),
    window<Form18>([](Form18& f) { f.List1 = {kMarker}; }, newView<Form18View>),
};

// What a user reads in a window: its title, boxes, labels, buttons (with their state), tables
// and lists, in the order the view made them.
QStringList shownTexts(const QWidget& view) {
    QStringList texts{view.windowTitle()};
    for (const QWidget* widget : view.findChildren<QWidget*>()) {
        if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
            // A table's cell box shows only while a cell is edited.
            if (!box->isHidden()) {
                texts << "box " + box->text();
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << "label " + label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << QString("button %1 %2 %3")
                         .arg(button->text())
                         .arg(button->isEnabled())
                         .arg(button->isChecked());
        } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* heading = table->horizontalHeaderItem(c);
                texts << "heading " + (heading ? heading->text() : QString());
                for (int r = 0; r < table->rowCount(); ++r) {
                    texts << "cell " + (table->item(r, c) ? table->item(r, c)->text() : QString());
                }
            }
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << "line " + list->item(i)->text();
            }
        }
    }
    return texts;
}

qsizetype viewCount() {
    qsizetype views = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        views += qobject_cast<WindowView*>(widget) != nullptr ? 1 : 0;
    }
    return views;
}

struct Session {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    Session() {
        registerAllViews(host);
        app.state().setDefaults();
    }
    ~Session() { app.windows().unloadAll(); }

    // The texts and the size of a view built and shown now on the loaded model.
    std::string newView(const Window& w) {
        std::unique_ptr<WindowView> fresh(w.make(*app.windows().findByName(w.name), host));
        fresh->refreshFromModel();
        fresh->show();
        return seen(*fresh);
    }
    std::string shown(const Window& w) { return seen(*host.viewOf(w.name)); }
    static std::string seen(const QWidget& view) {
        return (shownTexts(view).join('\n') +
                QString("\nsize %1 x %2").arg(view.width()).arg(view.height()))
            .toStdString();
    }
};

TEST(KeptViews, AWindowOpenedAgainShowsItsFreshModelInTheViewItHad) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.name);
        Session s;
        WindowRegistry& windows = s.app.windows();
        ASSERT_TRUE(windows.showByName(w.name));
        WindowView* first = s.host.viewOf(w.name);
        ASSERT_NE(first, nullptr);
        w.mark(*windows.findByName(w.name));
        s.host.refreshAll();
        ASSERT_TRUE(shownTexts(*first).join('\n').contains(kMarker));

        windows.unload(*windows.findByName(w.name));
        QApplication::processEvents();
        ASSERT_TRUE(windows.showByName(w.name));
        EXPECT_EQ(s.host.viewOf(w.name), first);
        EXPECT_EQ(s.shown(w), s.newView(w));
    }
}

TEST(KeptViews, AViewBuiltWhileTheProgramWaitedShowsTheModelAsLoadedAtItsOpening) {
    Session s;
    s.app.windows().showByName("frmSplash");
    s.host.buildViewsWhenIdle();
    // The event loop waits for the user until no view is built any more.
    qsizetype views = -1;
    while (viewCount() != views) {
        views = viewCount();
        QEventLoop waiting;
        QTimer::singleShot(100, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.name);
        ASSERT_TRUE(s.app.windows().showByName(w.name));
        EXPECT_EQ(viewCount(), views);
        EXPECT_EQ(s.shown(w), s.newView(w));
    }
}

} // namespace
} // namespace korvex::gui
