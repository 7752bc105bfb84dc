#pragma once
// The nodes of the linked lists: one item reference, and the links of a doubly linked chain.
class TObject;

struct TNode {
  TObject* Item = nullptr;
};

struct TListNode : TNode {
  TListNode* Prev = nullptr;
  TListNode* Next = nullptr;
};
