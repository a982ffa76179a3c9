#include "app/printing.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"
#include "support/temp_folder.h"
#include "ui/graph_window.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

TEST(Printing, WithoutAPrinterTheSamePagesAreOfferedAsAPdfFile) {
    TempFolder folder;
    FakeDesktop desktop;
    desktop.printerInstalled = false;
    const TextPrintJob job{{"Notice", "1.\tINPUT"}};
    GraphModel graph;

    desktop.saveAnswers = {folder.file("report.pdf"), folder.file("graph.pdf")};
    printTextPages(desktop, job);
    printGraphWindow(desktop, graph, kWideLandscapePrint);

    EXPECT_EQ(fileBytes(folder.file("report.pdf")), FakeDesktop::kPdfBytes);
    EXPECT_EQ(fileBytes(folder.file("graph.pdf")), FakeDesktop::kPdfBytes);
    ASSERT_EQ(desktop.pdfText.size(), 1u);
    EXPECT_EQ(desktop.pdfText[0].lines, job.lines);
    // The page of the print: the graph at its print size, landscape.
    ASSERT_EQ(desktop.pdfGraphs.size(), 1u);
    EXPECT_EQ(desktop.pdfGraphs[0].widthTwips, 15000);
    EXPECT_EQ(desktop.pdfGraphs[0].orientation, PageOrientation::Landscape);
    ASSERT_EQ(desktop.saveRequests.size(), 2u);
    EXPECT_EQ(desktop.saveRequests[0].filter, "PDF files (*.pdf)|*.pdf");
    EXPECT_TRUE(desktop.printedText.empty());
    EXPECT_TRUE(desktop.printedGraphs.empty());
    EXPECT_TRUE(desktop.messages.empty());

    // Cancel prints nothing and says nothing.
    printTextPages(desktop, job);
    printGraphWindow(desktop, graph);
    EXPECT_EQ(desktop.saveRequests.size(), 4u);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"graph.pdf", "report.pdf"}));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(Printing, APrinterThatFailsIsReportedAndNoFileIsOffered) {
    FakeDesktop desktop;
    desktop.printSucceeds = false;
    printTextPages(desktop, TextPrintJob{{"line"}});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "The printout could not be printed. Please check that a "
                                        "printer is installed and ready.");
    EXPECT_EQ(desktop.printedText.size(), 1u);
    EXPECT_TRUE(desktop.saveRequests.empty());
}

} // namespace
} // namespace korvex::test
