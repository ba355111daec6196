#include "tests/support/DocumentBuilder.h"

#include <gtest/gtest.h>

#include "tests/support/ScriptedDialogs.h"

namespace testing_support {

TSubject* AddSubject(TDataFile& document, const std::string& name, std::vector<char> marks,
                     std::uint8_t inAverage, std::int32_t finalMark, const std::string& teacher,
                     const std::string& comment) {
    auto* subject = new TSubject;
    subject->Name = name;
    subject->Teacher = teacher;
    subject->Comment = comment;
    subject->InAverage = inAverage;
    subject->FinalMark = finalMark;
    for (const char mark : marks) subject->Marks.AddMark(static_cast<TMarkKind>(mark));
    document.Subjects.Add(subject);
    return subject;
}

TClEvent* AddEvent(TClCalendar& calendar, int year, int month, int day, const std::string& subject,
                   const std::string& category, const std::string& description) {
    auto* event = new TClEvent;
    event->Subject = subject;
    event->Category = category;
    event->Description = description;
    calendar.AddEvent(day, month, year, event);
    return event;
}

void MakeNew(TDataFile& document) {
    ScriptedFileDialogs noDialogs;
    platform::FileDialog unused(platform::FileDialogKind::Save, "", ".ocn");
    ASSERT_EQ(0, document.New(unused));
}

}  // namespace testing_support
