#include "settlement/settlement_steps.h"

#include "app/input_reading.h"
#include "state/module1.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvex {
namespace {

// Settlements of a few centimetres stored as Singles: 1e-6 m is below their last digit.
constexpr double kSettlementTolerance = 1e-6;

struct Layer {
    float thickness, initialStress, sigmac;
    float p3, p4, p5, p6, p8; // Cr, e0, Cc, -, Calpha or 1/Cp, 1/Cs, 1/Cp', 1/Cs', -
};

std::unique_ptr<Module1> layers(Integer method, std::initializer_list<Layer> list) {
    auto st = std::make_unique<Module1>();
    st->setDefaults();
    st->Method = method;
    int i = 0;
    for (const Layer& l : list) {
        ++i;
        st->LThickness(i) = l.thickness;
        st->SigmaEff(i) = l.initialStress;
        st->Sigmac(i) = l.sigmac;
        if (method == 1) {
            st->Cr(i) = l.p3;
            st->e0(i) = l.p4;
            st->Cc(i) = l.p5;
            st->Calpha(i) = l.p8;
        } else {
            st->InvCp(i) = l.p3;
            st->InvCs(i) = l.p4;
            st->InvCp2(i) = l.p5;
            st->InvCs2(i) = l.p6;
        }
    }
    st->NLayers = static_cast<Integer>(i);
    return st;
}

struct Expected {
    int layer, step;
    double s1, s10, s100, s10000;
};

template <std::size_t N>
void expectLayerSettlements(const Module1& st, const Expected (&cases)[N]) {
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "layer " << c.layer << ", step " << c.step);
        EXPECT_NEAR(st.SLayer1(c.layer, c.step), c.s1, kSettlementTolerance);
        EXPECT_NEAR(st.SLayer10(c.layer, c.step), c.s10, kSettlementTolerance);
        EXPECT_NEAR(st.SLayer100(c.layer, c.step), c.s100, kSettlementTolerance);
        EXPECT_NEAR(st.SLayer10000(c.layer, c.step), c.s10000, kSettlementTolerance);
    }
}

TEST(LoadStepSettlements, TerzaghiBjerrumTable) {
    // Layer 1: H 2, sigma'0 50, sigma'p 60, Cr 0.02, e0 1, Cc 0.3, Calpha 0.01
    //   (Cr/(1+e0) 0.01, Cc/(1+e0) 0.15, Calpha/(1+e0) 0.005; creep 2 x 0.005 = 0.01 per decade).
    // Layer 2: H 1, sigma'0 100, sigma'p 100, Cr 0.01, e0 0.5, Cc 0.2, Calpha 0.005
    //   (Cc/(1+e0) 0.133333, Calpha/(1+e0) 0.0033333 per decade).
    auto st = layers(
        1, {{2, 50, 10, 0.02f, 1, 0.3f, 0, 0.01f}, {1, 100, 0, 0.01f, 0.5f, 0.2f, 0, 0.005f}});
    computeLayerCoefficients(*st);
    computeLoadStepSettlements(*st);
    const Expected cases[] = {
        // Step 1 (5 kPa), layer 1: 55 <= 60, recompression only: -2 x 0.01 x log10(1.1) =
        // -0.000828.
        {1, 1, -0.000827854, -0.010827854, -0.020827854, -0.040827854},
        // Step 4 (40 kPa), layer 1: 90 > 60: -2 x 0.01 x log10(1.2) - 2 x 0.15 x log10(1.5)
        //   = -0.00158362 - 0.05282738 = -0.05441100.
        {1, 4, -0.05441100, -0.06441100, -0.07441100, -0.09441100},
        // Step 4, layer 2: -1 x 0.133333 x log10(1.4) = -0.01948374; creep -0.0033333 per decade.
        {2, 4, -0.01948374, -0.02281707, -0.02615041, -0.03281707},
    };
    expectLayerSettlements(*st, cases);
    // Totals of step 4 add both layers: -0.05441100 - 0.01948374 = -0.07389474 after 1 day and
    // -0.09441100 - 0.03281707 = -0.12722807 after 10 000 days.
    EXPECT_NEAR(st->S1(4), -0.07389474, 2 * kSettlementTolerance);
    EXPECT_NEAR(st->S10000(4), -0.12722807, 2 * kSettlementTolerance);
    EXPECT_FLOAT_EQ(st->OCR(1), 1.2f);
    EXPECT_FLOAT_EQ(st->OCR(2), 1.0f);
}

TEST(LoadStepSettlements, TerzaghiKoppejanTable) {
    // Layer 1: H 1, sigma'0 50, sigma'p 50, 1/Cp 0.01, 1/Cs 0.001, 1/Cp' 0.02, 1/Cs' 0.002.
    // Layer 2: the same constants, H 2, sigma'p 70 (recompression -2 x 0.01 x ln(1.4) =
    //   -0.00672944 up to sigma'p).
    auto st = layers(2, {{1, 50, 0, 0.01f, 0.001f, 0.02f, 0.002f, 0},
                         {2, 50, 20, 0.01f, 0.001f, 0.02f, 0.002f, 0}});
    computeLayerCoefficients(*st);
    computeLoadStepSettlements(*st);
    const Expected cases[] = {
        // Step 3 (20 kPa), layer 1, all virgin: -0.02 x ln(1.4) = -0.00672944, and per decade
        // 0.002 x ln(1.4) = 0.00067294 of secular settlement.
        {1, 3, -0.00672944, -0.00740239, -0.00807533, -0.00942122},
        // Step 3, layer 2: 70 <= 70, recompression only: -0.00672944, secular
        // 2 x 0.001 x ln(1.4) = 0.00067294 per decade.
        {2, 3, -0.00672944, -0.00740239, -0.00807533, -0.00942122},
        // Step 4 (40 kPa), layer 2: 90 > 70: -0.00672944 - 2 x 0.02 x ln(90/70)
        //   = -0.00672944 - 0.01005258 = -0.01678202; per decade 2 x 0.001 x 0.33647 +
        //   2 x 0.002 x 0.25131 = 0.00167820.
        {2, 4, -0.01678202, -0.01846022, -0.02013842, -0.02349482},
    };
    expectLayerSettlements(*st, cases);
    // Step 3 after 1 day: -0.00672944 - 0.00672944 = -0.01345889. Step 4 after 10 000 days:
    // layer 1 at 90 kPa gives -0.02 x ln(1.8) - 4 x 0.002 x ln(1.8) = -0.01645802, plus layer 2's
    // -0.02349482.
    EXPECT_NEAR(st->S1(3), -0.01345889, 2 * kSettlementTolerance);
    EXPECT_NEAR(st->S10000(4), -0.01645802 - 0.02349482, 2 * kSettlementTolerance);
}

TEST(LayerCoefficients, RefuseStressesAndVoidRatiosWithoutALogarithm) {
    struct Case {
        const char* name;
        Integer method;
        Layer second;
        const char* message;
    };
    const Case cases[] = {
        {"effective stress 0",
         1,
         {1, 0, 10, 0.02f, 1, 0.3f, 0, 0},
         "Initial effective stress of layer 2 is 0 or less;check the layer depths, soil masses "
         "and watertable."},
        {"preconsolidation below 0",
         2,
         {1, 20, -25, 0.01f, 0.001f, 0.02f, 0.002f, 0},
         "Preconsolidation stress of layer 2 is 0 or less;check Sigmac(i)."},
        {"e0 of -1",
         1,
         {1, 20, 10, 0.02f, -1, 0.3f, 0, 0},
         "e0(i) of layer 2 is -1 or less;not realistic."},
    };
    for (const auto& c : cases) {
        auto st = layers(c.method, {{1, 50, 0, 0.02f, 1, 0.3f, 0.002f, 0}, c.second});
        try {
            computeLayerCoefficients(*st);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const InputRefusal& stop) {
            EXPECT_STREQ(stop.what(), c.message) << c.name;
            EXPECT_EQ(stop.style(), vbExclamation) << c.name;
        }
    }
}

} // namespace
} // namespace korvex
