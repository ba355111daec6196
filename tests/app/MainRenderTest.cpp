#include <QImage>
#include <QPixmap>
#include <set>

#include "platform/qt/DrawGrid.h"
#include "tests/app/MainWindowFixture.h"

TEST_F(MainWindowTest, TheWholeWindowRendersToAPictureThatIsNotBlank) {
    TMainForm& form = Open();
    auto* subject = new TSubject;
    subject->Name = "Matematyka";
    subject->Marks.AddMark(12);
    form.DataFile.Subjects.Add(subject);
    auto* event = new TClEvent;
    event->Subject = "Kartkówka z ułamków";
    event->Category = "Kartkówka";
    form.DataFile.Calendar.AddEvent(3, 10, 2005, event);
    form.RefreshAll();
    form.SetTimeTableRange(0, true);
    form.show();

    const QImage image = form.grab().toImage();
    const std::string path = programDir.File("main-window.png");
    ASSERT_TRUE(image.save(QString::fromStdString(path)));

    const QImage loaded(QString::fromStdString(path));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(form.size(), loaded.size());
    std::set<QRgb> colours;
    for (int y = 0; y < loaded.height(); y += 3)
        for (int x = 0; x < loaded.width(); x += 3) colours.insert(loaded.pixel(x, y));
    EXPECT_GT(colours.size(), 20u);

    // The one column fills the grid: today's header reaches its right edge.
    const platform::DrawGrid& grid = *ui().TimeTableDrawGrid;
    const QPoint headerRight =
        grid.viewport()->mapTo(&form, QPoint(grid.viewport()->width() - 3, 8));
    EXPECT_NE(QColor(Qt::white).rgb(), loaded.pixel(headerRight));
}
