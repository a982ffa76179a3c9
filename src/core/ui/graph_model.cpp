#include "ui/graph_model.h"

#include "app/number_text.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace korvex {

GraphModel::GraphModel() {
    sets_.resize(1);
    sets_[0].points.resize(static_cast<std::size_t>(numPoints_));
    saveDesign();
}

void GraphModel::setNumSets(int n) {
    if (n < 1 || n > kMaxSets) {
        throw std::out_of_range("Graph: NumSets " + std::to_string(n) + " not in 1.." +
                                std::to_string(kMaxSets));
    }
    sets_.resize(static_cast<std::size_t>(n));
    for (auto& set : sets_) {
        set.points.resize(static_cast<std::size_t>(numPoints_));
    }
    thisSet_ = std::min(thisSet_, n);
}

void GraphModel::setNumPoints(int n) {
    if (n < 1 || n > kMaxPoints) {
        throw std::out_of_range("Graph: NumPoints " + std::to_string(n) + " not in 1.." +
                                std::to_string(kMaxPoints));
    }
    numPoints_ = n;
    for (auto& set : sets_) {
        set.points.resize(static_cast<std::size_t>(n));
    }
    thisPoint_ = std::min(thisPoint_, n);
}

void GraphModel::setThisSet(int set) {
    if (set < 1 || set > NumSets()) {
        throw std::out_of_range("Graph: ThisSet " + std::to_string(set) + " not in 1.." +
                                std::to_string(NumSets()));
    }
    thisSet_ = set;
}

void GraphModel::setThisPoint(int point) {
    if (point < 1 || point > numPoints_) {
        throw std::out_of_range("Graph: ThisPoint " + std::to_string(point) + " not in 1.." +
                                std::to_string(numPoints_));
    }
    thisPoint_ = point;
}

void GraphModel::beginWriteIfNewFilling() {
    // The first write after a draw starts a new filling: what the earlier filling wrote and this
    // one does not write again must not show.
    if (drawnSinceLastWrite_) {
        for (auto& set : sets_) {
            for (auto& point : set.points) {
                point = GraphPoint{};
            }
        }
        drawnSinceLastWrite_ = false;
    }
}

GraphPoint& GraphModel::currentPoint() {
    return sets_[static_cast<std::size_t>(thisSet_ - 1)]
        .points[static_cast<std::size_t>(thisPoint_ - 1)];
}

void GraphModel::setGraphData(Single y) {
    beginWriteIfNewFilling();
    GraphPoint& point = currentPoint();
    point.y = y;
    point.written = true;
}

void GraphModel::setXPosData(Single x) {
    beginWriteIfNewFilling();
    GraphPoint& point = currentPoint();
    point.x = x;
    point.written = true;
}

void GraphModel::setLabelText(const std::string& text) {
    beginWriteIfNewFilling();
    currentPoint().label = text;
}

void GraphModel::setLabelText(Single value) {
    setLabelText(num::boxText(value));
}
void GraphModel::setLabelText(double value) {
    setLabelText(num::boxText(value));
}

void GraphModel::setSymbolData(int symbol) {
    sets_[static_cast<std::size_t>(thisSet_ - 1)].symbol = symbol;
}

void GraphModel::setDrawMode(int mode) {
    drawMode_ = mode;
    if (mode == 2 || mode == 3) {
        ++drawRevision_;
        drawnSinceLastWrite_ = true;
        noteDrawing();
    }
}

void GraphModel::noteDrawing() {
    Drawing drawing{sets_,   graphTitle_, bottomTitle_, leftTitle_,
                    xScale_, yScale_,     width_,       height_};
    if (lastDrawing_ != drawing) {
        lastDrawing_ = std::move(drawing);
        ++changeCount_;
    }
}

void GraphModel::setLegendText(const std::string& text) {
    setLegendText(thisSet_, text);
}

void GraphModel::setLegendText(int set, const std::string& text) {
    if (set < 1 || set > NumSets()) {
        throw std::out_of_range("Graph: legend of set " + std::to_string(set));
    }
    sets_[static_cast<std::size_t>(set - 1)].legend = text;
}

const std::string& GraphModel::LegendText(int set) const {
    if (set < 1 || set > NumSets()) {
        throw std::out_of_range("Graph: legend of set " + std::to_string(set));
    }
    return sets_[static_cast<std::size_t>(set - 1)].legend;
}

void GraphModel::setProperty(int dispatchId, const std::string& value) {
    if (dispatchId == 62) {
        property62_ = value;
    }
}

void GraphModel::setProperty(int dispatchId, int value) {
    if (dispatchId == 112) {
        property112_ = value;
    } else if (dispatchId == 63) {
        sets_[static_cast<std::size_t>(thisSet_ - 1)].line =
            value == 8 ? SetLine::MarkersOnly : SetLine::Joined;
    }
}

void GraphModel::saveDesign() {
    design_.graphTitle = graphTitle_;
    design_.bottomTitle = bottomTitle_;
    design_.leftTitle = leftTitle_;
    design_.legends.clear();
    for (const auto& set : sets_) {
        design_.legends.push_back(set.legend);
    }
    design_.numSets = NumSets();
    design_.numPoints = numPoints_;
    design_.graphType = graphType_;
    design_.xScale = xScale_;
    design_.yScale = yScale_;
    design_.width = width_;
    design_.height = height_;
    design_.labels = labels_;
}

void GraphModel::restoreDesign() {
    sets_.assign(static_cast<std::size_t>(design_.numSets), GraphSet{});
    numPoints_ = design_.numPoints;
    for (std::size_t i = 0; i < sets_.size(); ++i) {
        sets_[i].points.resize(static_cast<std::size_t>(numPoints_));
        if (i < design_.legends.size()) {
            sets_[i].legend = design_.legends[i];
        }
    }
    graphTitle_ = design_.graphTitle;
    bottomTitle_ = design_.bottomTitle;
    leftTitle_ = design_.leftTitle;
    graphType_ = design_.graphType;
    xScale_ = design_.xScale;
    yScale_ = design_.yScale;
    width_ = design_.width;
    height_ = design_.height;
    labels_ = design_.labels;
    thisSet_ = 1;
    thisPoint_ = 1;
    property62_.clear();
    property112_ = 0;
    drawnSinceLastWrite_ = false;
}

} // namespace korvex
