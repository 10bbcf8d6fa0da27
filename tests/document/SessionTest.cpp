#include <gtest/gtest.h>

#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The bookkeeping of Open, Save and New: the name, Changed, the saved image and the editor position move
// together, and a failed save moves none of them.
TEST(Session, OpenSaveAndCreateKeepNameImageAndPositionTogether) {
    TempDir dir;
    AppState state;
    state.EdCat = 3;
    state.Changed = true;
    DocumentOpened(state, MakeDocument(4, {{"Tests", 100}}), dir.File("a.mrk"));
    EXPECT_EQ(state.FileName, dir.File("a.mrk"));
    EXPECT_FALSE(state.Changed || HasUnsavedChanges(state));
    EXPECT_EQ(state.EdCat, 0);

    state.doc.InfoLine[1] = "Algebra";
    state.Changed = true;
    EXPECT_TRUE(HasUnsavedChanges(state));
    ASSERT_TRUE(SaveDocument(state, dir.File("missing/b.mrk")));
    EXPECT_EQ(state.FileName, dir.File("a.mrk"));
    EXPECT_TRUE(state.Changed && HasUnsavedChanges(state));

    ASSERT_FALSE(SaveDocument(state, dir.File("b.mrk")));
    EXPECT_EQ(state.FileName, dir.File("b.mrk"));
    EXPECT_FALSE(state.Changed || HasUnsavedChanges(state));
    EXPECT_EQ(ReadBytes(dir.File("b.mrk")), state.SavedImage);

    state.EdPage = 2;
    DocumentCreated(state);
    EXPECT_EQ(state.FileName, "Untitled");
    EXPECT_TRUE(HasUnsavedChanges(state));
    EXPECT_EQ(state.EdPage, 1);
}

} // namespace
