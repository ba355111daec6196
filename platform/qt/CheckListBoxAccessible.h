#pragma once

class QAccessibleInterface;

namespace platform {

class CheckListBox;

// A check list as assistive technology sees it: a list whose items can be checked and say
// whether they are, and whose "Toggle" ticks or unticks an item as Space or a click on its box
// does; the current item is the focus and the selection.
QAccessibleInterface* NewAccessibleCheckListBox(CheckListBox& list);

// Tells assistive technology that the item at `row` was ticked or unticked.
void AnnounceCheckState(CheckListBox& list, int row);

}  // namespace platform
