// Every length the program gives at 96 dots per inch, scaled for 120, 144 and 192 dpi and rounded
// as the platform's MulDiv rounds.
#include "core/display_scale.h"

#include <gtest/gtest.h>

#include "app/main_window_layout.h"
#include "app/progress_layout.h"
#include "core/font.h"
#include "core/form_window.h"
#include "help/about_layout.h"
#include "help/help_layout.h"

namespace kakipo {
namespace {

struct SizeRow {
  const char* label;
  int at96;
  int at120;
  int at144;
  int at192;
};

TEST(DisplayScale, EverySizeAt96_120_144And192Dpi) {
  using namespace mainlayout;
  const SizeRow rows[] = {
      {"window width", defaultFormBounds.width, 350, 420, 560},
      {"window height", defaultFormBounds.height, 475, 570, 760},
      {"band width", barWidth, 335, 402, 536},
      {"button", buttonSize, 30, 36, 48},
      {"picture", pictureSize, 20, 24, 32},
      {"combo row", comboRowHeight, 15, 18, 24},
      {"combo field", comboFieldHeight, 25, 30, 40},
      {"combo dropped", comboDropHeight, 180, 216, 288},
      {"combo band edges", comboBandEdges, 8, 9, 12},
      {"floating tool bar width", floatingToolBarWidth, 325, 390, 520},
      {"floating tool bar height", floatingToolBarHeight, 35, 42, 56},
      {"floating phrase box width", floatingPhraseBoxWidth, 345, 414, 552},
      {"floating phrase box height", floatingPhraseBoxHeight, 30, 36, 48},
      {"floating margin", floatingMargin, 3, 3, 4},
      {"status bar height", statusBarHeight, 23, 27, 36},
      {"status part 1", statusPart1Right, 75, 90, 120},
      {"status part 2", statusPart2Right, 325, 390, 520},
      {"form font", Font::uiHeight, -15, -18, -24},
      {"about width", aboutlayout::clientWidth, 241, 290, 386},
      {"about height", aboutlayout::clientHeight, 208, 249, 332},
      {"about panel width", aboutlayout::panel.width, 221, 266, 354},
      {"about panel height", aboutlayout::panel.height, 141, 170, 226},
      {"about icon", aboutlayout::icon.width, 40, 48, 64},
      {"about OK left", aboutlayout::okButton.left, 19, 23, 30},
      {"about OK width", aboutlayout::okButton.width, 93, 111, 148},
      {"about cancel width", aboutlayout::cancelButton.width, 91, 110, 146},
      {"about buttons top", aboutlayout::okButton.top, 165, 198, 264},
      {"help width", helplayout::initialWidth, 750, 900, 1200},
      {"help height", helplayout::initialHeight, 500, 600, 800},
      {"help min width", helplayout::minTrackWidth, 188, 225, 300},
      {"help min height", helplayout::minTrackHeight, 125, 150, 200},
      {"help left pane", helplayout::leftPaneWidth, 250, 300, 400},
      {"splitter", helplayout::splitterWidth, 8, 9, 12},
      {"splitter minimum", helplayout::splitterMinSize, 38, 45, 60},
      {"help status bar", helplayout::statusBarHeight, 25, 30, 40},
      {"help font", helplayout::fontPixels, 16, 20, 26},
      {"tree indent", helplayout::treeIndent, 24, 29, 38},
  };
  for (const SizeRow& r : rows) {
    EXPECT_EQ(Scale(96)(r.at96), r.at96) << r.label;
    EXPECT_EQ(Scale(120)(r.at96), r.at120) << r.label;
    EXPECT_EQ(Scale(144)(r.at96), r.at144) << r.label;
    EXPECT_EQ(Scale(192)(r.at96), r.at192) << r.label;
    // Back to 96 dpi, as the window's size is stored: every size comes back as it was.
    for (const int dpi : {120, 144, 192}) EXPECT_EQ(Scale(dpi).toDesign(Scale(dpi)(r.at96)), r.at96) << r.label;
  }
}

TEST(DisplayScale, UnknownResolutionIsTheDesignOne) {
  EXPECT_EQ(Scale(0).dpi(), 96);
  EXPECT_EQ(Scale(-1)(280), 280);
}

TEST(DisplayScale, ProgressDialogScalesEveryLength) {
  ProgressLayout expected;
  expected.clipResource = 151;
  expected.heightReduction = 45;
  expected.clientWidth = 468;
  expected.clientHeight = 158;  // (135 - 30) x 1.5
  expected.animationTop = 20;
  expected.bar = {12, 122, 441, 26};
  expected.button = {105, 158, 270, 38};
  expected.buttonEnabled = false;
  EXPECT_EQ(progressLayout(false, 2, Scale(144)), expected);
}

TEST(DisplayScale, HelpPaneLimitsScale) {
  // At 192 dpi the splitter is 12 pixels and the left pane at least 60.
  EXPECT_EQ(FormResize(300, 400, 400, Scale(192)), 228);
  EXPECT_EQ(FormResize(100, 400, 400, Scale(192)), 60);
  EXPECT_EQ(Splitter1Moved(40, Scale(192)), 60);
}

}  // namespace
}  // namespace kakipo
