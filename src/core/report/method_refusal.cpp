#include "report/method_refusal.h"

#include "app/application.h"
#include "state/general_state.h"

namespace korvex {

namespace {

constexpr const char* kNoFile = "No file or calculations available";
constexpr const char* kMessageCaption = "KORVEX message";

} // namespace

bool refusedWithoutMethod(Application& app) {
    if (app.part<GeneralState>().Method != 0) {
        return false;
    }
    app.desktop().msgBox(kNoFile, vbOKOnly, kMessageCaption);
    return true;
}

} // namespace korvex
