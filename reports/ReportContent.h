#pragma once

#include <array>
#include <cstdint>

// The content boxes of the grade reports, in the order of their bytes in the settings files.
// Each group's box comes before its sub-items.
enum class ContentBox : int {
    StudentData,
    School,
    SchoolYear,
    SubjectsData,
    FinalMarks,
    Marks,
    Average,
    SubjectStatus,
    Teacher,
    Desc,
    Summary,
    Statistics,
    AverageInfo,
    Menaces,
    ExtraSubjects,
};
inline constexpr int kContentBoxes = 15;

// What a grade report holds: three groups of check boxes that behave as the dialog's boxes do.
// Setting a box to a new state runs its click rule, as a user's click would; setting the state
// it already has runs nothing. A group switched on gets its default sub-items, a group
// switched off clears them, and a sub-item cannot be on while its group is off.
// A new content holds the defaults.
class TReportContent {
  public:
    TReportContent();

    bool Checked(ContentBox box) const { return checked_[Index(box)]; }
    void SetChecked(ContentBox box, bool checked);
    // A user's click: the box's state flips and its rule runs.
    void Click(ContentBox box) { SetChecked(box, !Checked(box)); }
    // Runs the box's click rule as it stands, as the default routine does for each group.
    void RunClickRule(ContentBox box);
    // All three groups on with their default sub-items.
    void SetDefaults();
    // Every box unchecked, as the dialogs' boxes stand before their first showing.
    static TReportContent AllUnchecked();

    static bool IsGroup(ContentBox box);
    // The group a sub-item belongs to (a group is its own).
    static ContentBox GroupOf(ContentBox box);

    bool operator==(const TReportContent&) const = default;

  private:
    static constexpr int Index(ContentBox box) { return static_cast<int>(box); }
    void ApplyGroupRule(ContentBox group);

    std::array<bool, kContentBoxes> checked_{};
};
