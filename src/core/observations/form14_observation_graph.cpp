#include "observations/form14_observation_graph.h"

#include "app/number_text.h"

#include <algorithm>

namespace korvex {

Form14::Form14(Application& app) : GraphWindow(app, kWideLandscapePrint) {
    Caption = "Graphs";
    Graph1.setNumPoints(kPredictionRows);
    Graph1.setNumSets(2);
    Graph1.setGraphTitle("Observations vs Predictions");
    Graph1.setBottomTitle("Time (days)");
    Graph1.setLeftTitle("Settlement (m)");
    // The predictions run from 10 to 80 000 days: on a linear axis the readings of the first
    // months would lie on one vertical line.
    Graph1.setXScale(AxisScale::Logarithmic);
    Graph1.setWidth(10695);
    Graph1.setHeight(5655);
    Graph1.saveDesign();
}

void Form14::fill(const SingleArray<kPredictionRows>& predicted,
                  const SingleArray<kPredictionRows>& times, Single shift,
                  const ObservationState& observed) {
    const int observations = static_cast<int>(observed.NObs);
    GraphModel& graph = Graph1;
    graph.restoreDesign();
    // The graph has one point count for both sets: the prediction keeps its rows however many
    // readings there are, and neither set draws a point it did not write.
    graph.setNumPoints(std::max(kPredictionRows, observations));
    graph.setNumSets(2);

    graph.setThisSet(1);
    for (int i = 1; i <= kPredictionRows; ++i) {
        graph.setThisPoint(i);
        graph.setGraphData(predicted(i));
        graph.setXPosData(num::toSingle(static_cast<double>(times(i)) + shift));
    }
    graph.setThisPoint(1);
    graph.setLabelText("Predicted settlements");

    graph.setThisSet(2);
    for (int i = 1; i <= observations; ++i) {
        graph.setThisPoint(i);
        // Measured settlements are entered positive downward; the predictions are negative.
        graph.setGraphData(-observed.SObs(i));
        graph.setXPosData(observed.TObs(i));
    }
    if (observations > 0) {
        graph.setThisPoint(observations);
        graph.setLabelText("Measured settlements");
    }
    graph.setDrawMode(2);
}

} // namespace korvex
