#pragma once

// The graph control as the windows speak to it: sets of points filled through the current set and
// point, titles, and a draw mode that draws them. It holds data and layout only: the graph window
// prints and copies it (ui/graph_window.h), and the gui draws what it holds and decides nothing
// about the data.

#include "app/vb_types.h"

#include <optional>
#include <string>
#include <vector>

namespace korvex {

struct GraphPoint {
    Single x = 0;
    Single y = 0;
    // Points never written in the current filling are left out of the drawing.
    bool written = false;
    std::string label;

    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

// How the points of a set are drawn: joined by a line, or as markers alone (a scatter of
// measurements beside fitted lines).
enum class SetLine { Joined, MarkersOnly };

struct GraphSet {
    std::vector<GraphPoint> points;
    int symbol = 0;
    std::string legend;
    SetLine line = SetLine::Joined;

    friend bool operator==(const GraphSet&, const GraphSet&) = default;
};

enum class AxisScale { Linear, Logarithmic };

// What a window's layout gives its graph, so that a window can return its graph to it.
struct GraphDesign {
    std::string graphTitle, bottomTitle, leftTitle;
    std::vector<std::string> legends;
    int numSets = 1;
    int numPoints = 5;
    int graphType = 6;
    AxisScale xScale = AxisScale::Linear;
    AxisScale yScale = AxisScale::Linear;
    double width = 5775;
    double height = 6375;
    int labels = 0;
};

class GraphModel {
public:
    static constexpr int kMaxSets = 20;
    static constexpr int kMaxPoints = 100;

    GraphModel();

    // The fill protocol.
    int NumSets() const { return static_cast<int>(sets_.size()); }
    void setNumSets(int n);
    int NumPoints() const { return numPoints_; }
    void setNumPoints(int n);
    int ThisSet() const { return thisSet_; }
    void setThisSet(int set);
    int ThisPoint() const { return thisPoint_; }
    void setThisPoint(int point);
    void setGraphData(Single y);
    void setXPosData(Single x);
    void setLabelText(const std::string& text);
    void setLabelText(Single value);
    void setLabelText(double value);
    int Labels() const { return labels_; }
    void setLabels(int on) { labels_ = on; }
    void setSymbolData(int symbol);

    // 2 and 3 draw. The control's copy (4) and print (5) are the graph window's
    // (copyGraphWindowImage, printGraphWindow); here they are only kept as the mode.
    void setDrawMode(int mode);
    int DrawMode() const { return drawMode_; }

    const std::string& GraphTitle() const { return graphTitle_; }
    void setGraphTitle(const std::string& text) { graphTitle_ = text; }
    const std::string& BottomTitle() const { return bottomTitle_; }
    void setBottomTitle(const std::string& text) { bottomTitle_ = text; }
    const std::string& LeftTitle() const { return leftTitle_; }
    void setLeftTitle(const std::string& text) { leftTitle_ = text; }
    // The legend entry of the current set.
    void setLegendText(const std::string& text);
    void setLegendText(int set, const std::string& text);
    const std::string& LegendText(int set) const;
    int GraphType() const { return graphType_; }
    void setGraphType(int type) { graphType_ = type; }

    // Size in twips: the layout size on screen, the print size while printing.
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setWidth(double twips) { width_ = twips; }
    void setHeight(double twips) { height_ = twips; }

    // Properties known only by their dispatch numbers; kept, not drawn, except 63, the line of
    // the current set: 8 draws it as markers alone, any other value joins its points.
    void setProperty(int dispatchId, const std::string& value);
    void setProperty(int dispatchId, int value);

    // How each axis is scaled; part of the window's layout.
    AxisScale xScale() const { return xScale_; }
    AxisScale yScale() const { return yScale_; }
    void setXScale(AxisScale scale) { xScale_ = scale; }
    void setYScale(AxisScale scale) { yScale_ = scale; }

    // The data as drawn: every set with its points.
    const std::vector<GraphSet>& sets() const { return sets_; }

    // Counts the draws (DrawMode 2 or 3).
    unsigned drawRevision() const { return drawRevision_; }
    // Moves at a draw that shows other data or layout than the draw before, so that a view draws
    // again only then: a window refilled with the same results draws the same picture.
    unsigned changeCount() const { return changeCount_; }

    // Remember the current titles, legends, counts, type, scales and size as the layout's, and
    // return to them (dropping all data) before a new filling.
    void saveDesign();
    void restoreDesign();
    const GraphDesign& design() const { return design_; }

private:
    // Everything a draw shows.
    struct Drawing {
        std::vector<GraphSet> sets;
        std::string graphTitle, bottomTitle, leftTitle;
        AxisScale xScale = AxisScale::Linear;
        AxisScale yScale = AxisScale::Linear;
        double width = 0;
        double height = 0;
        bool operator==(const Drawing&) const = default;
    };

    GraphPoint& currentPoint();
    void beginWriteIfNewFilling();
    void noteDrawing();

    std::vector<GraphSet> sets_;
    int numPoints_ = 5;
    int thisSet_ = 1;
    int thisPoint_ = 1;
    int labels_ = 0;
    int drawMode_ = 0;
    std::string graphTitle_, bottomTitle_, leftTitle_;
    int graphType_ = 6;
    double width_ = 5775;
    double height_ = 6375;
    AxisScale xScale_ = AxisScale::Linear;
    AxisScale yScale_ = AxisScale::Linear;
    unsigned drawRevision_ = 0;
    unsigned changeCount_ = 0;
    // Empty until the first draw, which always counts as a change.
    std::optional<Drawing> lastDrawing_;
    bool drawnSinceLastWrite_ = false;
    std::string property62_;
    int property112_ = 0;
    GraphDesign design_;
};

} // namespace korvex
