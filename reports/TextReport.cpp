#include "reports/TextReport.h"

#include "platform/Numbers.h"
#include "reports/PageText.h"
#include "reports/ReportValues.h"

namespace {

const std::string kDoubleRule(46, '=');
const std::string kSingleRule(28, '-');

void WriteBanner(TPageText& page, const std::string& title) {
    page.Line(kDoubleRule);
    page.Line(title);
    page.Line(kDoubleRule);
    page.Line();
}

void WriteTitle(TPageText& page, const std::string& title) {
    page.Line(title);
    page.Line(kSingleRule);
}

void WriteTwoEmptyLines(TPageText& page) {
    page.Line();
    page.Line();
}

void WritePupilBlock(TPageText& page, const TStudent& student, const TReportContent& content) {
    page.Line("Uczeń: " + DocumentText(PupilText(student)));
    page.Line("Klasa: " + DocumentText(ClassText(student)));
    if (content.Checked(ContentBox::SchoolYear)) {
        page.Line("Rok szkolny: " + SchoolYearText(student));
        page.Line("Semestr: " + DocumentText(student.Term));
    }
    if (content.Checked(ContentBox::School))
        page.Line("Szkoła: " + DocumentText(student.SchoolName));
    WriteTwoEmptyLines(page);
}

void WriteSubject(TPageText& page, TSubject& subject, const TMarksValues& values,
                  const TReportContent& content) {
    WriteTitle(page, DocumentText(subject.Name));
    if (content.Checked(ContentBox::FinalMarks))
        page.Line("Ocena końcowa: " + FinalMarkText(subject));
    if (content.Checked(ContentBox::Marks)) page.Line("Oceny: " + MarksText(subject));
    if (content.Checked(ContentBox::Average))
        page.Line("Średnia: " + AverageText(SubjectAverageValue(subject, values)));
    if (content.Checked(ContentBox::SubjectStatus)) page.Line("Status: " + StatusText(subject));
    if (content.Checked(ContentBox::Teacher))
        page.Line("Nauczyciel: " + DocumentText(subject.Teacher));
    if (content.Checked(ContentBox::Desc)) page.Line("Notatka: " + DocumentText(subject.Comment));
    page.Line();
}

void WriteSubjectsBlock(TPageText& page, TDataFile& document, const TReportContent& content) {
    WriteBanner(page, "Przedmioty");
    for (std::int32_t i = 0; i < document.Subjects.Count; ++i)
        WriteSubject(page, *document.Subjects.Get(i), document.Settings.MarksValues, content);
    WriteTwoEmptyLines(page);
}

void WriteNameList(TPageText& page, const std::string& title,
                   const std::vector<std::string>& names) {
    WriteTitle(page, title);
    for (const std::string& name : names) page.Line(" - " + DocumentText(name));
    WriteTwoEmptyLines(page);
}

void WriteSummaryBlock(TPageText& page, TDataFile& document, const TReportContent& content,
                       const TGradeCounts& grades) {
    const TSubjectsSummary summary = SummarizeSubjects(document);
    WriteBanner(page, "Podsumowanie");
    page.Line("Przedmiotów obowiązkowych: " + platform::IntToStr(summary.CompulsoryCount) +
              ", Dodatkowych: " + platform::IntToStr(summary.ExtraCount));
    WriteTwoEmptyLines(page);
    if (content.Checked(ContentBox::Statistics)) {
        const auto count = [&grades](int grade) { return platform::IntToStr(grades[grade - 1]); };
        WriteTitle(page, "Statystyka ocen");
        page.Line("Celujących: " + count(6));
        page.Line("Bardzo dobrych: " + count(5));
        page.Line("Dobrych: " + count(4));
        page.Line("Dostatecznych: " + count(3));
        page.Line("Dopuszczających: " + count(2));
        page.Line("Niedostatecznych: " + count(1));
        page.Line("Wszystkich: " + platform::IntToStr(AllMarksCount(grades)));
        WriteTwoEmptyLines(page);
    }
    if (content.Checked(ContentBox::AverageInfo)) {
        WriteTitle(page, "Średnia");
        page.Line("Z ocen końcowych: " + AverageText(FinalAverageCompulsory(document)));
        page.Line("Z ocen końcowych z wszystkich przedmiotów: " +
                  AverageText(FinalAverageAll(document)));
        page.Line("Z ocen z przedmiotów obowiązkowych: " +
                  AverageText(MarksAverageCompulsory(document)));
        page.Line("Z ocen z wszystkich przedmiotów: " + AverageText(MarksAverageAll(document)));
        WriteTwoEmptyLines(page);
    }
    if (content.Checked(ContentBox::ExtraSubjects))
        WriteNameList(page, "Przedmioty dodatkowe", summary.ExtraSubjectsList);
    if (content.Checked(ContentBox::Menaces))
        WriteNameList(page, "Zagrożenia z przedmiotów", summary.EndangeredList);
}

}  // namespace

std::string WriteTextReport(TDataFile& document, const TReportContent& content) {
    const TGradeCounts grades = GradeCounts(document.Subjects);
    TPageText page;
    if (content.Checked(ContentBox::StudentData)) WritePupilBlock(page, document.Student, content);
    if (content.Checked(ContentBox::SubjectsData)) WriteSubjectsBlock(page, document, content);
    if (content.Checked(ContentBox::Summary)) WriteSummaryBlock(page, document, content, grades);
    return page.Bytes();
}
