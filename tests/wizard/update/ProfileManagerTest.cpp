// The profile container frees every entry with its definitions; the
// sanitizer run shows any leak or double free.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/misc/CxList.h"
#include "wizard/update/Vxcommon.h"

namespace {

tagFUProfile* ProfileWith(int definitions) {
    auto* profile = new tagFUProfile{new CxList};
    for (int i = 0; i < definitions; ++i)
        profile->pDefinitions->Add(std::calloc(1, sizeof(tagFUFieldUpdate)));
    return profile;
}

TEST(CxFUProfileManager, ClearAndDestructorFreeWhatIsHeld) {
    CxFUProfileManager profiles;
    EXPECT_EQ(profiles.GetProfileList()->GetCount(), 0u);
    profiles.GetProfileList()->Add(ProfileWith(2));
    profiles.GetProfileList()->Add(ProfileWith(0));
    profiles.ClearProfiles();
    EXPECT_EQ(profiles.GetProfileList()->GetCount(), 0u);
    profiles.GetProfileList()->Add(ProfileWith(3)); // left to the destructor
}

} // namespace
