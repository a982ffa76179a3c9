#include "app/application.h"

#include "state/module1.h"

namespace korvex {

Application::Application(Desktop& desktop, WindowModelRegistration registerWindows)
    : desktop_(desktop), state_(std::make_unique<Module1>()), windows_(*this) {
    registerWindows(windows_);
}

Application::~Application() = default;

template <class Part> Part& Application::part() {
    return *state_;
}

template GeneralState& Application::part<GeneralState>();
template SettlementInput& Application::part<SettlementInput>();
template SettlementResults& Application::part<SettlementResults>();
template ConsolidationState& Application::part<ConsolidationState>();
template PreloadState& Application::part<PreloadState>();
template ObservationState& Application::part<ObservationState>();
template ReportLines& Application::part<ReportLines>();

void Application::reportError(const std::string& text) noexcept {
    try {
        desktop_.msgBox(text, vbExclamation, kProgramTitle);
    } catch (...) {
        // Nothing more can be done when even the message box fails.
    }
}

} // namespace korvex
