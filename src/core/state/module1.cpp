#include "state/module1.h"

#include <iterator>

namespace korvex {

void Module1::setDefaults() {
    GeneralState::resetToStartUp();
    SettlementInput::resetToStartUp();
    SettlementResults::resetToStartUp();
    ConsolidationState::resetToStartUp();
    PreloadState::resetToStartUp();
    ObservationState::resetToStartUp();
    ReportLines::resetToStartUp();
}

void Module1::resetForProject() {
    const ObservationState observations = *this;
    const Integer listMode = ListMode;
    Single SettlementInput::*const fittingCoefficients[] = {
        &SettlementInput::CcA,  &SettlementInput::CcB,  &SettlementInput::aCp,
        &SettlementInput::bCp,  &SettlementInput::aCs,  &SettlementInput::bCs,
        &SettlementInput::aCp2, &SettlementInput::bCp2, &SettlementInput::aC,
        &SettlementInput::bC};
    Single kept[std::size(fittingCoefficients)];
    for (std::size_t k = 0; k < std::size(fittingCoefficients); ++k) {
        kept[k] = this->*fittingCoefficients[k];
    }

    setDefaults();

    static_cast<ObservationState&>(*this) = observations;
    ListMode = listMode;
    for (std::size_t k = 0; k < std::size(fittingCoefficients); ++k) {
        this->*fittingCoefficients[k] = kept[k];
    }
}

void Module1::discardResults() {
    discardPreloadResults(*this, *this);
    discardConsolidationResults(*this, *this);
    SettlementResults::resetToStartUp();
    forgetSettlement();
}

} // namespace korvex
