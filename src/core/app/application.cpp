#include "app/application.h"

namespace korvex {

Application::Application(Desktop& desktop)
    : desktop_(desktop), state_(std::make_unique<Module1>()), windows_(*this) {}

Application::~Application() = default;

void Application::reportError(const std::string& text) noexcept {
    try {
        desktop_.msgBox(text, vbExclamation, kProgramTitle);
    } catch (...) {
        // Nothing more can be done when even the message box fails.
    }
}

} // namespace korvex
