#include <gtest/gtest.h>

#include <QCursor>
#include <QMenu>

#include "platform/qt/PopupMenu.h"

namespace platform {
namespace {

TEST(PopupMenu, TopLeftAtThePoint) {
    QMenu menu;
    menu.addAction("Usuń dawne wpisy...");
    menu.addAction("Kategorie...");
    PopupAt(menu, QPoint(30, 40));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), QPoint(30, 40));
    menu.close();
}

TEST(PopupMenu, TopLeftAtTheMouse) {
    QMenu menu;
    menu.addAction("dzień");
    QCursor::setPos(QPoint(50, 60));
    PopupAtCursor(menu);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), QCursor::pos());
    menu.close();
}

}  // namespace
}  // namespace platform
