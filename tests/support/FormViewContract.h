#pragma once

// What the workflow relies on of a window behind FormView, checked the same way for every
// toolkit: a test program instantiates FormViewContract with a probe of its window.
//
// A probe is default-constructible, makes a window as the program does (not shown, 96 DPI) and
// has these members:
//   FormView& View();
//   Geometry ClientArea();                      // left and top 0
//   Geometry Control(const std::string& name);  // SkinLabel1, cmdShuffel, ... in client pixels
//   std::string Caption();
//   std::string ButtonCaption(Button button);
//   bool ButtonEnabled(Button button);
//   std::string LabelText();
//   bool BusyPointer();                         // what the pointer shows over the window
//   std::vector<std::string> TabOrder();        // from the first focus on, as Tab moves it
//   int LabelTextHeight(const std::string& text);

#include "core/app/interfaces/FormView.h"
#include "core/errors/RuntimeError.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace karusello::test {

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Geometry& g) {
        return out << g.left << "," << g.top << " " << g.width << "x" << g.height;
    }
};

template <typename Probe> class FormViewContract : public testing::Test {
protected:
    Probe probe;
};

TYPED_TEST_SUITE_P(FormViewContract);

// The form's twips divided by 15.
TYPED_TEST_P(FormViewContract, ClientAreaAndControlsSitWhereTheFormPutsThem) {
    auto& window = this->probe;
    EXPECT_EQ(window.ClientArea(), (Geometry{0, 0, 414, 135}));
    EXPECT_EQ(window.Control("SkinLabel1"), (Geometry{10, 5, 396, 121}));
    EXPECT_EQ(window.Control("cmdWeiderherstellen"), (Geometry{8, 104, 139, 26}));
    EXPECT_EQ(window.Control("cmdAbbruch"), (Geometry{215, 105, 91, 26}));
    EXPECT_EQ(window.Control("cmdShuffel"), (Geometry{315, 105, 91, 26}));
}

TYPED_TEST_P(FormViewContract, TextsAndEnablingReachTheirControlsWithTheirUmlauts) {
    auto& window = this->probe;
    FormView& view = window.View();
    view.SetCaption("Brisolan Karusello");
    view.SetButtonCaption(Button::Shuffel, "Shuffle");
    view.SetButtonCaption(Button::Abbruch, "Abbrechen");
    view.SetButtonCaption(Button::Weiderherstellen, "Wiederherstellen");
    const std::string line = "Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
                             "Zur Zeit ist dies die Playliste [ Größte Hits – Ä€ ] ";
    view.SetLabelText(line);
    view.SetButtonEnabled(Button::Weiderherstellen, false);
    view.SetButtonEnabled(Button::Abbruch, false);
    view.SetButtonEnabled(Button::Abbruch, true);

    EXPECT_EQ(window.Caption(), "Brisolan Karusello");
    EXPECT_EQ(window.ButtonCaption(Button::Shuffel), "Shuffle");
    EXPECT_EQ(window.ButtonCaption(Button::Abbruch), "Abbrechen");
    EXPECT_EQ(window.ButtonCaption(Button::Weiderherstellen), "Wiederherstellen");
    EXPECT_EQ(window.LabelText(), line);
    EXPECT_TRUE(window.ButtonEnabled(Button::Shuffel));
    EXPECT_TRUE(window.ButtonEnabled(Button::Abbruch));
    EXPECT_FALSE(window.ButtonEnabled(Button::Weiderherstellen));
}

TYPED_TEST_P(FormViewContract, HourglassComesAndGoesWithOneCallEach) {
    auto& window = this->probe;
    EXPECT_FALSE(window.BusyPointer());
    window.View().SetMousePointer(vbHourglass);
    EXPECT_TRUE(window.BusyPointer());
    window.View().SetMousePointer(vbHourglass);
    window.View().SetMousePointer(vbDefault);
    EXPECT_FALSE(window.BusyPointer());
}

// Only the buttons take the focus; no button is the default one (the probe's own tests check
// the keys).
TYPED_TEST_P(FormViewContract, TabGoesFromShuffleToCancelToRestore) {
    EXPECT_EQ(this->probe.TabOrder(),
              (std::vector<std::string>{"cmdShuffel", "cmdAbbruch", "cmdWeiderherstellen"}));
}

TYPED_TEST_P(FormViewContract, ALineFeedInTheInformationLineIsALineBreak) {
    auto& window = this->probe;
    const int oneLine = window.LabelTextHeight("eins zwei");
    EXPECT_GT(oneLine, 0);
    EXPECT_GT(window.LabelTextHeight("eins\nzwei"), oneLine);
}

TYPED_TEST_P(FormViewContract, FormAndLabelAreWindowsOfTheirOwnAndOtherHandlesAreRefused) {
    FormView& view = this->probe.View();
    EXPECT_NE(view.Handle(), 0);
    EXPECT_NE(view.LabelHandle(), 0);
    EXPECT_NE(view.Handle(), view.LabelHandle());
    for (const WindowHandle stranger : {WindowHandle{0}, WindowHandle{0x7ffffff0}}) {
        try {
            view.SetRedraw(stranger, false);
            ADD_FAILURE() << "no error for the handle " << stranger;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), errnum::InvalidProcedureCall);
        }
    }
}

REGISTER_TYPED_TEST_SUITE_P(FormViewContract, ClientAreaAndControlsSitWhereTheFormPutsThem,
                            TextsAndEnablingReachTheirControlsWithTheirUmlauts,
                            HourglassComesAndGoesWithOneCallEach,
                            TabGoesFromShuffleToCancelToRestore,
                            ALineFeedInTheInformationLineIsALineBreak,
                            FormAndLabelAreWindowsOfTheirOwnAndOtherHandlesAreRefused);

} // namespace karusello::test
