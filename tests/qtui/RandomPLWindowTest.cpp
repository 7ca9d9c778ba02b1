#include "qtui/RandomPLWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace karusello {
namespace {

TEST(RandomPLWindow, ClientAreaAndControlsSitWhereTheFormPutsThem) {
    RandomPLWindow window;
    EXPECT_EQ(window.objectName(), "frmRandomPL");
    EXPECT_EQ(window.size(), QSize(414, 135));
    EXPECT_EQ(window.minimumSize(), QSize(414, 135));
    EXPECT_EQ(window.maximumSize(), QSize(414, 135));

    struct Expected {
        const char* name;
        QRect geometry;
    };
    const std::vector<Expected> controls{
        {"SkinLabel1", {10, 5, 396, 121}},
        {"cmdWeiderherstellen", {8, 104, 139, 26}},
        {"cmdAbbruch", {215, 105, 91, 26}},
        {"cmdShuffel", {315, 105, 91, 26}},
    };
    for (const auto& control : controls) {
        const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    EXPECT_EQ(&window.SkinLabel1(), window.findChild<QLabel*>("SkinLabel1"));
    EXPECT_EQ(&window.cmdShuffel(), window.findChild<QPushButton*>("cmdShuffel"));
}

TEST(RandomPLWindow, TabOrderRunsShuffleCancelRestoreAndSkipsTheLabel) {
    RandomPLWindow window;
    QWidget* shuffle = &window.cmdShuffel();
    EXPECT_EQ(shuffle->nextInFocusChain(), &window.cmdAbbruch());
    EXPECT_EQ(window.cmdAbbruch().nextInFocusChain(), &window.cmdWeiderherstellen());
    EXPECT_EQ(window.SkinLabel1().focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window.focusWidget(), shuffle);
}

TEST(RandomPLWindow, NoButtonReactsToEnterOrEscape) {
    RandomPLWindow window;
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
}

TEST(RandomPLWindow, LabelShowsPlainWrappedTextInTheFormsBoldFont) {
    RandomPLWindow window;
    QLabel& label = window.SkinLabel1();
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_TRUE(label.wordWrap());
    EXPECT_EQ(label.font().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 8.25);
    EXPECT_EQ(label.font().weight(), QFont::Bold);

    // A line feed breaks the line: two short lines need more height than the same words on one.
    label.setText("eins zwei");
    const int oneLine = label.heightForWidth(label.width());
    label.setText("eins\nzwei");
    EXPECT_GT(label.heightForWidth(label.width()), oneLine);
    label.setText("<b>fett</b>");
    EXPECT_EQ(label.text(), "<b>fett</b>");
}

TEST(RandomPLWindow, LabelIsAWindowOfItsOwnAndTheWindowHasAnIcon) {
    RandomPLWindow window;
    EXPECT_TRUE(window.SkinLabel1().testAttribute(Qt::WA_NativeWindow));
    EXPECT_NE(window.SkinLabel1().winId(), window.winId());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(RandomPLWindow, ClicksAndTicksReachTheEventHandler) {
    RandomPLWindow window;
    std::vector<FormEvent> events;
    window.SetEventHandler([&](FormEvent event) { events.push_back(event); });

    window.cmdShuffel().click();
    window.cmdAbbruch().click();
    window.cmdWeiderherstellen().click();
    QMetaObject::invokeMethod(&window.Timer1(), "timeout");
    QMetaObject::invokeMethod(&window.Timer2(), "timeout");

    const std::vector<FormEvent> expected{FormEvent::ShuffelClick, FormEvent::AbbruchClick,
                                          FormEvent::WeiderherstellenClick, FormEvent::Timer1,
                                          FormEvent::Timer2};
    EXPECT_EQ(events, expected);
}

TEST(RandomPLWindow, TimersRunAtOneAndFiveSecondsOnlyOnceStarted) {
    RandomPLWindow window;
    EXPECT_EQ(window.Timer1().interval(), 1000);
    EXPECT_EQ(window.Timer2().interval(), 5000);
    EXPECT_FALSE(window.TimersActive());
    window.StartTimers();
    EXPECT_TRUE(window.Timer1().isActive());
    EXPECT_TRUE(window.Timer2().isActive());
    window.StopTimers();
    EXPECT_FALSE(window.TimersActive());
}

TEST(RandomPLWindow, CloseBoxCallsTheCloseHandler) {
    RandomPLWindow window;
    int closes = 0;
    window.SetCloseHandler([&] { ++closes; });
    window.show();
    window.close();
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace karusello
