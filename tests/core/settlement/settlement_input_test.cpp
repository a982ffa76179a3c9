#include "settlement/settlement_calculation.h"

#include "settlement_site.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvex::test {
namespace {

struct RefusalCase {
    const char* name;
    std::function<void(SiteInput&)> change;
    const char* message;
    int style;
};

// Runs the calculation on the soft site with one change and expects exactly one refusal that
// leaves the shared state as it was.
void expectRefused(const RefusalCase& c, const SiteInput& base = softBjerrumSite()) {
    TestApp t;
    SiteInput site = base;
    c.change(site);
    Form1& form = loadSite(t, site);
    EXPECT_FALSE(calculateSettlements(t.app, form)) << c.name;
    ASSERT_EQ(t.desktop.messages.size(), 1u) << c.name;
    EXPECT_EQ(t.desktop.messages[0].text, c.message) << c.name;
    EXPECT_EQ(t.desktop.messages[0].style, c.style) << c.name;
    EXPECT_EQ(t.desktop.beeps, 0) << c.name;
    // Nothing of the refused input reaches the shared state; a refused calculation also does
    // not count as calculated, so the preload stays locked.
    EXPECT_EQ(t.state().SettlementCalculated, 0) << c.name;
    EXPECT_EQ(t.state().SurfaceLevel, 1.0f) << c.name;
    EXPECT_EQ(t.state().NLayers, 0) << c.name;
}

void expectAccepted(const char* name, const std::function<void(SiteInput&)>& change) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    change(site);
    Form1& form = loadSite(t, site);
    EXPECT_TRUE(calculateSettlements(t.app, form)) << name;
    for (const auto& m : t.desktop.messages) {
        ADD_FAILURE() << name << ": " << m.text;
    }
}

TEST(SettlementInput, ChecksInTheirOrderWithTheirMessages) {
    const RefusalCase cases[] = {
        {"no layers", [](SiteInput& s) { s.layers = "0"; },
         "Number of layers and other inputvalues are 0;  At least you have to fill in the "
         "textboxes and settlement parameters.",
         vbOKOnly},
        {"lowered water table, required below the surface",
         [](SiteInput& s) {
             s.required = "-1";
             s.newWatertable = "-2";
         },
         "Surface level required equals or is less than Original surfacelevel; The new "
         "watertable is lower than original watertable. Change required level? Or calculation "
         "regarding compensation by a Fill for the settlements due to lowering the watertable?",
         vbOKOnly},
        {"nothing changes", [](SiteInput& s) { s.required = "0"; },
         "Surface level required equals Original surfacelevel; The new watertable equals "
         "original watertable. The situation is not changed. Calculations are not possible!!!",
         vbOKOnly},
        {"required below the surface", [](SiteInput& s) { s.required = "-0.5"; },
         "Surface level required lower than Original surfacelevel;Calculations are not "
         "possible!!!",
         vbOKOnly},
        {"fill too light", [](SiteInput& s) { s.fill = "0.009"; },
         "Soil mass dry of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.", vbExclamation},
        {"wet fill too heavy", [](SiteInput& s) { s.fillSat = "10.01"; },
         "Soil mass wet of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.", vbExclamation},
        {"subsoil too light", [](SiteInput& s) { s.avg = "0.49"; },
         "SoilMass dry unrealistic;value between 0.5 t/m3 and 3 t/m3.", vbExclamation},
        {"wet subsoil too heavy", [](SiteInput& s) { s.avgSat = "3.1"; },
         "SoilMass wet unrealistic;value between 0.5 t/m3 and 3 t/m3.", vbExclamation},
        {"dry fill heavier than wet", [](SiteInput& s) { s.fill = "1.6"; },
         "Soil mass dry of fill greater than Soil mass wet;not realistic.", vbExclamation},
        {"dry subsoil heavier than wet", [](SiteInput& s) { s.avg = "1.9"; },
         "Soil mass dry greater than Soil mass wet;not realistic.", vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }
}

TEST(SettlementInput, BoundsAndSpecialLevelsThatPass) {
    expectAccepted("required at the surface with a raised water table", [](SiteInput& s) {
        s.required = "0";
        s.watertable = "-1.5";
    });
    expectAccepted("soil masses on their bounds", [](SiteInput& s) {
        s.submergence = false;
        s.fill = "0.01";
        s.fillSat = "10";
        s.avg = "0.5";
        s.avgSat = "3";
    });
    expectAccepted("empty cells read as 0", [](SiteInput& s) { s.rows[0][2] = ""; });
    expectAccepted("Koppejan C column is not an input", [](SiteInput& s) {
        s = softKoppejanSite();
        s.rows[0][7] = "Fault!";
    });
}

TEST(SettlementInput, WaterTableOnTheSurfaceIsTakenJustBelowIt) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.watertable = "0";
    site.newWatertable = "0";
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    EXPECT_FLOAT_EQ(t.state().Watertable, -0.01f);
    // Middle of the layer 0.99 m under water: u = 0.99 g = 9.708584; total = 1 x 1 x g.
    EXPECT_NEAR(t.state().SigmaWat(1), 0.99 * 9.80665, 1e-4);
}

TEST(SettlementInput, LightLayerOnlyWarns) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.watertable = "-3";
    site.newWatertable = "-3";
    site.rows[0][1] = "0.9";
    Form1& form = loadSite(t, site);
    EXPECT_TRUE(calculateSettlements(t.app, form));
    ASSERT_GE(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text, " Gammawet(i) unrealistic. ");
    EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
    EXPECT_FLOAT_EQ(t.state().Soilwet(1), 0.9f);
}

TEST(SettlementInput, KoppejanZeroPairsAreReplacedInTheStateOnly) {
    TestApp t;
    SiteInput site = softKoppejanSite();
    site.rows[0][2] = "0"; // 1/Cp
    site.rows[0][3] = "5"; // 1/Cs
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    EXPECT_EQ(t.state().InvCp(1), 0.000001f);
    EXPECT_EQ(t.state().InvCs(1), 0.000001f);
    EXPECT_EQ(form.Fg1.TextMatrix(1, 3), "0");
    EXPECT_EQ(form.Fg1.TextMatrix(1, 4), "5");
}

TEST(SettlementInput, KoppejanCIsRoundedFromItsStoredValue) {
    struct Case {
        const char* invCp2;
        const char* invCs2;
        const char* c;
    };
    const Case cases[] = {
        // 1 / (2 + 4 x 20) = 1/82 = 0.0122 -> Int(1.22 + 0.5) / 100 = 0.01.
        {"2", "20", "0.01"},
        // 1 / (0.2 + 4 x 0.01) = 4.1667 -> Int(416.67 + 0.5) / 100 = 4.17.
        {"0.2", "0.01", "4.17"},
        // 1 / (7.992 + 4 x 0.002) = 1/8 = 0.125 exactly as stored -> Int(12.5 + 0.5) / 100 = 0.13
        // (the unstored quotient of the two typed constants lies a hair below 0.125).
        {"7.992", "0.002", "0.13"},
    };
    for (const Case& c : cases) {
        TestApp t;
        SiteInput site = softKoppejanSite();
        site.rows[0][4] = c.invCp2;
        site.rows[0][5] = c.invCs2;
        Form1& form = loadSite(t, site);
        // The table shows C whether or not a later stage refuses the site.
        calculateSettlements(t.app, form);
        EXPECT_EQ(form.Fg1.TextMatrix(1, 8), c.c) << c.invCp2 << " " << c.invCs2;
    }
}

TEST(SettlementInput, RangesTheArraysCannotHoldAreRefused) {
    const RefusalCase cases[] = {
        {"21 layers", [](SiteInput& s) { s.layers = "21"; },
         "Number of Layers [-]: value between 1 and 20.", vbExclamation},
        {"negative layers", [](SiteInput& s) { s.layers = "-1"; },
         "Number of Layers [-]: value between 1 and 20.", vbExclamation},
        {"22 fill layers", [](SiteInput& s) { s.fillLayers = "21.6"; },
         "Number of Filllayers (-): at most 21.", vbExclamation},
        {"no settlement time", [](SiteInput& s) { s.time = "0"; },
         "Settlement time (days): value of 1 day or more.", vbExclamation},
        {"negative increment", [](SiteInput& s) { s.increment = "-1"; },
         "Increment Fill layer thickness (m): value greater than 0 m.", vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }
}

TEST(SettlementInput, ValuesThatLiftTheGroundUnderLoadAreRefused) {
    // The creep term counts from the first day: before it, log10(t) < 0 lifts the fill.
    for (const char* time : {"0.5", "1e-30"}) {
        expectRefused({time, [time](SiteInput& s) { s.time = time; },
                       "Settlement time (days): value of 1 day or more.", vbExclamation});
    }
    expectAccepted("one day", [](SiteInput& s) { s.time = "1"; });

    // A negative compression constant makes the layer rise under load.
    struct Column {
        Integer method;
        int column;
        const char* heading;
    };
    const Column columns[] = {{1, 3, "Cr(i)"},   {1, 5, "Cc(i)"},   {1, 8, "Calpha (i)"},
                              {2, 3, "1/Cp(i)"}, {2, 4, "1/Cs(i)"}, {2, 5, "1/Cp'(i)"},
                              {2, 6, "1/Cs'(i)"}};
    for (const Column& c : columns) {
        const std::string message = std::string("Negative value in layer 1, column \"") +
                                    c.heading + "\"; the value must be 0 or more.";
        const int column = c.column;
        expectRefused(
            {c.heading,
             [column](SiteInput& s) { s.rows[0][static_cast<std::size_t>(column - 1)] = "-0.01"; },
             message.c_str(), vbExclamation},
            c.method == 1 ? softBjerrumSite() : softKoppejanSite());
    }
}

TEST(SettlementInput, LayerLevelsMustDescendFromTheSurface) {
    const RefusalCase cases[] = {
        // Surface 1, boundaries 0 then 0.5: the second layer would lie above the first.
        {"boundary above the one before",
         [](SiteInput& s) {
             s.surface = "1";
             s.required = "3";
             s.rows = {{"0", "1", "0", "1", "1", "0", "0", "0"},
                       {"0.5", "1", "0", "1", "1", "0", "0", "0"}};
         },
         " Fault in depth of Soil Layer(s) . ", vbExclamation},
        {"first boundary at the surface", [](SiteInput& s) { s.rows[0][0] = "0"; },
         "Fault; Groundlevel same or less than underlying depth of Soil Layer(s).", vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }

    // A level left in element 0 by an earlier calculation does not decide layer 1.
    TestApp t;
    t.state().LDepth(0) = -5.0f;
    Form1& form = loadSite(t, softBjerrumSite());
    EXPECT_TRUE(calculateSettlements(t.app, form));
    EXPECT_EQ(t.state().LDepth(0), 0.0f);
}

TEST(SettlementInput, SubmergenceWithoutWeightLossIsRefused) {
    // Wet fill 2.0 = dry 1.0 + water 1.0: under water the fill weighs what it weighs dry.
    const RefusalCase cases[] = {
        {"fill", [](SiteInput& s) { s.fillSat = "2"; },
         "Soil mass wet of fill not less than Soil mass dry plus water;no weight loss under "
         "water. Stresspaths submergence not possible.",
         vbExclamation},
        {"subsoil", [](SiteInput& s) { s.avgSat = "2.5"; },
         "Soil mass wet not less than Soil mass dry plus water;no weight loss under water. "
         "Stresspaths submergence not possible.",
         vbExclamation},
        // 2.34 = 1.34 + 1 as typed, although the nearest Singles leave 1.2E-07 t/m3.
        {"fill as typed",
         [](SiteInput& s) {
             s.fill = "1.34";
             s.fillSat = "2.34";
         },
         "Soil mass wet of fill not less than Soil mass dry plus water;no weight loss under "
         "water. Stresspaths submergence not possible.",
         vbExclamation},
        {"subsoil as typed",
         [](SiteInput& s) {
             s.avg = "1.34";
             s.avgSat = "2.34";
         },
         "Soil mass wet not less than Soil mass dry plus water;no weight loss under water. "
         "Stresspaths submergence not possible.",
         vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }
    // A thousandth of a t/m3 typed is a loss.
    expectAccepted("fill losing 0.001", [](SiteInput& s) {
        s.fill = "1.34";
        s.fillSat = "2.339";
    });
    expectAccepted("submergence off", [](SiteInput& s) {
        s.fillSat = "2";
        s.avgSat = "2.5";
        s.submergence = false;
    });
}

TEST(SettlementInput, TextWithoutANumberIsRefusedByName) {
    const RefusalCase cases[] = {
        {"settlement time", [](SiteInput& s) { s.time = "abc"; },
         "No number in \"Settlement time (days):\"; correct the input.", vbExclamation},
        {"surface level", [](SiteInput& s) { s.surface = "-"; },
         "No number in \"Surface level vs reference [m]:\"; correct the input.", vbExclamation},
        {"layer cell", [](SiteInput& s) { s.rows[0][4] = "Fault!"; },
         "No number in layer 1, column \"Cc(i)\"; correct the input.", vbExclamation},
        {"beyond a Single", [](SiteInput& s) { s.rows[0][1] = "1e39"; },
         "No number in layer 1, column \"Soilwet(i)\"; correct the input.", vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }
}

TEST(SettlementInput, TextAfterANumberIsRefusedByName) {
    // Read up to the comma, "1,6" was a fill of 1 t/m3 and "0,5" a Cc of 0, each in a calculation
    // completed without a word.
    const RefusalCase cases[] = {
        {"box", [](SiteInput& s) { s.fill = "1,6"; },
         "Text after the number in \"Soil mass of fill above Watertable [t/m3]:\"; the decimal "
         "symbol is a point (.); correct the input.",
         vbExclamation},
        {"layer cell", [](SiteInput& s) { s.rows[0][4] = "0,5"; },
         "Text after the number in layer 1, column \"Cc(i)\"; the decimal symbol is a point (.); "
         "correct the input.",
         vbExclamation},
    };
    for (const auto& c : cases) {
        expectRefused(c);
    }
}

TEST(SettlementInput, ResultsBeyondASingleAreRefusedNotShown) {
    // Cc = 3E+38 with e0 = 1: 2 m x 1.5E+38 x log10(29.6) under the last load step is beyond the
    // largest Single, so the settlement table would hold an infinity.
    expectRefused({"huge Cc", [](SiteInput& s) { s.rows[0][4] = "3E+38"; },
                   "Calculation not possible;input values out of range.", vbExclamation});
    // A top layer 1E-30 m thick carries sigma'0 = 1E-30 x 1 x g x 0.5 = 4.9E-30 kPa; with
    // Sigmac = 1E+10 its OCR is 2E+39, beyond the largest Single, while every settlement stays
    // finite (no load step reaches sigma'p and the layer is too thin to settle).
    expectRefused({"OCR of a vanishing layer",
                   [](SiteInput& s) {
                       s.rows = {{"-1E-30", "1", "0", "1", "1", "0", "1E+10", "0"},
                                 {"-2", "1", "0", "1", "1", "0", "0", "0"}};
                   },
                   "Calculation not possible;input values out of range.", vbExclamation});
    // Cc = 3E+38 with e0 = 0: Cc/(1+e0) = 3E+38 fits, but with e0 = -0.5 it is 6E+38, an
    // infinity, even though Sigmac = 1E+10 keeps every step below sigma'p so no settlement uses
    // it.
    expectRefused({"compression ratio beyond a Single",
                   [](SiteInput& s) {
                       s.rows[0][3] = "-0.5";
                       s.rows[0][4] = "3E+38";
                       s.rows[0][6] = "1E+10";
                   },
                   "Calculation not possible;input values out of range.", vbExclamation});
}

} // namespace
} // namespace korvex::test
