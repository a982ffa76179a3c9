#pragma once

#include "ui/graph_window_view.h"

class QLabel;
class QPushButton;

namespace korvex {
class Form2;
class Form3;
class Form8;
class Form9;
} // namespace korvex

namespace korvex::gui {

// A graph window whose result table shows every heading in full: the layout's column widths were
// made for a narrower font.
class ResultWindowView : public GraphWindowView {
    Q_OBJECT
public:
    ResultWindowView(WindowModel& model, GuiHost& host, GraphModel& graph, Grid* grid,
                     GraphWindowButtons buttons);
    void refreshFromModel() override;

private:
    void widenColumns();
};

// The settlement result window: the load-step table with its note, the graph, and the buttons
// that redraw the graph or open the other result windows.
class Form3View : public ResultWindowView {
    Q_OBJECT
public:
    Form3View(Form3& model, GuiHost& host);
    void refreshFromModel() override;
    QPushButton* listButton() { return list_; }
    QPushButton* button(const std::string& caption) const;

private:
    QPushButton* sideButton(const std::string& caption, void (Form3::*handler)());

    Form3& form_;
    QLabel* label1_ = nullptr;
    QPushButton* list_ = nullptr;
    std::vector<QPushButton*> buttons_;
};

GraphWindowView* makeForm2View(Form2& model, GuiHost& host);
GraphWindowView* makeForm8View(Form8& model, GuiHost& host);
GraphWindowView* makeForm9View(Form9& model, GuiHost& host);

} // namespace korvex::gui
