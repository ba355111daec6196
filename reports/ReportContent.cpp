#include "reports/ReportContent.h"

#include <initializer_list>
#include <span>

namespace {

struct SubItem {
    ContentBox box;
    bool onWithGroup;
};

// A group's sub-items in the order the group rule sets them, with the state each gets when
// the group is switched on.
std::span<const SubItem> SubItemsOf(ContentBox group) {
    static constexpr SubItem pupil[] = {{ContentBox::SchoolYear, true}, {ContentBox::School, true}};
    static constexpr SubItem subjects[] = {
        {ContentBox::FinalMarks, true}, {ContentBox::Marks, true},
        {ContentBox::Average, true},    {ContentBox::SubjectStatus, true},
        {ContentBox::Teacher, false},   {ContentBox::Desc, false}};
    static constexpr SubItem summary[] = {{ContentBox::Statistics, true},
                                          {ContentBox::AverageInfo, true},
                                          {ContentBox::Menaces, false},
                                          {ContentBox::ExtraSubjects, false}};
    switch (group) {
        case ContentBox::StudentData:
            return pupil;
        case ContentBox::SubjectsData:
            return subjects;
        default:
            return summary;
    }
}

}  // namespace

TReportContent::TReportContent() {
    SetDefaults();
}

bool TReportContent::IsGroup(ContentBox box) {
    return box == ContentBox::StudentData || box == ContentBox::SubjectsData ||
           box == ContentBox::Summary;
}

ContentBox TReportContent::GroupOf(ContentBox box) {
    if (box < ContentBox::SubjectsData) return ContentBox::StudentData;
    if (box < ContentBox::Summary) return ContentBox::SubjectsData;
    return ContentBox::Summary;
}

void TReportContent::SetChecked(ContentBox box, bool checked) {
    if (Checked(box) == checked) return;
    checked_[Index(box)] = checked;
    RunClickRule(box);
}

void TReportContent::RunClickRule(ContentBox box) {
    if (IsGroup(box)) {
        ApplyGroupRule(box);
    } else if (!Checked(GroupOf(box))) {
        SetChecked(box, false);
    }
}

void TReportContent::ApplyGroupRule(ContentBox group) {
    const bool on = Checked(group);
    for (const SubItem& item : SubItemsOf(group)) SetChecked(item.box, on && item.onWithGroup);
}

TReportContent TReportContent::AllUnchecked() {
    TReportContent content;
    content.checked_.fill(false);
    return content;
}

void TReportContent::SetDefaults() {
    for (const ContentBox group :
         {ContentBox::StudentData, ContentBox::SubjectsData, ContentBox::Summary}) {
        // The rule runs even when the group was on already, so its sub-items are reset.
        SetChecked(group, true);
        RunClickRule(group);
    }
}
