#pragma once

// File, Print of the main window: the settlement and consolidation report on the printer, whatever
// report the listing window would show.

namespace korvex {
class Application;
}

namespace korvex::report {

// Refuses while no method is chosen; otherwise asks in the printer dialog "Page Setup" and prints
// the report, or, on Cancel, nothing. Without a printer it offers the report as a PDF at once. The
// whole text is built before the printer is asked for a page, so a report that cannot be built
// prints nothing.
void printMainMenuReport(Application& app);

} // namespace korvex::report
