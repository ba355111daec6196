#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "core/Lista.h"

namespace {

using IntList = TLista<int>;
using Start = IntList::Start;
using Path = IntList::Path;

// Items that count their own destruction, to see what the list deletes.
struct Counted {
    explicit Counted(int& deaths) : deaths(deaths) {}
    ~Counted() { ++deaths; }
    int& deaths;
};

void Fill(IntList& list, int count) {
    for (int i = 0; i < count; ++i) list.Add(new int(i));
}

std::vector<int> Items(IntList& list) {
    std::vector<int> items;
    for (int i = 0; i < list.Count; ++i) items.push_back(*list.Get(i));
    return items;
}

// The index the cursor really stands on, found by walking the links; -1 for the head.
int IndexOfCursor(const IntList& list) {
    if (list.Cursor == &list.Head) return -1;
    int index = 0;
    for (const TListaNode<int>* node = list.Head.Next; node != &list.Tail; node = node->Next) {
        if (node == list.Cursor) return index;
        ++index;
    }
    return -2;  // not in the list at all
}

void ExpectEmpty(const IntList& list) {
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(list.Head.Next, &list.Tail);
    EXPECT_EQ(list.Tail.Prev, &list.Head);
    EXPECT_EQ(list.Cursor, nullptr);
    EXPECT_EQ(list.CursorIndex, 0);
}

TEST(ListaTest, NewAndClearedListsAreEmpty) {
    IntList list;
    ExpectEmpty(list);
    EXPECT_EQ(list.Clear(), 0);
    ExpectEmpty(list);
    Fill(list, 6);
    list.Get(4);
    EXPECT_EQ(list.Clear(), 0);
    ExpectEmpty(list);
}

TEST(ListaTest, AddAppendsAndLeavesTheCursor) {
    IntList list;
    Fill(list, 5);
    list.Get(3);
    TListaNode<int>* cursor = list.Cursor;
    EXPECT_EQ(list.Add(new int(5)), 0);
    EXPECT_EQ(list.Cursor, cursor);
    EXPECT_EQ(list.CursorIndex, 3);
    EXPECT_EQ(Items(list), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(ListaPathTest, WithoutCursorTheNearerSentinelTiesToTheHead) {
    IntList odd;
    Fill(odd, 5);
    EXPECT_EQ(odd.ChoosePath(2), (Path{Start::Head, 2}));
    EXPECT_EQ(odd.ChoosePath(3), (Path{Start::Tail, 1}));
    IntList even;
    Fill(even, 4);
    EXPECT_EQ(even.ChoosePath(1), (Path{Start::Head, 1}));
    EXPECT_EQ(even.ChoosePath(2), (Path{Start::Tail, 1}));
}

TEST(ListaPathTest, CursorWinsOnlyWhenStrictlyNearer) {
    IntList list;
    Fill(list, 10);
    list.Get(5);
    EXPECT_EQ(list.ChoosePath(6), (Path{Start::CursorForward, 1}));
    EXPECT_EQ(list.ChoosePath(3), (Path{Start::CursorBackward, 2}));
    EXPECT_EQ(list.ChoosePath(7), (Path{Start::Tail, 2}));  // a tie: the sentinel wins
    EXPECT_EQ(list.ChoosePath(9), (Path{Start::Tail, 0}));
    EXPECT_EQ(list.ChoosePath(1), (Path{Start::Head, 1}));

    list.Get(4);
    EXPECT_EQ(list.ChoosePath(4), (Path{Start::CursorBackward, 0}));
    TListaNode<int>* cursor = list.Cursor;
    EXPECT_EQ(*list.Get(4), 4);
    EXPECT_EQ(list.Cursor, cursor);
    list.Get(9);  // on the last item the zero-step tail path is taken
    EXPECT_EQ(list.ChoosePath(9), (Path{Start::Tail, 0}));
}

TEST(ListaTest, InsertAtTakesTheIndexAndKeepsTheCursorOnItsNode) {
    IntList list;
    Fill(list, 5);
    int* former = list.Get(2);
    EXPECT_EQ(list.InsertAt(2, new int(42)), 0);
    EXPECT_EQ(list.Cursor->Data, former);
    EXPECT_EQ(list.CursorIndex, 3);
    EXPECT_EQ(list.InsertAt(0, new int(-1)), 0);
    EXPECT_EQ(Items(list), (std::vector<int>{-1, 0, 1, 42, 2, 3, 4}));
}

TEST(ListaTest, DeleteMovesTheCursorToThePredecessor) {
    IntList list;
    Fill(list, 5);
    EXPECT_EQ(list.Delete(2), 0);
    EXPECT_EQ(list.CursorIndex, 1);
    EXPECT_EQ(IndexOfCursor(list), 1);
    EXPECT_EQ(*list.Get(2), 3);
    EXPECT_EQ(*list.Get(1), 1);
    // Deleting the first item parks the cursor on the head sentinel.
    EXPECT_EQ(list.Delete(0), 0);
    EXPECT_EQ(list.Cursor, &list.Head);
    EXPECT_EQ(list.CursorIndex, -1);
    EXPECT_EQ(list.ChoosePath(0), (Path{Start::Head, 0}));
    EXPECT_EQ(Items(list), (std::vector<int>{1, 3, 4}));
}

TEST(ListaTest, DeletingTheOnlyItemEmptiesTheList) {
    IntList list;
    list.Add(new int(1));
    EXPECT_EQ(list.Delete(0), 0);
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(list.Head.Next, &list.Tail);
    EXPECT_EQ(list.Tail.Prev, &list.Head);
    list.Add(new int(2));
    EXPECT_EQ(*list.Get(0), 2);
}

TEST(ListaTest, IndexesOutsideTheItemsAreRefused) {
    IntList list;
    Fill(list, 3);
    list.Get(1);
    auto item = std::make_unique<int>(9);
    EXPECT_EQ(list.InsertAt(3, item.get()), 1);  // cannot append; the item is not taken
    EXPECT_EQ(list.InsertAt(-1, item.get()), 1);
    EXPECT_EQ(list.Delete(3), 1);
    EXPECT_EQ(list.Delete(-1), 1);
    EXPECT_EQ(list.CursorIndex, 1);
    EXPECT_EQ(Items(list), (std::vector<int>{0, 1, 2}));
}

TEST(ListaTest, TheListDeletesItsItems) {
    int deaths = 0;
    {
        TLista<Counted> list;
        for (int i = 0; i < 4; ++i) list.Add(new Counted(deaths));
        list.Add(nullptr);  // a list may hold a null item
        list.Delete(1);
        EXPECT_EQ(deaths, 1);
        list.Clear();
        EXPECT_EQ(deaths, 4);
        for (int i = 0; i < 3; ++i) list.Add(new Counted(deaths));
    }
    EXPECT_EQ(deaths, 7);
}

// Random edits checked against a vector: the items stay in order and the cursor's index
// always names the node it points at.
TEST(ListaTest, RandomEditsKeepOrderAndCursor) {
    std::mt19937 random(20040310);
    IntList list;
    std::vector<int> model;
    int next = 0;
    for (int step = 0; step < 4000; ++step) {
        const int count = static_cast<int>(model.size());
        const int index = count == 0 ? 0 : static_cast<int>(random() % count);
        switch (random() % 4) {
            case 0:
                list.Add(new int(next));
                model.push_back(next++);
                break;
            case 1:
                if (count == 0) break;
                ASSERT_EQ(list.InsertAt(index, new int(next)), 0);
                model.insert(model.begin() + index, next++);
                break;
            case 2:
                if (count == 0) break;
                ASSERT_EQ(list.Delete(index), 0);
                model.erase(model.begin() + index);
                break;
            default:
                if (count == 0) break;
                ASSERT_EQ(*list.Get(index), model[static_cast<std::size_t>(index)]);
                break;
        }
        ASSERT_EQ(list.Count, static_cast<int>(model.size()));
        if (list.Cursor != nullptr) {
            ASSERT_EQ(IndexOfCursor(list), list.CursorIndex);
        }
    }
    EXPECT_EQ(Items(list), model);
}

using ListaDeathTest = ::testing::Test;

TEST_F(ListaDeathTest, GetOutsideTheItemsStopsTheProgram) {
    IntList list;
    Fill(list, 3);
    EXPECT_DEATH(list.Get(3), "index 3 outside 0..2");
    EXPECT_DEATH(list.Get(-1), "index -1 outside");
    EXPECT_DEATH(list.GetNode(7), "outside");
    IntList empty;
    EXPECT_DEATH(empty.Get(0), "outside");
}

}  // namespace
