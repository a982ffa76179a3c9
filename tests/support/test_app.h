#pragma once

// An application on a fake desktop, with the defaults of start-up set, for core tests.

#include "app/application.h"
#include "program/program_windows.h"
#include "state/module1.h"
#include "support/fake_desktop.h"

namespace korvex::test {

struct TestApp {
    FakeDesktop desktop;
    FakeViewHost host;
    Application app{desktop, registerWindowModels};

    TestApp() {
        app.state().setDefaults();
        app.windows().setViewHost(&host);
    }
    ~TestApp() { app.windows().setViewHost(nullptr); }

    Module1& state() { return app.state(); }
    WindowRegistry& windows() { return app.windows(); }
};

} // namespace korvex::test
