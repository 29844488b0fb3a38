#include <gtest/gtest.h>

#include "reports/pdf_export.h"
#include "support/qt_printers.h"

using namespace lmk17;

// The export never writes a file the user cannot recognise as a PDF, and
// never doubles the suffix the user typed.
TEST(PdfFilePath, AddsTheSuffixOnlyWhenMissing) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"/home/u/config", "/home/u/config.pdf"},
        {"/home/u/config.pdf", "/home/u/config.pdf"},
        {"/home/u/CONFIG.PDF", "/home/u/CONFIG.PDF"},
        {"/home/u/config.ptf", "/home/u/config.ptf.pdf"},
        {"/home/u/a.pdf.txt", "/home/u/a.pdf.txt.pdf"},
        {"", ""},  // the dialog was cancelled: nothing is written
    };
    for (const auto& c : cases)
        EXPECT_EQ(PdfFilePath(QString::fromUtf8(c.chosen)), QString::fromUtf8(c.written))
            << c.chosen;
}
