#pragma once

#include "platform/Dialogs.h"

namespace platform {

// The colour dialog as QColorDialog, opening on the colour it is given.
class QtColorDialogService : public ColorDialogService {
  public:
    std::optional<TColor> Pick(TColor initial) override;
};

}  // namespace platform
