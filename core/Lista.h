#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/FixedPool.h"

// One node of a TLista; the list owns both the node and its item. Nodes of every list come
// from one pool (they are all the same size), not one heap allocation each.
template <typename T>
struct TListaNode {
    T* Data = nullptr;
    TListaNode* Prev = nullptr;
    TListaNode* Next = nullptr;

    static void* operator new(std::size_t size) { return PooledNew<TListaNode>(size); }
    static void operator delete(void* pointer, std::size_t size) noexcept {
        PooledDelete<TListaNode>(pointer, size);
    }
};

// The program's one container: a doubly linked list that owns its items and is reached by
// index. A cursor remembers the node reached last, so an index loop costs one link a step.
// `Free` releases an item the list owns; items made with new by default.
template <typename T, typename Free = std::default_delete<T>>
class TLista {
  public:
    TListaNode<T> Head;
    TListaNode<T> Tail;
    TListaNode<T>* Cursor = nullptr;
    std::int32_t CursorIndex = 0;
    std::int32_t Count = 0;

    TLista() {
        Head.Next = &Tail;
        Tail.Prev = &Head;
    }
    ~TLista() { DeleteNodes(); }
    TLista(const TLista&) = delete;
    TLista& operator=(const TLista&) = delete;

    // Appends; takes ownership of the item. The cursor stays where it was.
    std::int32_t Add(T* item) {
        auto* node = new TListaNode<T>;
        node->Data = item;
        Link(Tail.Prev, node, &Tail);
        ++Count;
        return 0;
    }

    // Inserts before the item at index, which the new item then takes; 1 (and the item not
    // taken) unless 0 <= index < Count.
    std::int32_t InsertAt(std::int32_t index, T* item) {
        if (index < 0 || index >= Count) return 1;
        auto* node = new TListaNode<T>;
        node->Data = item;
        TListaNode<T>* at = GetNode(index);
        Link(at->Prev, node, at);
        if (index <= CursorIndex) ++CursorIndex;
        ++Count;
        return 0;
    }

    // Walks to the node of the index from the strictly nearest of head, tail and cursor,
    // and leaves the cursor there. Callers keep 0 <= index < Count.
    TListaNode<T>* GetNode(std::int32_t index) {
        if (index < 0 || index >= Count) IndexOutOfRange(index);
        TListaNode<T>* node = nullptr;
        const Path path = ChoosePath(index);
        switch (path.start) {
            case Start::Head:
                node = Head.Next;
                for (std::int32_t i = 0; i < path.steps; ++i) node = node->Next;
                break;
            case Start::Tail:
                node = Tail.Prev;
                for (std::int32_t i = 0; i < path.steps; ++i) node = node->Prev;
                break;
            case Start::CursorForward:
                node = Cursor;
                for (std::int32_t i = 0; i < path.steps; ++i) node = node->Next;
                break;
            case Start::CursorBackward:
                node = Cursor;
                for (std::int32_t i = 0; i < path.steps; ++i) node = node->Prev;
                break;
        }
        Cursor = node;
        CursorIndex = index;
        return node;
    }

    T* Get(std::int32_t index) { return GetNode(index)->Data; }

    // Unlinks the item at index and deletes it; 1 unless 0 <= index < Count.
    std::int32_t Delete(std::int32_t index) {
        if (index < 0 || index >= Count) return 1;
        TListaNode<T>* node = GetNode(index);
        // The cursor steps back to the predecessor, the head sentinel (index -1) for item 0.
        Cursor = node->Prev;
        --CursorIndex;
        node->Prev->Next = node->Next;
        node->Next->Prev = node->Prev;
        Free()(node->Data);
        delete node;
        --Count;
        return 0;
    }

    std::int32_t Clear() {
        DeleteNodes();
        Cursor = nullptr;
        CursorIndex = 0;
        Count = 0;
        Head.Next = &Tail;
        Tail.Prev = &Head;
        return 0;
    }

    enum class Start { Head, Tail, CursorForward, CursorBackward };
    struct Path {
        Start start;
        std::int32_t steps;
        bool operator==(const Path&) const = default;
    };

    // Head with index steps; the tail when 2i + 1 > Count; the cursor only when strictly
    // nearer than either (ties go to the head over the tail, to a sentinel over the cursor).
    Path ChoosePath(std::int32_t index) const {
        Path path{Start::Head, index};
        if (2 * index + 1 > Count) path = {Start::Tail, Count - index - 1};
        if (Cursor != nullptr) {
            const std::int32_t distance =
                index > CursorIndex ? index - CursorIndex : CursorIndex - index;
            if (distance < path.steps)
                path = {index > CursorIndex ? Start::CursorForward : Start::CursorBackward,
                        distance};
        }
        return path;
    }

  private:
    // Reaching a sentinel's null item would corrupt memory later; stop at once instead.
    [[noreturn]] void IndexOutOfRange(std::int32_t index) const {
        std::fprintf(stderr, "TLista: index %d outside 0..%d\n", index, Count - 1);
        std::abort();
    }

    static void Link(TListaNode<T>* before, TListaNode<T>* node, TListaNode<T>* after) {
        node->Prev = before;
        node->Next = after;
        before->Next = node;
        after->Prev = node;
    }

    void DeleteNodes() {
        TListaNode<T>* node = Head.Next;
        for (std::int32_t i = 0; i < Count; ++i) {
            TListaNode<T>* next = node->Next;
            Free()(node->Data);
            node->Data = nullptr;
            delete node;
            node = next;
        }
    }
};
