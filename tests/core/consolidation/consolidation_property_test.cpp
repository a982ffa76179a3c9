#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/rest_settlement_times.h"
#include "support/same_state.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

namespace korvex {
namespace {

class SiteGenerator {
public:
    explicit SiteGenerator(unsigned seed) : engine_(seed) {}
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    double logUniform(double low, double high) {
        return std::exp(uniform(std::log(low), std::log(high)));
    }
    bool coin() { return uniform(0.0, 1.0) < 0.5; }
    std::string text(double value) { return num::boxText(static_cast<Single>(value)); }

private:
    std::mt19937 engine_;
};

template <std::size_t N>
void expectFiniteRows(const SingleArray<N>& rows, int last, const char* name) {
    for (int i = 1; i <= last; ++i) {
        EXPECT_TRUE(std::isfinite(rows(i))) << name << "(" << i << ") = " << rows(i);
    }
}

template <std::size_t N> void expectDegreeCurve(const SingleArray<N>& degree, const char* name) {
    for (int i = 1; i <= 20; ++i) {
        EXPECT_GE(degree(i), 0.0f) << name << "(" << i << ")";
        EXPECT_LE(degree(i), 1.0f) << name << "(" << i << ")";
        if (i > 1) {
            EXPECT_GE(degree(i), degree(i - 1)) << name << " falls at row " << i;
        }
    }
}

TEST(ConsolidationProperty, PlausibleSitesGiveFiniteMonotoneResults) {
    SiteGenerator gen(20261209);
    for (int run = 0; run < 120; ++run) {
        test::TestApp t;
        Form4& form = t.windows().load<Form4>();
        double s10 = gen.uniform(0.05, 1.5);
        form.Text1 = gen.text(gen.uniform(0.5, 0.98));
        form.Text2 = gen.text(gen.uniform(30.0, 1000.0));
        form.Text3 = gen.text(gen.uniform(0.03, 0.15));
        form.Text4 = gen.text(gen.uniform(0.01, 0.5));
        form.Text5 = gen.text(s10);
        // Creep after 10 days, less than three times the 10-day settlement.
        form.Text6 = gen.text(s10 * gen.uniform(1.0, 2.5));
        form.Text7 = gen.coin() ? "0" : gen.text(gen.uniform(0.1, 500.0));
        form.Text9 = gen.text(gen.uniform(100.0, 1e5));
        form.Text10 = gen.text(gen.uniform(1.0, 40.0));
        form.Text11 = gen.text(gen.logUniform(1e-9, 1e-6));
        form.Text12 = gen.text(gen.logUniform(1e-9, 1e-6));
        form.Text13 = gen.text(gen.uniform(0.5, 3.0));
        form.Option1 = gen.coin();
        form.Option2 = !form.Option1;
        form.Option4 = gen.coin();
        form.Option3 = !form.Option4;
        SCOPED_TRACE("run " + std::to_string(run) + ": U " + form.Text1 + ", period " + form.Text2 +
                     ", dw " + form.Text3 + ", S10 " + form.Text5 + ", S10000 " + form.Text6 +
                     ", tc " + form.Text7 + ", H " + form.Text10 + ", Ch " + form.Text11 + ", Cv " +
                     form.Text12);

        t.app.runHandler([&] { form.Command1_Click(); });
        const Module1& st = t.state();
        ASSERT_EQ(st.ConsolidationCalculated, 1);
        for (Single v : {st.DrainZone, st.Fn, st.SpacingTri, st.SpacingSq, st.DrainsPerM2,
                         st.DrainsTotal, st.TconsHor, st.TconsVert, st.DiffSHor, st.DiffSVert,
                         st.SPrimary, st.SPrimHor, st.SPrimVert, st.Discharge, st.DischargeYear}) {
            EXPECT_TRUE(std::isfinite(v));
        }
        expectDegreeCurve(st.UHorIL, "UHorIL");
        expectDegreeCurve(st.UVertIL, "UVertIL");
        expectDegreeCurve(st.UHorVertIL, "UHorVertIL");
        expectDegreeCurve(st.UHorGL, "UHorGL");
        expectDegreeCurve(st.UVertGL, "UVertGL");
        expectDegreeCurve(st.UHorVertGL, "UHorVertGL");
        expectFiniteRows(st.SHorIL, 20, "SHorIL");
        expectFiniteRows(st.SVertIL, 20, "SVertIL");
        expectFiniteRows(st.SHorVertIL, 20, "SHorVertIL");
        expectFiniteRows(st.SHorGL, 20, "SHorGL");
        expectFiniteRows(st.SVertGL, 20, "SVertGL");
        expectFiniteRows(st.SHorVertGL, 20, "SHorVertGL");
        expectFiniteRows(st.RatioSecPrim, 20, "RatioSecPrim");
        expectFiniteRows(st.DiffDrainsGL, 20, "DiffDrainsGL");
        for (int k = 1; k <= 10; ++k) {
            for (Single days : {st.TimeRestHor(k), st.TimeRestVert(k), st.TimeRestHorGL(k),
                                st.TimeRestVertGL(k)}) {
                EXPECT_GE(days, 0.0f);
                EXPECT_LE(days, kRestTimeLimitDays);
            }
        }
        for (Single v : {st.DrainsPerM2, st.DrainsTotal, st.TconsHor, st.TconsVert, st.SPrimary,
                         st.Discharge}) {
            EXPECT_GE(v, 0.0f);
        }

        // One input without physical meaning is refused and changes nothing.
        const auto before = std::make_unique<Module1>(st);
        const double s10000 = num::readFieldNumber(form.Text6).value;
        switch (run % 4) {
        case 0:
            form.Text9 = gen.text(-gen.uniform(0.0, 1e5));
            break;
        case 1:
            form.Text6 = gen.text(s10 * gen.uniform(0.1, 0.99));
            break;
        case 2:
            // 10-day settlement at most a third of the creep after it: no primary settlement.
            form.Text5 = gen.text(s10000 * gen.uniform(0.01, 0.25));
            break;
        default:
            form.Text5 = gen.text(-s10);
            break;
        }
        t.desktop.messages.clear();
        t.app.runHandler([&] { form.Command1_Click(); });
        EXPECT_EQ(t.desktop.messages.size(), 1u)
            << form.Text5 << " " << form.Text6 << " " << form.Text9;
        EXPECT_TRUE(test::sameState(*before, t.state()));
    }
}

} // namespace
} // namespace korvex
