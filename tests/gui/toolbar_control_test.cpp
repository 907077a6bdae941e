// The toolbar control on its own: bevels, the notification and the tip.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "app/toolbar_control.h"

namespace skyledger {
namespace {

constexpr int SIZE = 17;

class ToolbarControlTest : public ::testing::Test {
  protected:
    void SetUp() override { metrics = measureLayoutMetrics(); }

    ToolbarControl* make(int columns, int rows) {
        std::vector<QIcon> images;
        QStringList labels;
        for (int i = 0; i < columns * rows; ++i) {
            QPixmap image(SIZE, SIZE);
            image.fill(QColor(192, 192, 192));
            images.push_back(image);
            labels << QStringLiteral("Button %1").arg(i);
        }
        host.resize(400, 200);
        auto* bar = new ToolbarControl(SIZE, columns, rows, images, labels, metrics, &host, &host);
        bar->move(10, 10);
        host.show();
        QApplication::processEvents();
        return bar;
    }

    LayoutMetrics metrics;
    QWidget host;
};

TEST_F(ToolbarControlTest, DrawsRaisedAndPressedBevels) {
    ToolbarControl* bar = make(2, 1);
    EXPECT_EQ(bar->size(), QSize(46, 24));
    const QImage image = bar->grab().toImage();
    // Button 0 pressed at creation: black left and top, white right and bottom.
    const QPoint a = bar->buttonOrigin(0);
    EXPECT_EQ(a, QPoint(2, 2));
    EXPECT_EQ(image.pixel(a.x() - 1, a.y() + 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(a.x() + 5, a.y() - 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(a.x() + SIZE + 1, a.y() + 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(a.x() + 5, a.y() + SIZE + 1), qRgb(255, 255, 255));
    // Button 1 raised, one pitch further on.
    const QPoint b = bar->buttonOrigin(1);
    EXPECT_EQ(b, QPoint(2 + SIZE + 5, 2));
    EXPECT_EQ(image.pixel(b.x() - 1, b.y() + 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(b.x() + SIZE + 1, b.y() + 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(b.x() + 5, b.y() + SIZE + 1), qRgb(0, 0, 0));
}

TEST_F(ToolbarControlTest, ClicksNotifyEveryTimeAndPressOneButton) {
    ToolbarControl* radio = make(3, 2);
    EXPECT_EQ(radio->size(), QSize(68, 46));
    QSignalSpy spy(radio, &ToolbarControl::clicked);
    // Index = row x columns + column: the second row's middle button is 4.
    const QPoint four = radio->buttonOrigin(4);
    EXPECT_EQ(four, QPoint(2 + 22, 2 + 22));
    QTest::mouseClick(radio, Qt::LeftButton, {}, four + QPoint(SIZE, SIZE)); // edge included
    QTest::mouseClick(radio, Qt::LeftButton, {}, four);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[1], QList<QVariant>{4});
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(radio->isButtonPressed(i), i == 4);
    // Just outside the image square: no button.
    QTest::mouseClick(radio, Qt::LeftButton, {}, four + QPoint(SIZE + 1, 0));
    EXPECT_EQ(spy.count(), 2);
    radio->selectToolbarButton(99);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(radio->isButtonPressed(i));
}

TEST_F(ToolbarControlTest, TipShowsAfterTheRestAndGoesOnLeaveClickOrAnotherButton) {
    ToolbarControl* bar = make(3, 1);
    constexpr int DELAY = 300;
    bar->setTipDelay(DELAY);
    auto tipShows = [&] { return QTest::qWaitFor([&] { return bar->visibleTip(); }, 3000); };

    QElapsedTimer rest;
    rest.start();
    // A point between two images still hovers over its cell's button.
    QTest::mouseMove(bar, bar->buttonOrigin(1) - QPoint(1, 0));
    QApplication::processEvents();
    if (rest.elapsed() < DELAY) {
        EXPECT_EQ(bar->visibleTip(), nullptr);
    }
    ASSERT_TRUE(tipShows());
    EXPECT_GE(rest.elapsed(), DELAY);
    const QRect tip = bar->visibleTip()->geometry();
    const int cellX = 22;
    EXPECT_EQ(tip.topLeft(), bar->mapToGlobal(QPoint(cellX + metrics.gap, SIZE + 6)));
    EXPECT_EQ(tip.size(),
              QSize(metrics.textWidth("Button 1") + 2 * metrics.gap, metrics.buttonHeight));
    const QImage pixels = bar->visibleTip()->grab().toImage();
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixels.pixel(2, 2), qRgb(255, 255, 255));

    // Another button: the tip goes at once and comes back only after a rest.
    rest.restart();
    QTest::mouseMove(bar, bar->buttonOrigin(2) + QPoint(3, 3));
    if (rest.elapsed() < DELAY) {
        EXPECT_EQ(bar->visibleTip(), nullptr);
    }
    ASSERT_TRUE(tipShows());
    EXPECT_GE(rest.elapsed(), DELAY);

    // A click removes it, and no tip comes back without a new move.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->buttonOrigin(2) + QPoint(3, 3));
    EXPECT_EQ(bar->visibleTip(), nullptr);
    QTest::qWait(DELAY + 100);
    EXPECT_EQ(bar->visibleTip(), nullptr);

    // Leaving the control removes it.
    QTest::mouseMove(bar, bar->buttonOrigin(0) + QPoint(3, 3));
    ASSERT_TRUE(tipShows());
    QTest::mouseMove(&host, QPoint(300, 150));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar, &leave);
    EXPECT_EQ(bar->visibleTip(), nullptr);
}

} // namespace
} // namespace skyledger
