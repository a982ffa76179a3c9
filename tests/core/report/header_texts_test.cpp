#include "report/header_texts.h"

#include "observations/form13_observations.h"
#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// Loading the observation window sets ListMode and TShift and counts the observations again; a
// report header must read its texts without that.
TEST(HeaderTexts, AreWhatLoadingWouldShowWithoutLoadingAndTheBoxesOnceLoaded) {
    struct Case {
        Integer method;
        const char* plateCode;
        HeaderTexts expected;
    };
    const Case cases[] = {
        {0, "", {"Dike A, km 3", "BH 12", "", "BH1plate"}},
        {1, "  ", {"Dike A, km 3", "BH 12", "Terzaghi-Bjerrum", "BH1plate"}},
        {2, "P-7", {"Dike A, km 3", "BH 12", "Terzaghi-Koppejan", "P-7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        TestApp t;
        Module1& st = t.state();
        st.Method = c.method;
        st.ProjectName = "Dike A, km 3";
        st.BoreHole = "BH 12";
        st.PlateCode = c.plateCode;
        st.ListMode = 0;
        st.TShift = 5.0f;
        st.NObs = 3.0f; // with an empty table, a recount would make it 0

        EXPECT_EQ(headerTexts(t.app), c.expected);
        EXPECT_TRUE(t.windows().loadedInOrder().empty());
        EXPECT_EQ(st.ListMode, 0);
        EXPECT_EQ(st.TShift, 5.0f);
        EXPECT_EQ(st.NObs, 3.0f);

        Form1& form1 = t.windows().load<Form1>();
        Form13& form13 = t.windows().load<Form13>();
        EXPECT_EQ((HeaderTexts{form1.Text1, form1.Text2, form1.Text3, form13.Text1}), c.expected);

        form1.Text1 = "Dike B";
        form1.Text2 = "BH 3";
        form1.Text3 = "typed";
        form13.Text1 = "P-9";
        EXPECT_EQ(headerTexts(t.app), (HeaderTexts{"Dike B", "BH 3", "typed", "P-9"}));
    }
}

} // namespace
} // namespace korvex::test
