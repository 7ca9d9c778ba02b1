#include "linux/ui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include <vector>

namespace karusello {
namespace {

TEST(RandomPLWindow, ClientAreaAndControlsSitWhereTheFormPutsThem) {
    RandomPLWindow window;
    EXPECT_EQ(window.objectName(), "frmRandomPL");
    EXPECT_EQ(window.minimumSize(), QSize(414, 135));
    EXPECT_EQ(window.maximumSize(), QSize(414, 135));
    const std::vector<std::pair<const char*, QRect>> controls{
        {"SkinLabel1", {10, 5, 396, 121}},
        {"cmdWeiderherstellen", {8, 104, 139, 26}},
        {"cmdAbbruch", {215, 105, 91, 26}},
        {"cmdShuffel", {315, 105, 91, 26}},
    };
    for (const auto& [name, geometry] : controls) {
        const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->geometry(), geometry) << name;
    }
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(RandomPLWindow, TabOrderAndKeysTouchOnlyTheButtons) {
    RandomPLWindow window;
    EXPECT_EQ(window.focusWidget(), &window.cmdShuffel());
    EXPECT_EQ(window.cmdShuffel().nextInFocusChain(), &window.cmdAbbruch());
    EXPECT_EQ(window.cmdAbbruch().nextInFocusChain(), &window.cmdWeiderherstellen());
    EXPECT_EQ(window.SkinLabel1().focusPolicy(), Qt::NoFocus);
    // Neither Enter nor Escape triggers a button.
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().data();
    }
}

TEST(RandomPLWindow, LabelIsAWindowOfItsOwnWithPlainWrappedTextInABoldFont) {
    RandomPLWindow window;
    QLabel& label = window.SkinLabel1();
    EXPECT_NE(label.winId(), window.winId());
    EXPECT_EQ(label.font().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 8.25);
    EXPECT_EQ(label.font().weight(), QFont::Bold);
    EXPECT_TRUE(label.wordWrap());
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    // A line feed breaks the line: two short lines need more height than the same words on one.
    label.setText("eins zwei");
    const int oneLine = label.heightForWidth(label.width());
    label.setText("eins\nzwei");
    EXPECT_GT(label.heightForWidth(label.width()), oneLine);
}

TEST(RandomPLWindow, ClicksTicksAndTheCloseBoxReachTheirHandlers) {
    RandomPLWindow window;
    std::vector<FormEvent> events;
    int closes = 0;
    window.SetEventHandler([&](FormEvent event) { events.push_back(event); });
    window.SetCloseHandler([&] { ++closes; });

    window.cmdShuffel().click();
    window.cmdAbbruch().click();
    window.cmdWeiderherstellen().click();
    QMetaObject::invokeMethod(&window.Timer1(), "timeout");
    QMetaObject::invokeMethod(&window.Timer2(), "timeout");
    window.show();
    window.close();

    EXPECT_EQ(events, (std::vector{FormEvent::ShuffelClick, FormEvent::AbbruchClick,
                                   FormEvent::WeiderherstellenClick, FormEvent::Timer1,
                                   FormEvent::Timer2}));
    EXPECT_EQ(closes, 1);
    // The handler ends the program, or puts the end off while the host is being told of a
    // change: the close box alone does not take the window away.
    EXPECT_TRUE(window.isVisible());
}

TEST(RandomPLWindow, TimersRunAtOneAndFiveSecondsOnceStarted) {
    RandomPLWindow window;
    EXPECT_EQ(window.Timer1().interval(), 1000);
    EXPECT_EQ(window.Timer2().interval(), 5000);
    EXPECT_FALSE(window.TimersActive());
    window.StartTimers();
    EXPECT_TRUE(window.Timer1().isActive() && window.Timer2().isActive());
    window.StopTimers();
    EXPECT_FALSE(window.TimersActive());
}

} // namespace
} // namespace karusello
