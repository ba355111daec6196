#pragma once

namespace platform {

// Gives every control a name for screen readers (and tests through the accessibility
// interface): a push or tool button without a caption is named by its hint, a panel by its
// caption after its own accessible name (else by that name or its hint). Edits, memos and combo
// boxes are named by the label whose buddy they are, as Qt does. A panel with an action is a button
// and a link label a link, each with a press action; a check list's items are checkable. A press
// through the interface (a button's, a panel's, a link's, a grid row's) runs after the call has
// returned, so the reply never waits for a window it opens. Called once by the application object.
void InstallAccessibleNames();

}  // namespace platform
