#pragma once

namespace korvex {

class Application;

// The refusal of the commands that produce the settlement and consolidation report (the main
// window's list, File, Print and File, Save) while no method is chosen: true after it has been
// shown.
bool refusedWithoutMethod(Application& app);

} // namespace korvex
