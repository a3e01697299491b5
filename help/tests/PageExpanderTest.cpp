#include "help/tool/PageExpander.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace norvik {

namespace {

using help::Fragments;
using help::PageExpander;

TEST(PageExpander, PutsEachNamedPieceInPlaceOfItsMarker) {
    const Fragments fragments{{"tax", "3,420円"}, {"table", "<table></table>"}};
    const PageExpander expander(fragments);
    EXPECT_EQ(expander.expand("税額は <!--norvik:tax-->。<!--norvik:table--><!--norvik:tax-->"),
              "税額は 3,420円。<table></table>3,420円");
    EXPECT_EQ(expander.expand("<!-- a plain comment stays -->"), "<!-- a plain comment stays -->");
}

// A misspelt or broken marker must stop the build rather than leave a hole in the help.
TEST(PageExpander, RefusesAMarkerThatNamesNothingOrIsNotClosed) {
    const Fragments fragments{{"tax", "3,420円"}};
    const PageExpander expander(fragments);
    for (const char* page : {"<!--norvik:taxx-->", "<!--norvik:tax", "a <!--norvik:-->"}) {
        EXPECT_THROW(expander.expand(page), std::runtime_error) << page;
    }
}

} // namespace

} // namespace norvik
