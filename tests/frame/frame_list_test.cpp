#include "frame/frame_list.h"
#include "imaging/packed_image.h"
#include "support/heap_census.h"

#include <gtest/gtest.h>

namespace
{

HGLOBAL SmallImage()
{
    return CreatePackedImage(4, 3, nullptr, 8);
}

TEST(FrameList, AppendsInOrderAndFreesEverything)
{
    HeapCensus census;
    FrameList list = {};
    for (int i = 0; i < 3; i++)
        ASSERT_EQ(1, AddFrame(&list, SmallImage(), 10 + i));
    ASSERT_EQ(3, list.count);
    ASSERT_NE(nullptr, list.block);

    FrameRecord record;
    for (int i = 0; i < 3; i++) {
        ASSERT_EQ(1, GetFrame(&record, &list, i));
        EXPECT_NE(nullptr, record.image);
        EXPECT_EQ(nullptr, record.mask);
        EXPECT_EQ(10 + i, record.delay);
        EXPECT_EQ(-1, record.transparentIndex);
    }

    // A record given a mask owns it too.
    ASSERT_EQ(1, GetFrame(&record, &list, 1));
    record.mask = CreatePackedImage(4, 3, nullptr, 1);
    record.transparentIndex = 7;
    ASSERT_EQ(1, PutFrame(&record, &list, 1));
    FrameRecord back;
    ASSERT_EQ(1, GetFrame(&back, &list, 1));
    EXPECT_EQ(record.mask, back.mask);
    EXPECT_EQ(7, back.transparentIndex);

    ASSERT_EQ(1, SetLastFrameDelay(&list, 99));
    ASSERT_EQ(1, GetFrame(&back, &list, 2));
    EXPECT_EQ(99, back.delay);

    EXPECT_EQ(1, FreeFrameList(&list));
    EXPECT_EQ(0, list.count);
    EXPECT_EQ(nullptr, list.block);
    EXPECT_EQ(0, census.Leaked());

    // An emptied list takes frames again.
    ASSERT_EQ(1, AddFrame(&list, SmallImage(), 5));
    EXPECT_EQ(1, list.count);
    FreeFrameList(&list);
    EXPECT_EQ(0, census.Leaked());
}

TEST(FrameList, RefusesWhatIsNotThere)
{
    FrameList list = {};
    FrameRecord record = {};
    EXPECT_EQ(0, SetLastFrameDelay(&list, 3));
    EXPECT_EQ(0, list.count);
    EXPECT_EQ(nullptr, list.block);
    EXPECT_EQ(0, GetFrame(&record, &list, 0));
    EXPECT_EQ(0, PutFrame(&record, &list, 0));

    ASSERT_EQ(1, AddFrame(&list, SmallImage(), 1));
    EXPECT_EQ(0, GetFrame(&record, &list, 1)); // index equal to count
    EXPECT_EQ(0, GetFrame(&record, &list, -1));
    EXPECT_EQ(0, PutFrame(&record, &list, 1));
    FreeFrameList(&list);
}

} // namespace
