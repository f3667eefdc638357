#include "help/help_layout.h"

namespace kakipo {

int FormResize(int outerWidth, int splitterLeft, int leftPaneWidth) {
  using namespace helplayout;
  int width = leftPaneWidth;
  const int room = outerWidth - splitterMinSize - splitterWidth;
  if (room <= splitterLeft) width = room;
  if (splitterMinSize >= width) width = splitterMinSize;
  return width;
}

int Splitter1Moved(int leftPaneWidth) {
  return helplayout::splitterMinSize > leftPaneWidth ? helplayout::splitterMinSize : leftPaneWidth;
}

}  // namespace kakipo
